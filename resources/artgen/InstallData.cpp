#include "InstallData.h"

#include "Artwork.h"
#include "Encoders.h"
#include "Sketch.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QtMath>

namespace artgen {

namespace {

// The installation's galleries, as their folders name them. The generator
// runs before the program's own layers are built, so it keeps this short
// list of what it draws for itself.
struct GalleryLook {
    QString folder;
    QString subject;
    QColor light;
    QColor dark;
};

const QList<GalleryLook>& galleryLooks()
{
    static const QList<GalleryLook> looks{
        {QStringLiteral("Anzel"), QStringLiteral("Anzel Corrow"), QColor(255, 170, 90), QColor(120, 20, 10)},
        {QStringLiteral("Tavi"), QStringLiteral("Tavi Brenmoor"), QColor(150, 230, 120), QColor(10, 70, 30)},
        {QStringLiteral("Idrav"), QStringLiteral("Idrenne Varnel"), QColor(130, 180, 255), QColor(10, 20, 100)},
        {QStringLiteral("Idrar"), QStringLiteral("Idrenne Ruskell"), QColor(220, 150, 255), QColor(60, 10, 90)},
        {QStringLiteral("Lioriel"), QStringLiteral("Lioriel Dunmere"), QColor(120, 240, 230), QColor(0, 80, 90)},
        {QStringLiteral("Group"), QStringLiteral("The Vyrelles"), QColor(255, 230, 120), QColor(90, 60, 0)},
    };
    return looks;
}

// Picture 1 carries no number in its name.
QString numbered(const QString& prefix, int k)
{
    return k == 1 ? prefix : prefix + QString::number(k);
}

// Most pictures fill the 520 x 520 box; a few are larger than the window
// shows, so that clipping can be seen, and a few smaller.
QSize pictureSize(int k)
{
    switch (k) {
    case 5: return {640, 600};
    case 12: return {720, 500};
    case 8: return {400, 360};
    case 15: return {320, 300};
    default: return {520, 520};
    }
}

QImage galleryPicture(int gallery, const GalleryLook& look, int k)
{
    const QSize size = pictureSize(k);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Random random(quint32(gallery * 100 + k));

    // Each picture has a composition of its own: the light falls from a
    // different side, and the shapes lie elsewhere.
    const double angle = k * 2 * M_PI / 16;
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const QPointF swing(qCos(angle) * size.width() / 2, qSin(angle) * size.height() / 2);
    QLinearGradient sky(centre - swing, centre + swing);
    sky.setColorAt(0, look.light);
    sky.setColorAt(1, look.dark);
    p.fillRect(image.rect(), sky);
    for (int i = 0; i < 6 + k % 5; ++i) {
        QColor shape = i % 2 ? look.light.lighter(110 + i * 5) : look.dark.lighter(150 + i * 10);
        shape.setAlpha(110);
        p.setPen(Qt::NoPen);
        p.setBrush(shape);
        const QRectF box(random.between(0, size.width() * 0.8), random.between(0, size.height() * 0.8),
                         random.between(40, size.width() * 0.4), random.between(40, size.height() * 0.4));
        (i + k) % 3 == 0 ? p.drawEllipse(box) : p.drawRoundedRect(box, 12, 12);
    }
    const double figureHeight = size.height() * random.between(0.35, 0.55);
    drawFigure(p, QPointF(size.width() * random.between(0.25, 0.75), size.height() * 0.92), figureHeight,
               look.dark.lighter(170), look.light.darker(200), k);

    p.setPen(Qt::white);
    p.setFont(boldFace(size.height() / 14.0));
    p.drawText(QRectF(0, 8, size.width(), size.height() / 10.0), Qt::AlignCenter, look.subject);
    p.setFont(boldFace(size.height() / 5.0));
    p.setPen(QColor(0, 0, 0, 150));
    const QRectF numberBox(size.width() * 0.05, size.height() * 0.55, size.width() * 0.5, size.height() * 0.35);
    p.drawText(numberBox.translated(4, 4), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("No. %1").arg(k));
    p.setPen(Qt::white);
    p.drawText(numberBox, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("No. %1").arg(k));
    return image;
}

// A logo screen as Windows shows it, drawn at 640 x 480 and squeezed into the
// 320 x 400 bitmap that Windows stretches back onto the screen.
QImage logoScreen(const GalleryLook& look, int screen)
{
    QImage screenImage(640, 480, QImage::Format_RGB32);
    QPainter p(&screenImage);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 480);
    sky.setColorAt(0, screen == 3 ? QColor(0, 0, 0) : look.dark);
    sky.setColorAt(1, screen == 3 ? look.dark : look.light.darker(120));
    p.fillRect(screenImage.rect(), sky);
    drawFigure(p, QPointF(320, 400), 260, look.light, look.dark.lighter(140), screen);
    drawWordMark(p, QRectF(80, 20, 480, 80), look.folder, Qt::white, QColor(30, 60, 230), 3);
    const QString texts[] = {QStringLiteral("Starting Windows..."),
                             QStringLiteral("Please wait while your computer shuts down."),
                             QStringLiteral("It's now safe to turn off your computer.")};
    p.setPen(screen == 3 ? QColor(255, 160, 40) : Qt::white);
    p.setFont(boldFace(24));
    p.drawText(QRectF(0, 420, 640, 50), Qt::AlignCenter, texts[screen - 1]);
    p.end();
    return screenImage.scaled(320, 400, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QList<DataFile> drawGalleryPictures()
{
    QList<DataFile> files;
    for (int g = 0; g < galleryLooks().size(); ++g) {
        const GalleryLook& look = galleryLooks()[g];
        for (int k = 1; k <= 16; ++k)
            files.append({QStringLiteral("Pictures/%1/%2.vyp").arg(look.folder, numbered(look.folder, k)),
                          encodeJpeg(galleryPicture(g + 1, look, k), 88)});
    }
    return files;
}

QList<DataFile> drawLogoScreens()
{
    QList<DataFile> files;
    for (int g = 0; g < 2; ++g) {
        const GalleryLook& look = galleryLooks()[g];
        for (int screen = 1; screen <= 3; ++screen) {
            const QString name = numbered(look.folder, screen) + QStringLiteral(".bmp");
            const QImage bitmap = logoScreen(look, screen);
            files.append({QStringLiteral("Logos/%1/%2").arg(look.folder, name), encodeBmp8(bitmap, cubePalette())});
            files.append({QStringLiteral("Logos/Sample/") + name,
                          encodeBmp24(bitmap.scaled(80, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))});
        }
    }
    return files;
}

QList<DataFile> drawDesktopIcons()
{
    QImage icon;
    for (const Asset& asset : drawArtwork())
        if (asset.name == QLatin1String("icoProgram"))
            icon.loadFromData(asset.bytes, "ICO");
    QList<DataFile> files;
    for (int size : {16, 32, 48, 64}) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(&buffer, "PNG");
        files.append({QStringLiteral("hicolor/%1x%1/apps/net.trelvane.AudioPlayer.png").arg(size), png});
    }
    return files;
}

} // namespace artgen
