#include "AppError.h"

#include <cerrno>

namespace platform {

QString describe(ErrorCode code)
{
    switch (code) {
    case ErrorCode::InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case ErrorCode::OutOfMemory: return QStringLiteral("Out of memory");
    case ErrorCode::InternalError: return QStringLiteral("Internal error");
    case ErrorCode::FileNotFound: return QStringLiteral("File not found");
    case ErrorCode::DeviceIoError: return QStringLiteral("Device I/O error");
    case ErrorCode::DiskFull: return QStringLiteral("Disk full");
    case ErrorCode::PermissionDenied: return QStringLiteral("Permission denied");
    case ErrorCode::PathFileAccessError: return QStringLiteral("Path/File access error");
    case ErrorCode::PathNotFound: return QStringLiteral("Path not found");
    case ErrorCode::InvalidPicture: return QStringLiteral("Invalid picture");
    case ErrorCode::PrinterError: return QStringLiteral("Printer error");
    }
    return QStringLiteral("Application-defined or object-defined error");
}

AppError::AppError(ErrorCode code, QString concerning, QString detail)
    : m_code(code), m_concerning(std::move(concerning)), m_detail(std::move(detail))
{
}

AppError AppError::fromErrno(int errnoValue, const QString& concerning)
{
    switch (errnoValue) {
    case ENOENT: return {ErrorCode::FileNotFound, concerning};
    case ENOTDIR: return {ErrorCode::PathNotFound, concerning};
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return {ErrorCode::PermissionDenied, concerning};
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return {ErrorCode::DiskFull, concerning};
    case EIO: return {ErrorCode::DeviceIoError, concerning};
    case ENOMEM: return {ErrorCode::OutOfMemory, concerning};
    default: return {ErrorCode::PathFileAccessError, concerning};
    }
}

QString AppError::reportText() const
{
    QString text = QStringLiteral("Run-time error '%1':\n\n%2").arg(number()).arg(description());
    if (!m_concerning.isEmpty())
        text += QStringLiteral("\n\n") + m_concerning;
    if (!m_detail.isEmpty())
        text += QStringLiteral("\n") + m_detail;
    return text;
}

} // namespace platform
