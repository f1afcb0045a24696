#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

// Small, plain writers for the exact file layouts the program ships: Qt's own
// writers choose other layouts (headers, palettes, masks) than these.
namespace artgen {

// The 16 colours of the classic VGA palette, in Windows order.
QList<QRgb> vgaPalette();
// 256 colours: a 6 x 6 x 6 colour cube and a 40-step grey ramp.
QList<QRgb> cubePalette();
// The palette entry nearest to a colour (ties go to the lower index).
int nearestIndex(const QList<QRgb>& palette, QRgb colour);

// A baseline JFIF JPEG at the given quality.
QByteArray encodeJpeg(const QImage& image, int quality);

// A Windows bitmap, uncompressed, BITMAPINFOHEADER, bottom-up rows.
QByteArray encodeBmp24(const QImage& image);
QByteArray encodeBmp8(const QImage& image, const QList<QRgb>& palette);

// One image of an icon file. Pixels with alpha below 128 are transparent
// (set in the AND mask); the others are mapped into the palette.
struct IconImage {
    QImage image;
    int bitsPerPixel; // 4 or 8
};
QByteArray encodeIco(const QList<IconImage>& images);

} // namespace artgen
