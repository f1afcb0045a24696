#pragma once

#include <QString>

namespace platform {

// The classic run-time error numbers that the program's reports carry.
enum class ErrorCode {
    InvalidCall = 5,
    OutOfMemory = 7,
    InternalError = 51,
    FileNotFound = 53,
    DeviceIoError = 57,
    DiskFull = 61,
    PermissionDenied = 70,
    PathFileAccessError = 75,
    PathNotFound = 76,
    InvalidPicture = 481,
    PrinterError = 482,
};

QString describe(ErrorCode code);

// The one error value of the program: what went wrong and what it concerned.
// Services throw it; the guard that runs every handler reports it.
class AppError final {
public:
    AppError(ErrorCode code, QString concerning, QString detail = {});

    // The error for a failed system call, by its errno.
    static AppError fromErrno(int errnoValue, const QString& concerning);

    ErrorCode code() const { return m_code; }
    int number() const { return static_cast<int>(m_code); }
    QString description() const { return describe(m_code); }
    QString concerning() const { return m_concerning; }
    QString detail() const { return m_detail; }

    // The text of the report: the classic heading, the description, then
    // the file or program concerned.
    QString reportText() const;

private:
    ErrorCode m_code;
    QString m_concerning;
    QString m_detail;
};

} // namespace platform
