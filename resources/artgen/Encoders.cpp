#include "Encoders.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

namespace artgen {

namespace {

class LittleEndianWriter {
public:
    void u8(int v) { m_bytes.append(char(v & 0xff)); }
    void u16(int v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(quint32 v)
    {
        u16(int(v & 0xffff));
        u16(int(v >> 16));
    }
    void bytes(const QByteArray& b) { m_bytes.append(b); }
    void zeros(int n) { m_bytes.append(QByteArray(n, '\0')); }
    int size() const { return int(m_bytes.size()); }
    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};

int paddedRowBytes(int width, int bitsPerPixel) { return ((width * bitsPerPixel + 31) / 32) * 4; }

void infoHeader(LittleEndianWriter& w, int width, int height, int bitsPerPixel, quint32 imageBytes,
                int coloursUsed)
{
    w.u32(40);
    w.u32(quint32(width));
    w.u32(quint32(height));
    w.u16(1);
    w.u16(bitsPerPixel);
    w.u32(0); // BI_RGB: uncompressed
    w.u32(imageBytes);
    w.u32(0);
    w.u32(0);
    w.u32(quint32(coloursUsed));
    w.u32(0);
}

void paletteEntries(LittleEndianWriter& w, const QList<QRgb>& palette)
{
    for (QRgb c : palette) {
        w.u8(qBlue(c));
        w.u8(qGreen(c));
        w.u8(qRed(c));
        w.u8(0);
    }
}

// Indexed rows, bottom-up, each padded to four bytes.
QByteArray indexedRows(const QImage& image, const QList<QRgb>& palette, int bitsPerPixel)
{
    const int rowBytes = paddedRowBytes(image.width(), bitsPerPixel);
    QByteArray rows(rowBytes * image.height(), '\0');
    for (int y = 0; y < image.height(); ++y) {
        char* row = rows.data() + (image.height() - 1 - y) * rowBytes;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const int index = qAlpha(pixel) < 128 ? 0 : nearestIndex(palette, pixel);
            if (bitsPerPixel == 8)
                row[x] = char(index);
            else
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
    }
    return rows;
}

QByteArray andMask(const QImage& image)
{
    const int rowBytes = paddedRowBytes(image.width(), 1);
    QByteArray mask(rowBytes * image.height(), '\0');
    for (int y = 0; y < image.height(); ++y) {
        char* row = mask.data() + (image.height() - 1 - y) * rowBytes;
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
    }
    return mask;
}

} // namespace

QList<QRgb> vgaPalette()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

QList<QRgb> cubePalette()
{
    QList<QRgb> palette;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.append(qRgb(r * 51, g * 51, b * 51));
    for (int i = 0; i < 40; ++i)
        palette.append(qRgb(i * 255 / 39, i * 255 / 39, i * 255 / 39));
    return palette;
}

int nearestIndex(const QList<QRgb>& palette, QRgb colour)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

QByteArray encodeJpeg(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(image.convertToFormat(QImage::Format_RGB32));
    return bytes;
}

QByteArray encodeBmp24(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = paddedRowBytes(image.width(), 24);
    const quint32 imageBytes = quint32(rowBytes * image.height());
    LittleEndianWriter w;
    w.u8('B');
    w.u8('M');
    w.u32(14 + 40 + imageBytes);
    w.u32(0);
    w.u32(14 + 40);
    infoHeader(w, image.width(), image.height(), 24, imageBytes, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            w.u8(qBlue(p));
            w.u8(qGreen(p));
            w.u8(qRed(p));
        }
        w.zeros(rowBytes - image.width() * 3);
    }
    return w.take();
}

QByteArray encodeBmp8(const QImage& source, const QList<QRgb>& palette)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const QByteArray rows = indexedRows(image, palette, 8);
    const quint32 offset = 14 + 40 + quint32(palette.size()) * 4;
    LittleEndianWriter w;
    w.u8('B');
    w.u8('M');
    w.u32(offset + quint32(rows.size()));
    w.u32(0);
    w.u32(offset);
    infoHeader(w, image.width(), image.height(), 8, quint32(rows.size()), int(palette.size()));
    paletteEntries(w, palette);
    w.bytes(rows);
    return w.take();
}

QByteArray encodeIco(const QList<IconImage>& images)
{
    QList<QByteArray> bodies;
    for (const IconImage& icon : images) {
        const QImage image = icon.image.convertToFormat(QImage::Format_ARGB32);
        const QList<QRgb> palette = icon.bitsPerPixel == 4 ? vgaPalette() : cubePalette();
        const QByteArray xorBits = indexedRows(image, palette, icon.bitsPerPixel);
        const QByteArray andBits = andMask(image);
        LittleEndianWriter body;
        // An icon's header counts the XOR and AND halves in its height.
        infoHeader(body, image.width(), 2 * image.height(), icon.bitsPerPixel,
                   quint32(xorBits.size() + andBits.size()), 0);
        paletteEntries(body, palette);
        body.bytes(xorBits);
        body.bytes(andBits);
        bodies.append(body.take());
    }

    LittleEndianWriter w;
    w.u16(0);
    w.u16(1); // an icon
    w.u16(int(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const QImage& image = images[i].image;
        w.u8(image.width() >= 256 ? 0 : image.width());
        w.u8(image.height() >= 256 ? 0 : image.height());
        w.u8(images[i].bitsPerPixel == 4 ? 16 : 0);
        w.u8(0);
        w.u16(1);
        w.u16(images[i].bitsPerPixel);
        w.u32(quint32(bodies[i].size()));
        w.u32(offset);
        offset += quint32(bodies[i].size());
    }
    for (const QByteArray& body : bodies)
        w.bytes(body);
    return w.take();
}

} // namespace artgen
