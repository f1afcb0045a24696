#include "PictureLoader.h"

#include "AppError.h"
#include "WindowsHost.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace platform {

namespace {

// The last scan of a JPEG must be followed by the end-of-image marker; the
// scan data itself cannot hold FF D9, since every FF in it is stuffed.
bool jpegIsComplete(const QByteArray& data)
{
    const qsizetype lastScan = data.lastIndexOf(QByteArrayLiteral("\xFF\xDA"));
    return lastScan >= 0 && data.indexOf(QByteArrayLiteral("\xFF\xD9"), lastScan + 2) > lastScan;
}

QByteArray readWhole(const QString& hostPath, const QString& path)
{
    const QFileInfo info(hostPath);
    if (!info.exists())
        throw AppError(QFileInfo(info.absolutePath()).isDir() ? ErrorCode::FileNotFound
                                                              : ErrorCode::PathNotFound,
                       path);
    if (info.isDir())
        throw AppError(ErrorCode::PathFileAccessError, path);
    if (info.size() > FilePictureLoader::maxFileBytes)
        throw AppError(ErrorCode::InvalidPicture, path);
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(ErrorCode::PermissionDenied, path);
    QByteArray data = file.readAll();
    if (data.size() != info.size())
        throw AppError(ErrorCode::DeviceIoError, path);
    return data;
}

} // namespace

QImage FilePictureLoader::load(const QString& path)
{
    const QByteArray data = readWhole(WindowsHost().toHostPath(path), path);

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(static_cast<int>(maxPixelBytes / (1024 * 1024)));

    const QByteArray format = reader.format();
    if (format.isEmpty())
        throw AppError(ErrorCode::InvalidPicture, path);
    // Readers that cannot tell the size up front are held by the allocation
    // limit instead.
    const QSize declared = reader.size();
    if (declared.isValid() && qint64(declared.width()) * declared.height() * 4 > maxPixelBytes)
        throw AppError(ErrorCode::InvalidPicture, path);
    if (format == "jpeg" && !jpegIsComplete(data))
        throw AppError(ErrorCode::InvalidPicture, path);

    QImage picture = reader.read();
    if (picture.isNull())
        throw AppError(ErrorCode::InvalidPicture, path);
    return picture;
}

} // namespace platform
