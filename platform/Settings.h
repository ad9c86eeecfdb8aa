#pragma once
#include <QString>

// The per-user settings store, addressed by application, section and value
// name. Values are written through at once.
namespace platform {

QString GetSetting(const QString& app, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
// False when the store could not be written.
bool SaveSetting(const QString& app, const QString& section, const QString& key,
                 const QString& value);
void DeleteSetting(const QString& app, const QString& section, const QString& key);

}  // namespace platform
