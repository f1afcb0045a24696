#include "ProgramStarter.h"

#include "AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {

enum class ProgramKind { Windows, Native, Unknown };

ProgramKind kindOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return ProgramKind::Unknown;
    const QByteArray head = file.read(4);
    if (head.startsWith("MZ"))
        return ProgramKind::Windows;
    if (head == "\x7f" "ELF" || head.startsWith("#!"))
        return ProgramKind::Native;
    return ProgramKind::Unknown;
}

bool looksLikePath(const QString& program)
{
    return program.contains(QLatin1Char('\\')) || program.contains(QLatin1Char('/')) ||
           program.contains(QLatin1Char(':'));
}

} // namespace

CommandLine CommandLine::parse(const QString& line)
{
    const QString trimmed = line.trimmed();
    CommandLine result;
    QString rest;
    if (trimmed.startsWith(QLatin1Char('"'))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char('"'), 1);
        result.program = trimmed.mid(1, close < 0 ? -1 : close - 1);
        rest = close < 0 ? QString() : trimmed.mid(close + 1);
    } else {
        const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
        result.program = trimmed.left(blank < 0 ? trimmed.size() : blank);
        rest = blank < 0 ? QString() : trimmed.mid(blank + 1);
    }
    result.arguments = QProcess::splitCommand(rest);
    return result;
}

QStringList ProgramLocator::searchFolders() const
{
    QStringList folders{QCoreApplication::applicationDirPath(), QDir::currentPath()};
    folders += m_host.systemFolders();
    const QString path = qEnvironmentVariable("PATH");
    for (const QString& folder : path.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders += folder;
    return folders;
}

QString ProgramLocator::locate(const QString& program) const
{
    if (program.isEmpty())
        return {};
    if (looksLikePath(program)) {
        const QString path = m_host.toHostPath(program);
        return QFileInfo(path).isFile() ? path : QString();
    }
    // Windows adds ".exe" to a bare name that has no extension of its own.
    QStringList names{program};
    if (!program.contains(QLatin1Char('.')))
        names += program + QStringLiteral(".exe");
    for (const QString& folder : searchFolders()) {
        for (const QString& name : names) {
            const QString entry = findEntryIgnoringCase(folder, name);
            if (!entry.isEmpty() && QFileInfo(folder + QLatin1Char('/') + entry).isFile())
                return folder + QLatin1Char('/') + entry;
        }
    }
    return {};
}

void HostProgramStarter::start(const QString& commandLine, WindowStyle style)
{
    const CommandLine command = CommandLine::parse(commandLine);
    const QString path = ProgramLocator().locate(command.program);
    if (path.isEmpty())
        throw AppError(ErrorCode::FileNotFound, command.program);

    QString executable = path;
    QStringList arguments = command.arguments;
    switch (kindOf(path)) {
    case ProgramKind::Windows: {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        if (wine.isEmpty())
            throw AppError(ErrorCode::InvalidCall, command.program,
                           QStringLiteral("This is a Windows program, and wine is not installed."));
        executable = wine;
        // Only wine's own start command can ask for a minimized window.
        const QStringList launch = style == WindowStyle::Minimized
                                       ? QStringList{QStringLiteral("start"), QStringLiteral("/min"),
                                                     QStringLiteral("/unix"), path}
                                       : QStringList{path};
        arguments = launch + arguments;
        break;
    }
    case ProgramKind::Native:
        if (!QFileInfo(path).isExecutable())
            throw AppError(ErrorCode::PermissionDenied, command.program);
        break;
    case ProgramKind::Unknown:
        throw AppError(ErrorCode::InvalidCall, command.program,
                       QStringLiteral("This file is not a program that can be started."));
    }

    if (!QProcess::startDetached(executable, arguments, QDir::currentPath()))
        throw AppError(ErrorCode::PathFileAccessError, command.program);
}

} // namespace platform
