#include "app/ini_settings_store.hpp"

#include <QSettings>
#include <QString>

namespace quillon {

namespace {

QString keyPath(const std::string& section, const std::string& key) {
  const QString name = QString::fromStdString(key);
  return section.empty() ? name : QString::fromStdString(section) + "/" + name;
}

}  // namespace

IniSettingsStore::IniSettingsStore(const std::string& path)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(path), QSettings::IniFormat)) {}

IniSettingsStore::~IniSettingsStore() = default;

std::optional<std::string> IniSettingsStore::read(const std::string& section, const std::string& key) const {
  const QString path = keyPath(section, key);
  if (!settings_->contains(path)) return std::nullopt;
  return settings_->value(path).toString().toStdString();
}

void IniSettingsStore::write(const std::string& section, const std::string& key, const std::string& value) {
  settings_->setValue(keyPath(section, key), QString::fromStdString(value));
  settings_->sync();
}

}  // namespace quillon
