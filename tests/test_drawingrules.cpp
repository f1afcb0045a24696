#include "Artwork.h"
#include "ClassicWindow.h"
#include "GraphicButton.h"
#include "ImageControl.h"
#include "PictureBox.h"
#include "Units.h"

#include <QApplication>
#include <QTest>

namespace {

QImage grab(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }
QImage asset(const char* name) { return resources::assetImage(name).convertToFormat(QImage::Format_RGB32); }

} // namespace

// Each drawing rule of the artwork, shown by one control with its real asset.
class TestDrawingRules final : public QObject {
    Q_OBJECT
private slots:
    void windowBackgroundShowsTheTopLeftOfThePicture_data();
    void windowBackgroundShowsTheTopLeftOfThePicture();
    void pictureBoxShowsTheTopLeftInsideItsBorder();
    void imageControlHasThePicturesSize();
    void graphicalButtonShowsTheTexturesCentre();
    void windowIconOffersBothFlagSizes();
    void blankPointerIsAlmostInvisible();
};

void TestDrawingRules::windowBackgroundShowsTheTopLeftOfThePicture_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("clientArea");
    QTest::newRow("main window") << "Form1" << "artBackground" << QSize(505, 442);
    QTest::newRow("help window") << "frmHelp" << "artBackground" << QSize(265, 276);
    QTest::newRow("logo installer") << "frmStartup" << "artBackground" << QSize(497, 467);
    QTest::newRow("About box, photo cut by 2 pixels") << "frmAbout" << "artAboutPhoto" << QSize(383, 287);
}

void TestDrawingRules::windowBackgroundShowsTheTopLeftOfThePicture()
{
    QFETCH(QString, window);
    QFETCH(QString, picture);
    QFETCH(QSize, clientArea);
    kit::ClassicWindow shown(window, clientArea, kit::TitleButton::Close);
    shown.setAttribute(Qt::WA_DeleteOnClose, false);
    shown.setBackgroundPicture(resources::assetPixmap(picture));
    QCOMPARE(grab(shown), asset(qPrintable(picture)).copy(QRect(QPoint(), clientArea)));
}

void TestDrawingRules::pictureBoxShowsTheTopLeftInsideItsBorder()
{
    QWidget form;
    kit::PictureBox bar(&form, "Picture7", kit::twipsRect(2400, 3240, 2055, 255));
    bar.setPicture(asset("artProgressStrip"));
    QCOMPARE(grab(bar).copy(2, 2, 133, 13), asset("artProgressStrip").copy(0, 0, 133, 13));

    kit::PictureBox logo(&form, "Picture8", kit::twipsRect(120, 0, 3495, 2775));
    logo.setPicture(asset("artFramedLogo"));
    QCOMPARE(grab(logo).copy(2, 2, 229, 181), asset("artFramedLogo").copy(0, 0, 229, 181));

    kit::PictureBox viewer(&form, "Picture1", kit::twipsRect(1920, 360, 7860, 7860));
    viewer.setAutoSize(true);
    viewer.setPicture(asset("artBackground"));
    QCOMPARE(viewer.size(), QSize(524, 524));
    QCOMPARE(grab(viewer).copy(2, 2, 520, 520), asset("artBackground"));
}

void TestDrawingRules::imageControlHasThePicturesSize()
{
    QWidget splash;
    kit::ImageControl image(&splash, "Image1", {16, 80}, resources::assetPixmap("artSplashLogo"));
    QCOMPARE(image.geometry(), QRect(16, 80, 180, 135));
    QCOMPARE(grab(image), asset("artSplashLogo"));
}

void TestDrawingRules::graphicalButtonShowsTheTexturesCentre()
{
    const QImage texture = asset("artBackground");
    for (const QSize size : {QSize(169, 25), QSize(65, 21), QSize(129, 21)}) {
        QWidget window;
        kit::GraphicButton button(&window, "Command1", QRect(QPoint(), size), "GO!",
                                  resources::assetPixmap("artBackground"));
        const QImage shown = grab(button);
        const QPoint offset((size.width() - 520) / 2, (size.height() - 520) / 2);
        // Inside the bevel and left of the caption, the face is the texture.
        for (const QPoint probe : {QPoint(4, 4), QPoint(4, size.height() - 5)})
            QCOMPARE(shown.pixelColor(probe), texture.pixelColor(probe - offset));
    }
}

void TestDrawingRules::windowIconOffersBothFlagSizes()
{
    kit::ClassicWindow gallery("frmAnzel", {634, 455}, kit::TitleButton::Close);
    gallery.setAttribute(Qt::WA_DeleteOnClose, false);
    gallery.setWindowIcon(resources::assetIcon("icoFlag"));
    const QList<QSize> sizes = gallery.windowIcon().availableSizes();
    QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)), "both images of the flag");
}

void TestDrawingRules::blankPointerIsAlmostInvisible()
{
    const QCursor pointer = resources::assetCursor("curBlank");
    const QImage image = pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(qAlpha(image.pixel(31, 31)), 255);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(pointer.hotSpot(), QPoint(0, 0));
}

QTEST_MAIN(TestDrawingRules)
#include "test_drawingrules.moc"
