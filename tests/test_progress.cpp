#include "Artwork.h"
#include "Form1.h"
#include "PictureBox.h"
#include "ShellTestMain.h"
#include "Units.h"

#include <functional>

// A Windows raster operation on one colour channel: pen, destination.
using ChannelOp = std::function<int(int, int)>;
Q_DECLARE_METATYPE(ChannelOp)

namespace {

const QColor blue(0, 0, 255);

QImage stripInside()
{
    return resources::assetImage("artProgressStrip").convertToFormat(QImage::Format_RGB32).copy(0, 0, 133, 13);
}

// The strip under a blue NOT-XOR bar: red and green inverted, blue kept.
QColor underBar(QColor strip) { return QColor(255 - strip.red(), 255 - strip.green(), strip.blue()); }

// A bar box as the main window has it: 137 x 17 with the golden strip, the
// window's font, blue drawing colour.
struct BarBox {
    QWidget form;
    kit::PictureBox box{&form, "Picture7", kit::twipsRect(2400, 3240, 2055, 255)};
    BarBox()
    {
        box.setFont(kit::defaultFont());
        box.setPicture(resources::assetImage("artProgressStrip"));
        box.setForeColor(blue);
    }
};

// Where the painted image differs from the strip with a bar up to `barEnd`:
// those are the label's pixels.
struct LabelPixels {
    QList<QPoint> leftOfBarEnd, rightOfBarEnd;
    QList<QColor> colourLeft, colourRight;
    QRect bounds;
};

LabelPixels labelPixels(const QImage& painted, int barEnd)
{
    const QImage strip = stripInside();
    LabelPixels found;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x) {
            const QColor background = x < barEnd ? underBar(strip.pixelColor(x, y)) : strip.pixelColor(x, y);
            const QColor seen = painted.pixelColor(x, y);
            if (seen == background)
                continue;
            found.bounds |= QRect(x, y, 1, 1);
            (x < barEnd ? found.leftOfBarEnd : found.rightOfBarEnd) << QPoint(x, y);
            (x < barEnd ? found.colourLeft : found.colourRight) << seen;
        }
    return found;
}

// The first column whose top row (above any label) still shows the plain strip.
int barEndOf(const QImage& painted)
{
    const QImage strip = stripInside();
    for (int x = 0; x < painted.width(); ++x)
        if (painted.pixelColor(x, 0) == strip.pixelColor(x, 0))
            return x;
    return painted.width();
}

} // namespace

class TestProgress final : public QObject {
    Q_OBJECT
private slots:
    void zeroShowsThePercentSignAloneAndNoBar();
    void hundredInvertsTheWholeBoxAndTheLabel();
    void fiftySplitsTheLabelAtTheMiddle();
    void eachCallStartsFromTheStrip();
    void leavesItsSettingsBehind();
    void longerLabelsStartFurtherLeft();
    void screenShowsThePersistentImage();
    void drawModes_data();
    void drawModes();
};

void TestProgress::zeroShowsThePercentSignAloneAndNoBar()
{
    BarBox bar;
    app::Form1 form;
    form.updateprogress(bar.box, 0);
    QCOMPARE(barEndOf(bar.box.image()), 0);
    const LabelPixels label = labelPixels(bar.box.image(), 0);
    QVERIFY(label.leftOfBarEnd.isEmpty());
    QVERIFY2(label.rightOfBarEnd.size() > 8, "the \"%\" is drawn");
    for (const QColor& c : label.colourRight)
        QCOMPARE(c, blue);
    // "%" alone, centred both ways.
    QVERIFY2(qAbs(label.bounds.center().x() - 66) <= 2, qPrintable(QString::number(label.bounds.center().x())));
    QVERIFY2(qAbs(label.bounds.center().y() - 6) <= 2, qPrintable(QString::number(label.bounds.center().y())));
    QVERIFY2(label.bounds.width() < 12, "only the percent sign, no digits");
}

void TestProgress::hundredInvertsTheWholeBoxAndTheLabel()
{
    BarBox bar;
    app::Form1 form;
    form.updateprogress(bar.box, 100);
    QCOMPARE(barEndOf(bar.box.image()), 133);
    const LabelPixels label = labelPixels(bar.box.image(), 133);
    QVERIFY(label.rightOfBarEnd.isEmpty());
    QVERIFY2(label.leftOfBarEnd.size() > 20, "\"100%\" is drawn");
    for (const QColor& c : label.colourLeft)
        QCOMPARE(c, QColor(Qt::white));
}

void TestProgress::fiftySplitsTheLabelAtTheMiddle()
{
    BarBox bar;
    app::Form1 form;
    form.updateprogress(bar.box, 50);
    const int end = barEndOf(bar.box.image());
    QVERIFY2(end == 66 || end == 67, qPrintable(QString::number(end)));
    for (int y = 0; y < 13; y += 12) // rows without label pixels: the bar is a clean edge
        for (int x = 0; x < 133; ++x) {
            const QColor strip = stripInside().pixelColor(x, y);
            QCOMPARE(bar.box.image().pixelColor(x, y), x < end ? underBar(strip) : strip);
        }
    const LabelPixels label = labelPixels(bar.box.image(), end);
    QVERIFY2(!label.leftOfBarEnd.isEmpty() && !label.rightOfBarEnd.isEmpty(), "the label straddles the edge");
    for (const QColor& c : label.colourLeft)
        QCOMPARE(c, QColor(Qt::white));
    for (const QColor& c : label.colourRight)
        QCOMPARE(c, blue);
}

void TestProgress::eachCallStartsFromTheStrip()
{
    BarBox fresh, stepped;
    app::Form1 form;
    form.updateprogress(fresh.box, 20);
    for (int value : {100, 60, 100, 20})
        form.updateprogress(stepped.box, value);
    QCOMPARE(stepped.box.image(), fresh.box.image());
    QCOMPARE(barEndOf(stepped.box.image()), barEndOf(fresh.box.image()));

    for (int value = 0; value <= 100; value += 2)
        form.updateprogress(stepped.box, value);
    stepped.box.Cls();
    QCOMPARE(stepped.box.image(), stripInside());
}

void TestProgress::leavesItsSettingsBehind()
{
    BarBox bar;
    app::Form1 form;
    QVERIFY(!bar.box.AutoRedraw());
    form.updateprogress(bar.box, 40);
    QVERIFY(bar.box.AutoRedraw());
    QCOMPARE(bar.box.ScaleWidth(), 100.0);
    QCOMPARE(bar.box.DrawMode(), 10);
    form.updateprogress(bar.box, 42);
    QVERIFY(bar.box.AutoRedraw());
    bar.box.Cls();
    QCOMPARE(bar.box.image(), stripInside());
    QCOMPARE(bar.box.CurrentX(), 0.0);
    QCOMPARE(bar.box.CurrentY(), 0.0);
}

void TestProgress::longerLabelsStartFurtherLeft()
{
    BarBox two, hundred;
    app::Form1 form;
    form.updateprogress(two.box, 2);
    form.updateprogress(hundred.box, 100);
    const QRect twoLabel = labelPixels(two.box.image(), barEndOf(two.box.image())).bounds;
    const QRect hundredLabel = labelPixels(hundred.box.image(), 133).bounds;
    QVERIFY2(hundredLabel.left() < twoLabel.left(),
             qPrintable(QStringLiteral("%1 vs %2").arg(hundredLabel.left()).arg(twoLabel.left())));
    QVERIFY(qAbs(hundredLabel.center().x() - twoLabel.center().x()) <= 2);
}

void TestProgress::screenShowsThePersistentImage()
{
    BarBox bar;
    bar.form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar.form));
    app::Form1 form;
    for (int value : {0, 38, 100}) {
        form.updateprogress(bar.box, value);
        QCOMPARE(bar.box.grab().toImage().convertToFormat(QImage::Format_RGB32).copy(2, 2, 133, 13),
                 bar.box.image());
    }
}

void TestProgress::drawModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<ChannelOp>("windows");

    auto row = [](const char* name, int mode, ChannelOp f) { QTest::newRow(name) << mode << f; };
    row("R2_BLACK", 1, [](int, int) { return 0; });
    row("R2_NOTMERGEPEN", 2, [](int p, int d) { return ~(p | d); });
    row("R2_MASKNOTPEN", 3, [](int p, int d) { return ~p & d; });
    row("R2_NOTCOPYPEN", 4, [](int p, int) { return ~p; });
    row("R2_MASKPENNOT", 5, [](int p, int d) { return p & ~d; });
    row("R2_NOT", 6, [](int, int d) { return ~d; });
    row("R2_XORPEN", 7, [](int p, int d) { return p ^ d; });
    row("R2_NOTMASKPEN", 8, [](int p, int d) { return ~(p & d); });
    row("R2_MASKPEN", 9, [](int p, int d) { return p & d; });
    row("R2_NOTXORPEN", 10, [](int p, int d) { return ~(p ^ d); });
    row("R2_NOP", 11, [](int, int d) { return d; });
    row("R2_MERGENOTPEN", 12, [](int p, int d) { return ~p | d; });
    row("R2_COPYPEN", 13, [](int p, int) { return p; });
    row("R2_MERGEPENNOT", 14, [](int p, int d) { return p | ~d; });
    row("R2_MERGEPEN", 15, [](int p, int d) { return p | d; });
    row("R2_WHITE", 16, [](int, int) { return 255; });
}

void TestProgress::drawModes()
{
    QFETCH(int, mode);
    QFETCH(ChannelOp, windows);
    const QColor pen(0x35, 0xC9, 0x0F), destination(0xA6, 0x5C, 0xF0);

    QWidget form;
    kit::PictureBox box(&form, "Picture1", QRect(0, 0, 24, 14));
    box.setBackColor(destination);
    box.setForeColor(pen);
    box.setDrawMode(mode);
    box.LineBoxFilled(0, 0, box.ScaleWidth(), box.ScaleHeight());
    const QColor expected(windows(pen.red(), destination.red()) & 0xFF,
                          windows(pen.green(), destination.green()) & 0xFF,
                          windows(pen.blue(), destination.blue()) & 0xFF);
    for (const QPoint at : {QPoint(0, 0), QPoint(10, 5), QPoint(19, 9)})
        QCOMPARE(box.image().pixelColor(at), expected);
}

TRELVANE_SHELL_TEST_MAIN(TestProgress)
#include "test_progress.moc"
