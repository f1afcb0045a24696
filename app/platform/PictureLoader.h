#pragma once

#include <QImage>
#include <QString>

namespace platform {

class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Loads the picture of a file, its format told by its content. Throws
    // AppError when the file is missing or holds no whole picture.
    virtual QImage load(const QString& path) = 0;
};

// Reads JPEG, Windows bitmap and icon files, among the others Qt knows.
// A hostile file fails within a bounded allocation: the declared size is
// checked before any pixel memory is taken, and a JPEG whose stream ends
// before its end marker is refused rather than shown half grey.
class FilePictureLoader final : public PictureLoader {
public:
    static constexpr qint64 maxFileBytes = 256 * 1024 * 1024;
    static constexpr qint64 maxPixelBytes = 256 * 1024 * 1024;

    QImage load(const QString& path) override;
};

} // namespace platform
