#include "Artwork.h"

#include "Encoders.h"
#include "Sketch.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace artgen {

namespace {

const QColor gold(214, 170, 60);
const QColor lightGold(250, 224, 130);
const QColor darkGold(140, 100, 30);

QImage canvas(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

// Golden margin with a wavy motif running along it.
void goldenMargin(QPainter& p, const QRectF& strip, bool vertical, Random& random)
{
    QLinearGradient shade(strip.topLeft(), vertical ? strip.topRight() : strip.bottomLeft());
    shade.setColorAt(0, lightGold);
    shade.setColorAt(0.5, gold);
    shade.setColorAt(1, darkGold);
    p.fillRect(strip, shade);
    p.setPen(QPen(darkGold.darker(130), 2));
    p.setBrush(Qt::NoBrush);
    for (int wave = 0; wave < 3; ++wave) {
        QPainterPath path;
        const double offset = (wave + 1) / 4.0;
        const double phase = random.between(0, 6.28);
        const int length = int(vertical ? strip.height() : strip.width());
        for (int t = 0; t <= length; t += 2) {
            const double swing = qSin(t / 14.0 + phase) * (vertical ? strip.width() : strip.height()) * 0.12;
            const QPointF point = vertical
                                      ? QPointF(strip.left() + strip.width() * offset + swing, strip.top() + t)
                                      : QPointF(strip.left() + t, strip.top() + strip.height() * offset + swing);
            t == 0 ? path.moveTo(point) : path.lineTo(point);
        }
        p.drawPath(path);
    }
}

QImage background()
{
    QImage image = canvas(520, 520, QColor(46, 46, 50));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Random random(1);
    const QPointF burst(210, 330);
    for (int i = 0; i < 90; ++i) {
        const double angle = random.between(0, 2 * M_PI);
        const double length = random.between(80, 420);
        const QPointF end = burst + QPointF(qCos(angle), qSin(angle)) * length;
        QLinearGradient streak(burst, end);
        streak.setColorAt(0, QColor(255, 255, 255, 200));
        streak.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(QPen(QBrush(streak), random.between(0.6, 3.2)));
        p.drawLine(burst, end);
    }
    QRadialGradient glow(burst, 150);
    glow.setColorAt(0, QColor(255, 255, 255, 255));
    glow.setColorAt(0.18, QColor(255, 255, 240, 220));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(burst, 150, 150);
    goldenMargin(p, QRectF(0, 0, 520, 40), false, random);
    goldenMargin(p, QRectF(0, 0, 40, 520), true, random);
    goldenMargin(p, QRectF(480, 0, 40, 520), true, random);
    return image;
}

QImage progressStrip()
{
    QImage image = canvas(139, 26, gold);
    QPainter p(&image);
    QLinearGradient shade(0, 0, 0, 26);
    shade.setColorAt(0, lightGold);
    shade.setColorAt(0.6, gold);
    shade.setColorAt(1, darkGold);
    p.fillRect(image.rect(), shade);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 250, 220, 90), 2));
    for (int x = -30; x < 139; x += 11)
        p.drawLine(QPointF(x, 26), QPointF(x + 26, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(darkGold);
    p.drawPolygon(QPolygonF({QPointF(108, 24), QPointF(134, 24), QPointF(134, 3)}));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(255, 240, 190));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 138, 25);
    return image;
}

QImage framedLogo()
{
    QImage image = canvas(230, 185, Qt::black);
    QPainter p(&image);
    for (int ring = 0; ring < 20; ++ring) {
        const double light = 0.5 + 0.5 * qCos(ring * M_PI / 10.0);
        p.setPen(QColor::fromRgbF(0.55 + 0.43 * light, 0.40 + 0.45 * light, 0.10 + 0.3 * light));
        p.drawRect(ring, ring, 229 - 2 * ring, 184 - 2 * ring);
    }
    drawGroupComposition(p, QRectF(24, 24, 182, 137), Qt::white, QColor(40, 80, 255), true);
    return image;
}

QImage splashLogo()
{
    QImage image = canvas(180, 135, Qt::white);
    QPainter p(&image);
    drawGroupComposition(p, QRectF(2, 2, 176, 131), Qt::white, QColor(30, 60, 230), false);
    return image;
}

QImage osBadge()
{
    QImage image = canvas(199, 54, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The four-pane flag, waving.
    const QColor panes[] = {QColor(240, 60, 30), QColor(60, 180, 40), QColor(30, 110, 230),
                            QColor(250, 200, 20)};
    for (int i = 0; i < 4; ++i) {
        const double x = 6 + (i % 2) * 19;
        const double y = 6 + (i / 2) * 19 + (i % 2) * 3;
        QPainterPath pane;
        pane.moveTo(x, y);
        pane.cubicTo(x + 6, y - 3, x + 12, y + 3, x + 17, y);
        pane.lineTo(x + 17, y + 17);
        pane.cubicTo(x + 12, y + 20, x + 6, y + 14, x, y + 17);
        pane.closeSubpath();
        p.fillPath(pane, panes[i]);
    }
    p.setPen(Qt::black);
    p.setFont(boldFace(19));
    p.drawText(QRectF(50, 2, 100, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Windows"));
    p.setPen(QColor(30, 150, 40));
    p.drawText(QRectF(140, 2, 56, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Me"));
    p.setPen(Qt::black);
    p.setFont(boldFace(17));
    p.drawText(QRectF(50, 28, 146, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Compatible"));
    return image;
}

QImage aboutPhoto()
{
    QImage image = canvas(385, 289, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient backdrop(0, 144, 0, 289);
    backdrop.setColorAt(0, QColor(20, 16, 24));
    backdrop.setColorAt(1, QColor(70, 50, 60));
    p.fillRect(QRectF(0, 144, 385, 145), backdrop);
    const QColor skin[] = {QColor(236, 196, 164), QColor(200, 150, 110), QColor(240, 210, 180),
                           QColor(170, 120, 90)};
    const QColor shirt[] = {QColor(120, 20, 30), QColor(30, 40, 90), QColor(200, 200, 210),
                            QColor(40, 90, 50)};
    const QColor hair[] = {QColor(60, 40, 20), QColor(230, 190, 90), QColor(20, 15, 10),
                           QColor(140, 60, 20)};
    for (int i = 0; i < 4; ++i) {
        const double cx = 52 + i * 94;
        QRadialGradient body(QPointF(cx - 10, 250), 70);
        body.setColorAt(0, shirt[i].lighter(130));
        body.setColorAt(1, shirt[i].darker(150));
        p.setPen(Qt::NoPen);
        p.setBrush(body);
        p.drawRoundedRect(QRectF(cx - 46, 232, 92, 80), 30, 30);
        QRadialGradient face(QPointF(cx - 6, 196), 34);
        face.setColorAt(0, skin[i].lighter(110));
        face.setColorAt(1, skin[i].darker(130));
        p.setBrush(face);
        p.drawRect(QRectF(cx - 9, 218, 18, 18));
        p.drawEllipse(QPointF(cx, 200), 25, 31);
        p.setBrush(hair[i]);
        p.drawChord(QRectF(cx - 27, 165, 54, 44), 0, 180 * 16);
        p.setBrush(QColor(30, 25, 25));
        p.drawEllipse(QPointF(cx - 9, 198), 2.5, 2);
        p.drawEllipse(QPointF(cx + 9, 198), 2.5, 2);
    }
    // The grain of a photograph.
    Random random(7);
    for (int y = 144; y < 289; ++y)
        for (int x = 0; x < 385; ++x) {
            const QColor c = image.pixelColor(x, y);
            const int n = int(random.between(-9, 9));
            image.setPixelColor(x, y, QColor(qBound(0, c.red() + n, 255), qBound(0, c.green() + n, 255),
                                             qBound(0, c.blue() + n, 255)));
        }
    return image;
}

QImage programIcon()
{
    QImage image = canvas(64, 64, Qt::black);
    QPainter p(&image);
    drawGroupComposition(p, QRectF(1, 4, 62, 56), Qt::white, Qt::white, false);
    return image;
}

QImage helpIcon()
{
    QImage image = canvas(64, 64, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gloss(QPointF(24, 22), 40);
    gloss.setColorAt(0, QColor(255, 255, 220));
    gloss.setColorAt(0.25, QColor(255, 230, 40));
    gloss.setColorAt(1, QColor(190, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawEllipse(QPointF(32, 32), 29, 29);
    p.setPen(Qt::black);
    p.setFont(boldFace(40));
    p.drawText(QRectF(0, 2, 64, 60), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

QImage flag(int size)
{
    QImage image = canvas(size, size, Qt::transparent);
    QPainter p(&image);
    const int top = size / 8;
    const int band = (size - 2 * top) / 3;
    p.fillRect(0, top, size, band, QColor(255, 0, 0));
    p.fillRect(0, top + band, size, band, Qt::white);
    p.fillRect(0, top + 2 * band, size, size - 2 * top - 2 * band, QColor(0, 0, 255));
    return image;
}

QImage aboutIcon()
{
    QImage image = canvas(32, 32, Qt::transparent);
    QPainter p(&image);
    // The chequered diamond base.
    for (int y = 22; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int dx = qAbs(x - 16), dy = qAbs(y - 27);
            if (dx * 5 + dy * 16 <= 80)
                image.setPixelColor(x, y, ((x / 3 + y / 3) % 2) ? QColor(0, 0, 255) : QColor(0, 0, 128));
        }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(12, 18, 8, 5);
    p.setBrush(QColor(255, 255, 0));
    p.setPen(QColor(128, 128, 0));
    p.drawEllipse(QRect(6, 1, 20, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(15, 5, 3, 8);
    p.drawRect(15, 15, 3, 2);
    return image;
}

QImage blankPointer()
{
    QImage image = canvas(32, 32, Qt::transparent);
    image.setPixelColor(31, 31, Qt::black);
    return image;
}

// JPEG at the quality whose file comes nearest the wanted size.
QByteArray jpegNear(const QImage& image, int wantedBytes)
{
    QByteArray best;
    for (int quality = 5; quality <= 95; ++quality) {
        const QByteArray bytes = encodeJpeg(image, quality);
        if (best.isEmpty() || qAbs(bytes.size() - wantedBytes) < qAbs(best.size() - wantedBytes))
            best = bytes;
    }
    return best;
}

} // namespace

QList<Asset> drawArtwork()
{
    return {
        {QStringLiteral("artBackground"), QStringLiteral("artBackground.bmp"), encodeBmp24(background())},
        {QStringLiteral("artProgressStrip"), QStringLiteral("artProgressStrip.bmp"), encodeBmp24(progressStrip())},
        {QStringLiteral("artFramedLogo"), QStringLiteral("artFramedLogo.bmp"), encodeBmp24(framedLogo())},
        {QStringLiteral("artSplashLogo"), QStringLiteral("artSplashLogo.bmp"), encodeBmp24(splashLogo())},
        {QStringLiteral("artOsBadge"), QStringLiteral("artOsBadge.bmp"), encodeBmp24(osBadge())},
        {QStringLiteral("artAboutPhoto"), QStringLiteral("artAboutPhoto.jpg"), jpegNear(aboutPhoto(), 16277)},
        {QStringLiteral("icoProgram"), QStringLiteral("icoProgram.ico"), encodeIco({{programIcon(), 8}})},
        {QStringLiteral("icoHelp"), QStringLiteral("icoHelp.ico"), encodeIco({{helpIcon(), 8}})},
        {QStringLiteral("icoFlag"), QStringLiteral("icoFlag.ico"), encodeIco({{flag(32), 4}, {flag(16), 4}})},
        {QStringLiteral("icoAbout"), QStringLiteral("icoAbout.ico"), encodeIco({{aboutIcon(), 4}})},
        {QStringLiteral("curBlank"), QStringLiteral("curBlank.ico"), encodeIco({{blankPointer(), 4}})},
    };
}

} // namespace artgen
