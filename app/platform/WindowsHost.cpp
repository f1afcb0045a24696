#include "WindowsHost.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace platform {

namespace {

QString defaultPrefix()
{
    const QString fromEnvironment = qEnvironmentVariable("WINEPREFIX");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(QDir(fromEnvironment).absolutePath());
    return QDir::homePath() + QStringLiteral("/.wine");
}

// Walks the components below an existing base folder, matching each one
// without regard to case for as long as the folders exist.
QString resolveBelow(QString base, const QStringList& components)
{
    bool existing = QFileInfo(base).isDir();
    for (const QString& component : components) {
        if (component.isEmpty() || component == QLatin1String("."))
            continue;
        if (component == QLatin1String("..")) {
            base = QFileInfo(base).path();
            continue;
        }
        QString entry;
        if (existing) {
            entry = findEntryIgnoringCase(base, component);
            existing = !entry.isEmpty();
        }
        if (!base.endsWith(QLatin1Char('/')))
            base += QLatin1Char('/');
        base += existing ? entry : component;
        existing = existing && QFileInfo(base).isDir();
    }
    return base;
}

} // namespace

QString findEntryIgnoringCase(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name)) || QFileInfo(dir.filePath(name)).isSymLink())
        return name;
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return {};
}

WindowsHost::WindowsHost() : m_prefix(defaultPrefix()) {}

WindowsHost::WindowsHost(QString prefix) : m_prefix(std::move(prefix)) {}

QString WindowsHost::driveC() const { return m_prefix + QStringLiteral("/drive_c"); }

QString WindowsHost::driveRoot(QChar letter) const
{
    if (letter.toLower() == QLatin1Char('c'))
        return driveC();
    return m_prefix + QStringLiteral("/dosdevices/") + letter.toLower() + QLatin1Char(':');
}

QString WindowsHost::toHostPath(const QString& windowsPath) const
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));

    static const QRegularExpression drive(QStringLiteral("^([A-Za-z]):"));
    const auto match = drive.match(path);
    QString base;
    if (match.hasMatch()) {
        base = driveRoot(match.captured(1).at(0));
        path = path.mid(2);
    } else if (path.startsWith(QLatin1Char('/'))) {
        base = QStringLiteral("/");
    } else {
        base = QDir::currentPath();
    }
    if (base.endsWith(QLatin1Char('/')) && base.size() > 1)
        base.chop(1);
    return resolveBelow(base, path.split(QLatin1Char('/')));
}

QStringList WindowsHost::systemFolders() const
{
    return {toHostPath(QStringLiteral("C:\\Windows\\System32")),
            toHostPath(QStringLiteral("C:\\Windows\\System")),
            toHostPath(QStringLiteral("C:\\Windows"))};
}

} // namespace platform
