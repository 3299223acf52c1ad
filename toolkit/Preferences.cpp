// The preferences in Qt's settings file of the application.
#include "Preferences.h"

#include <QCoreApplication>

std::optional<QString> TQtPreferences::Value(const QString& key) const {
  const QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                           QCoreApplication::applicationName(),
                           QCoreApplication::applicationName());
  const QVariant value = settings.value(key);
  if (!value.isValid()) return std::nullopt;
  return value.toString();
}

void TQtPreferences::SetValue(const QString& key, const QString& value) {
  QSettings settings(QSettings::IniFormat, QSettings::UserScope,
                     QCoreApplication::applicationName(), QCoreApplication::applicationName());
  settings.setValue(key, value);
}
