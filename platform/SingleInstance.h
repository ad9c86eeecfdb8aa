#pragma once
#include <QString>

namespace platform {

// Holds a lock for the rest of the process when no other instance of the
// program holds it. False when another instance is running.
bool acquireSingleInstance(const QString& name);
// The lock file's path for a program name (tests hold it from outside).
QString singleInstanceLockPath(const QString& name);

}  // namespace platform
