#include "Artwork.h"
#include "GalleryFixture.h"
#include "GalleryWindow.h"
#include "PictureBox.h"
#include "ScriptedMessageBox.h"
#include "ServiceSwap.h"
#include "ShellTestMain.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>

#include <pwd.h>
#include <unistd.h>

using gallery::GallerySet;
using gallery::GalleryWindow;

namespace {

// cups-pdf writes each job as a PDF into ~/PDF of the job's owner, whose
// home it takes from the password database rather than from $HOME.
QString pdfFolder()
{
    const passwd* owner = getpwuid(getuid());
    return QString::fromLocal8Bit(owner ? owner->pw_dir : qgetenv("HOME").constData()) + "/PDF";
}

QStringList pdfs() { return QDir(pdfFolder()).entryList({"*.pdf"}, QDir::Files, QDir::Name); }

// Waits for a PDF that was not there before, complete enough to render.
QString newPdf(const QStringList& before)
{
    QString found;
    const bool arrived = QTest::qWaitFor([&] {
        for (const QString& name : pdfs())
            if (!before.contains(name)) {
                QFile file(pdfFolder() + "/" + name);
                if (file.open(QIODevice::ReadOnly) && file.readAll().contains("%%EOF")) {
                    found = file.fileName();
                    return true;
                }
            }
        return false;
    }, 60000);
    return arrived ? found : QString();
}

QImage renderAt96Dpi(const QString& pdf)
{
    QTemporaryDir dir;
    QProcess render;
    render.start("pdftoppm", {"-r", "96", "-png", "-singlefile", "-f", "1", "-l", "1", pdf, dir.filePath("page")});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return {};
    return QImage(dir.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
}

// The box around everything on the page that is not white paper.
QRect inkBounds(const QImage& page)
{
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QRgb p = page.pixel(x, y);
            if (qRed(p) < 240 || qGreen(p) < 240 || qBlue(p) < 240)
                bounds |= QRect(x, y, 1, 1);
        }
    return bounds;
}

QPoint printableOriginAt96Dpi()
{
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Inch);
    return QPoint(qRound(paint.left() * 96), qRound(paint.top() * 96));
}

} // namespace

class TestPrinting final : public QObject {
    Q_OBJECT
private slots:
    void printsThePictureShownAtItsOwnSize_data();
    void printsThePictureShownAtItsOwnSize();
    // Run alone, with no print service reachable (see CMakeLists).
    void missingDefaultPrinterIsReported();
};

void TestPrinting::printsThePictureShownAtItsOwnSize_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("button"); // 0: none pressed yet
    QTest::addColumn<QSize>("size");
    QTest::newRow("the texture before any button") << "frmAnzel" << 0 << QSize(520, 520);
    QTest::newRow("a picture larger than the window shows") << "frmGroup" << 5 << QSize(640, 600);
    QTest::newRow("a small picture") << "frmIdrav" << 15 << QSize(320, 300);
}

void TestPrinting::printsThePictureShownAtItsOwnSize()
{
    QFETCH(QString, window);
    QFETCH(int, button);
    QFETCH(QSize, size);
    QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "the test command makes a cups-pdf queue the default printer");
    InstallationFolder installation;
    ServiceSwap<ScriptedMessageBox> boxes(std::make_unique<ScriptedMessageBox>());

    GalleryWindow gallery(*GallerySet::byWindow(window));
    gallery.setAttribute(Qt::WA_DeleteOnClose, false);
    if (button)
        QTest::mouseClick(gallery.findChild<QPushButton*>(QStringLiteral("Command%1").arg(button)), Qt::LeftButton);
    QCOMPARE(gallery.viewer()->picture().size(), size);

    const QStringList before = pdfs();
    QTest::mouseClick(gallery.findChild<QPushButton*>(gallery.entry().printButton), Qt::LeftButton);
    QVERIFY(boxes->asked().isEmpty());
    const QString pdf = newPdf(before);
    QVERIFY2(!pdf.isEmpty(), "the job reaches the printer");
    const QImage page = renderAt96Dpi(pdf);
    QFile::remove(pdf);
    QVERIFY(!page.isNull());
    const QRect ink = inkBounds(page);
    const QPoint origin = printableOriginAt96Dpi();
    QVERIFY2((ink.topLeft() - origin).manhattanLength() <= 2,
             qPrintable(QStringLiteral("picture at %1,%2, printable area at %3,%4")
                            .arg(ink.left()).arg(ink.top()).arg(origin.x()).arg(origin.y())));
    QVERIFY2(qAbs(ink.width() - size.width()) <= 1 && qAbs(ink.height() - size.height()) <= 1,
             qPrintable(QStringLiteral("printed %1 x %2").arg(ink.width()).arg(ink.height())));
    // And it is the picture: its centre has the picture's colour.
    const QColor printed = page.pixelColor(ink.center());
    const QColor shown = gallery.viewer()->picture().pixelColor(ink.center() - ink.topLeft());
    QVERIFY2(qAbs(printed.red() - shown.red()) < 40 && qAbs(printed.green() - shown.green()) < 40 &&
                 qAbs(printed.blue() - shown.blue()) < 40,
             qPrintable(printed.name() + " vs " + shown.name()));
}

void TestPrinting::missingDefaultPrinterIsReported()
{
    QVERIFY2(QPrinterInfo::defaultPrinter().isNull(), "this case runs with no print service");
    ServiceSwap<ScriptedMessageBox> boxes(std::make_unique<ScriptedMessageBox>(QList<platform::Answer>{platform::Answer::Ok}));
    GalleryWindow gallery(*GallerySet::byWindow("frmTavi"));
    gallery.setAttribute(Qt::WA_DeleteOnClose, false);
    const QImage before = gallery.viewer()->image();
    QTest::mouseClick(gallery.findChild<QPushButton*>("Print2"), Qt::LeftButton);
    QCOMPARE(boxes->asked().size(), 1);
    QVERIFY2(boxes->asked().first().text.contains("Printer error"), qPrintable(boxes->asked().first().text));
    QCOMPARE(gallery.viewer()->image(), before);
}

TRELVANE_SHELL_TEST_MAIN(TestPrinting)
#include "test_printing.moc"
