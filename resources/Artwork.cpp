#include "Artwork.h"

#include "AppError.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace resources {

namespace {

QString resourcePath(const QString& name) { return QStringLiteral(":/art/") + name; }

} // namespace

QStringList assetNames()
{
    return {QStringLiteral("artBackground"), QStringLiteral("artProgressStrip"),
            QStringLiteral("artFramedLogo"), QStringLiteral("artSplashLogo"),
            QStringLiteral("artOsBadge"),    QStringLiteral("artAboutPhoto"),
            QStringLiteral("icoProgram"),    QStringLiteral("icoHelp"),
            QStringLiteral("icoFlag"),       QStringLiteral("icoAbout"),
            QStringLiteral("curBlank")};
}

QByteArray assetBytes(const QString& name)
{
    QFile file(resourcePath(name));
    if (!file.open(QIODevice::ReadOnly))
        throw platform::AppError(platform::ErrorCode::FileNotFound, name);
    return file.readAll();
}

QImage assetImage(const QString& name)
{
    QImage image;
    image.loadFromData(assetBytes(name));
    if (image.isNull())
        throw platform::AppError(platform::ErrorCode::InvalidPicture, name);
    return image;
}

QPixmap assetPixmap(const QString& name) { return QPixmap::fromImage(assetImage(name)); }

QIcon assetIcon(const QString& name)
{
    const QByteArray bytes = assetBytes(name);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QIcon icon;
    for (int i = 0; i < qMax(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QCursor assetCursor(const QString& name) { return QCursor(assetPixmap(name), 0, 0); }

} // namespace resources
