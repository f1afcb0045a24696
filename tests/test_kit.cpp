#include "ClassicWindow.h"
#include "GraphicButton.h"
#include "LineControl.h"
#include "PictureBox.h"
#include "Units.h"
#include "WindowRegistry.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

// A picture whose every pixel tells its own coordinates, so that a grab
// shows exactly which part of it is on the screen.
QImage coordinatePicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
    return image;
}

QImage grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

} // namespace

class TestKit final : public QObject {
    Q_OBJECT
private slots:
    void twipsToPixels();
    void registryKeepsOneInstanceAndForgetsClosedOnes();
    void windowBackgroundIsTopLeftAndClipped();
    void whiteLineIsWhiteWhateverItsColour();
    void pictureBoxSizesToItsPictureInsideItsBorder();
    void graphicButtonShowsThePictureCentre();
};

void TestKit::twipsToPixels()
{
    QCOMPARE(kit::twipsRect(120, 4200, 3735, 285), QRect(8, 280, 249, 19));
    QCOMPARE(kit::twipsPoint(-240, 6240), QPoint(-16, 416));
}

void TestKit::registryKeepsOneInstanceAndForgetsClosedOnes()
{
    int created = 0;
    auto make = [&] {
        ++created;
        return new kit::ClassicWindow(QStringLiteral("frmHelp"), {265, 276}, kit::TitleButton::Close);
    };
    auto& registry = kit::WindowRegistry::instance();
    QWidget* first = registry.open(QStringLiteral("frmHelp"), make);
    QWidget* again = registry.open(QStringLiteral("frmHelp"), make);
    QCOMPARE(again, first);
    QCOMPARE(created, 1);
    QVERIFY(first->isVisible());

    QPointer<QWidget> closed = first;
    first->close();
    QTRY_VERIFY2(closed.isNull(), "a closed window is unloaded");
    QCOMPARE(registry.find(QStringLiteral("frmHelp")), nullptr);
    QWidget* fresh = registry.open(QStringLiteral("frmHelp"), make);
    QCOMPARE(created, 2);
    fresh->close();
}

void TestKit::windowBackgroundIsTopLeftAndClipped()
{
    const QImage picture = coordinatePicture({520, 520});
    kit::ClassicWindow window(QStringLiteral("Form1"), {505, 442}, kit::TitleButton::Minimize);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.setBackgroundPicture(QPixmap::fromImage(picture));
    const QImage shown = grab(window);
    QCOMPARE(shown.size(), QSize(505, 442));
    QCOMPARE(shown, picture.copy(0, 0, 505, 442));
}

void TestKit::whiteLineIsWhiteWhateverItsColour()
{
    kit::ClassicWindow window(QStringLiteral("Form1"), {100, 40}, kit::TitleButton::Minimize);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.setBackgroundColor(QColor(10, 20, 30));
    new kit::LineControl(window.client(), QStringLiteral("Line1"), QLine(-16, 20, 99, 20), Qt::black,
                         kit::DrawMode::White);
    const QImage shown = grab(window);
    for (int x : {0, 50, 99})
        QCOMPARE(shown.pixelColor(x, 20), QColor(Qt::white));
    QCOMPARE(shown.pixelColor(50, 19), QColor(10, 20, 30));
    QCOMPARE(shown.pixelColor(50, 21), QColor(10, 20, 30));
}

void TestKit::pictureBoxSizesToItsPictureInsideItsBorder()
{
    QWidget host;
    kit::PictureBox box(&host, QStringLiteral("Picture1"), kit::twipsRect(1920, 360, 7860, 7860));
    box.setBackColor(QColor(0, 0, 128));
    box.setAutoSize(true);
    const QImage picture = coordinatePicture({300, 200});
    box.setPicture(picture);
    QCOMPARE(box.geometry(), QRect(128, 24, 304, 204));
    const QImage shown = grab(box);
    QCOMPARE(shown.copy(2, 2, 300, 200), picture);

    kit::PictureBox fixed(&host, QStringLiteral("Picture7"), kit::twipsRect(2400, 3240, 2055, 255));
    fixed.setPicture(coordinatePicture({139, 26}));
    QCOMPARE(fixed.image().size(), QSize(133, 13));
    QCOMPARE(fixed.image(), coordinatePicture({139, 26}).copy(0, 0, 133, 13));
}

void TestKit::graphicButtonShowsThePictureCentre()
{
    const QImage picture = coordinatePicture({520, 520});
    QWidget host;
    kit::GraphicButton button(&host, QStringLiteral("Command1"), QRect(0, 0, 169, 25),
                              QStringLiteral("Close Window"), QPixmap::fromImage(picture));
    const QImage shown = grab(button);
    // Away from the caption and the bevel, the face shows the texture's centre.
    const QPoint probe(6, 12);
    const QPoint inPicture = probe - QPoint((169 - 520) / 2, (25 - 520) / 2);
    QCOMPARE(shown.pixelColor(probe), picture.pixelColor(inPicture));
}

QTEST_MAIN(TestKit)
#include "test_kit.moc"
