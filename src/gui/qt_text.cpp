#include "gui/qt_text.hpp"

#include <QByteArray>
#include <QStringDecoder>

namespace quillon::gui {

QString toQString(const std::string& bytes) {
  const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(data);
  if (utf8.hasError()) return QString::fromLatin1(data);
  return text;
}

std::string toBytes(const QString& text) { return text.toStdString(); }

}  // namespace quillon::gui
