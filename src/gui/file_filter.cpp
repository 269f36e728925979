#include "gui/file_filter.hpp"

#include <QStringList>

#include "gui/qt_text.hpp"

namespace quillon::gui {

namespace {

QString patternsFor(const QString& classicPatterns) {
  QStringList patterns;
  for (const QString& raw : classicPatterns.split(';', Qt::SkipEmptyParts)) {
    const QString pattern = raw.trimmed();
    if (pattern.isEmpty()) continue;
    if (pattern == "*.*" || pattern == "*") {
      patterns << "*";
      continue;
    }
    patterns << pattern;
    const QString capitals = pattern.toUpper();
    if (capitals != pattern) patterns << capitals;
  }
  patterns.removeDuplicates();
  return patterns.join(' ');
}

QString descriptionWithoutPatterns(QString description) {
  description = description.trimmed();
  if (description.endsWith(')')) {
    const qsizetype open = description.lastIndexOf('(');
    if (open > 0) description = description.left(open).trimmed();
  }
  return description;
}

}  // namespace

QString qtFileFilter(const std::string& classicFilter) {
  const QStringList parts = toQString(classicFilter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = patternsFor(parts[i + 1]);
    if (patterns.isEmpty()) continue;
    filters << descriptionWithoutPatterns(parts[i]) + " (" + patterns + ")";
  }
  return filters.join(";;");
}

}  // namespace quillon::gui
