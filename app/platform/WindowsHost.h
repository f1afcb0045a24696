#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The Windows machine that the program speaks of, laid over a Wine prefix:
// drive C: is <prefix>/drive_c, other drives are the prefix's dosdevices,
// and every path component is matched without regard to letter case, as
// Windows matches it. A component that does not exist yet keeps the case
// it was written in.
class WindowsHost final {
public:
    // The prefix of $WINEPREFIX, or ~/.wine when that is not set.
    WindowsHost();
    explicit WindowsHost(QString prefix);

    QString prefix() const { return m_prefix; }
    QString driveC() const;

    // The host path for a Windows path: "C:\Windows\Logow.sys", a relative
    // "Pictures\Anzel\Anzel.vyp" (against the current directory) or a path
    // that is already the host's own ("/tmp/x").
    QString toHostPath(const QString& windowsPath) const;

    // Where Windows looks for a bare program name after the program's own
    // folder and the current directory: system32, system, the Windows folder.
    QStringList systemFolders() const;

private:
    QString driveRoot(QChar letter) const;

    QString m_prefix;
};

// The entry of a folder whose name matches without regard to case; the exact
// name when it exists, else the first match in name order, else empty.
QString findEntryIgnoringCase(const QString& folder, const QString& name);

} // namespace platform
