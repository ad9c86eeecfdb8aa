#include "platform/Settings.h"

#include <QSettings>

namespace platform {
namespace {
// Keys may hold any character; QSettings would read '/' and '\' as group
// separators, so those two are escaped.
QString keyPath(const QString& section, const QString& key) {
  QString k = key;
  k.replace(QLatin1Char('%'), QLatin1String("%25"));
  k.replace(QLatin1Char('/'), QLatin1String("%2F"));
  k.replace(QLatin1Char('\\'), QLatin1String("%5C"));
  return section + QLatin1Char('/') + k;
}
}  // namespace

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue) {
  QSettings s(QSettings::IniFormat, QSettings::UserScope, app);
  if (s.status() != QSettings::NoError) return defaultValue;
  return s.value(keyPath(section, key), defaultValue).toString();
}

bool SaveSetting(const QString& app, const QString& section, const QString& key,
                 const QString& value) {
  QSettings s(QSettings::IniFormat, QSettings::UserScope, app);
  s.setValue(keyPath(section, key), value);
  s.sync();
  return s.status() == QSettings::NoError;
}

void DeleteSetting(const QString& app, const QString& section, const QString& key) {
  QSettings s(QSettings::IniFormat, QSettings::UserScope, app);
  s.remove(keyPath(section, key));
  s.sync();
}

}  // namespace platform
