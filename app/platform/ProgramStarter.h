#pragma once

#include "WindowsHost.h"

#include <QString>
#include <QStringList>

namespace platform {

enum class WindowStyle { Normal = 1, Minimized = 2 };

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the program of a command line and returns at once; nobody waits
    // for it or keeps its process. Throws AppError when it cannot be started.
    virtual void start(const QString& commandLine, WindowStyle style) = 0;
};

// A command line cut into the program and its arguments. The program is
// the first word, or the quoted text when the line starts with a quote.
struct CommandLine {
    QString program;
    QStringList arguments;

    static CommandLine parse(const QString& line);
};

// Finds the file of a program as Windows does: a path is mapped by the host;
// a bare name is looked for in the program's own folder, the current
// directory, the Windows system folders and then PATH.
class ProgramLocator final {
public:
    explicit ProgramLocator(WindowsHost host = WindowsHost()) : m_host(std::move(host)) {}

    // The host path of the program, or empty when there is none.
    QString locate(const QString& program) const;
    QStringList searchFolders() const;

private:
    WindowsHost m_host;
};

// Starts Windows programs ("MZ") through wine, native ones (ELF, "#!")
// directly, in the current directory.
class HostProgramStarter final : public ProgramStarter {
public:
    void start(const QString& commandLine, WindowStyle style) override;
};

} // namespace platform
