#pragma once

#include <QString>

// Real mounts for tests, in a mount namespace of the test process's own, so
// that they vanish with it. enterPrivateMountNamespace() must run before any
// thread starts (first thing in main); as root it takes a plain mount
// namespace, as any other user a user namespace in which it is root.
namespace privatemounts {

bool enterPrivateMountNamespace(QString* why);
bool mountTmpfs(const QString& folder, qint64 bytes, QString* why);
bool remountReadOnly(const QString& folder, QString* why);
bool unmount(const QString& folder);

} // namespace privatemounts
