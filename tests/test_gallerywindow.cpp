#include "Form1.h"
#include "GalleryFixture.h"
#include "GalleryWindow.h"
#include "PictureBox.h"
#include "ScriptedMessageBox.h"
#include "ScriptedServices.h"
#include "ServiceSwap.h"
#include "ShellTestMain.h"
#include "Artwork.h"
#include "WindowRegistry.h"

#include <QAction>
#include <QPushButton>

using gallery::GallerySet;
using gallery::GalleryWindow;

namespace {

QImage asShown(const QImage& picture) { return picture.convertToFormat(QImage::Format_RGB32); }

QImage fileOf(const gallery::GalleryEntry& entry, int k)
{
    QString path = gallery::PicturePath(entry, k);
    path.replace('\\', '/');
    return asShown(QImage(path));
}

} // namespace

class TestGalleryWindow final : public QObject {
    Q_OBJECT
private slots:
    void sixWindows_data();
    void sixWindows();
    void everyClickReadsTheFileAgainAndPrintSendsThePictureShown();
    void missingPictureIsReportedAndTheBoxKept();
    void namesMatchWhateverTheirCaseOnDisk();
    void aLargePictureIsCutAtTheWindowsEdges();
    void viewMenuOpensOneFreshWindow();
};

void TestGalleryWindow::sixWindows_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("printButton");
    QTest::addColumn<QSize>("hintSize");
    QTest::newRow("frmAnzel") << "frmAnzel" << "Anzel Corrow's Gallery" << "Print" << QSize(113, 105);
    QTest::newRow("frmTavi") << "frmTavi" << "Tavi Brenmoor's Gallery" << "Print2" << QSize(113, 121);
    QTest::newRow("frmIdrav") << "frmIdrav" << "Idrenne Varnel's Gallery" << "Print4" << QSize(113, 121);
    QTest::newRow("frmIdrar") << "frmIdrar" << "Idrenne Ruskell's Gallery" << "Print5" << QSize(121, 105);
    QTest::newRow("frmLioriel") << "frmLioriel" << "Loriel Dunmere's Gallery" << "Print6" << QSize(121, 105);
    QTest::newRow("frmGroup") << "frmGroup" << "Group Gallery" << "Print3" << QSize(113, 121);
}

void TestGalleryWindow::sixWindows()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, printButton);
    QFETCH(QSize, hintSize);
    InstallationFolder installation;

    GalleryWindow gallery(*GallerySet::byWindow(window));
    gallery.setAttribute(Qt::WA_DeleteOnClose, false);
    QCOMPARE(gallery.objectName(), window);
    QCOMPARE(gallery.windowTitle(), caption);
    QCOMPARE(gallery.client()->size(), QSize(634, 455));
    auto* print = gallery.findChild<QPushButton*>(printButton);
    QVERIFY2(print, qPrintable(printButton));
    QCOMPARE(print->text(), "Print");
    QCOMPARE(print->geometry(), QRect(16, 352, 73, 25));
    QCOMPARE(gallery.findChild<QWidget*>("Label2")->geometry(), QRect(QPoint(8, 416), hintSize));
    QCOMPARE(gallery.findChild<QWidget*>("Frame1")->geometry(), QRect(8, 16, 105, 393));

    // Before any button: the texture, in a 524 x 524 box.
    QCOMPARE(gallery.viewer()->geometry(), QRect(128, 24, 524, 524));
    QCOMPARE(gallery.viewer()->image(), asShown(resources::assetImage("artBackground")));

    for (int k : {1, 10, 16, 16}) {
        auto* button = gallery.findChild<QPushButton*>(QStringLiteral("Command%1").arg(k));
        QCOMPARE(button->text(), QString::number(k));
        QCOMPARE(button->pos(), QPoint(k % 2 ? 16 : 56, 32 + 40 * ((k - 1) / 2)));
        QTest::mouseClick(button, Qt::LeftButton);
        const QImage expected = fileOf(gallery.entry(), k);
        QVERIFY(!expected.isNull());
        QCOMPARE(gallery.viewer()->size(), expected.size() + QSize(4, 4));
        QCOMPARE(gallery.viewer()->pos(), QPoint(128, 24));
        QCOMPARE(gallery.viewer()->image(), expected);
    }
}

void TestGalleryWindow::everyClickReadsTheFileAgainAndPrintSendsThePictureShown()
{
    InstallationFolder installation;
    ServiceSwap<RecordingPictureLoader> loader(std::make_unique<RecordingPictureLoader>());
    ServiceSwap<RecordingPrinter> printer(std::make_unique<RecordingPrinter>());
    GalleryWindow gallery(*GallerySet::byWindow("frmLioriel"));
    gallery.setAttribute(Qt::WA_DeleteOnClose, false);
    auto* print = gallery.findChild<QPushButton*>("Print6");

    QTest::mouseClick(print, Qt::LeftButton);
    for (int k : {10, 10, 1})
        QTest::mouseClick(gallery.findChild<QPushButton*>(QStringLiteral("Command%1").arg(k)), Qt::LeftButton);
    QTest::mouseClick(print, Qt::LeftButton);

    QCOMPARE(loader->paths(), (QStringList{"Pictures\\Lioriel\\Lioriel10.vyp", "Pictures\\Lioriel\\Lioriel10.vyp",
                                           "Pictures\\Lioriel\\Lioriel.vyp"}));
    QCOMPARE(printer->printed().size(), 2);
    QCOMPARE(asShown(printer->printed()[0].first), asShown(resources::assetImage("artBackground")));
    QCOMPARE(asShown(printer->printed()[1].first), fileOf(gallery.entry(), 1));
}

void TestGalleryWindow::missingPictureIsReportedAndTheBoxKept()
{
    InstallationFolder installation;
    QVERIFY(QFile::remove(installation.path("Pictures/Tavi/Tavi7.vyp")));
    ServiceSwap<ScriptedMessageBox> boxes(std::make_unique<ScriptedMessageBox>(QList<platform::Answer>{platform::Answer::Ok}));

    GalleryWindow gallery(*GallerySet::byWindow("frmTavi"));
    gallery.setAttribute(Qt::WA_DeleteOnClose, false);
    QTest::mouseClick(gallery.findChild<QPushButton*>("Command3"), Qt::LeftButton);
    const QImage before = gallery.viewer()->image();
    QTest::mouseClick(gallery.findChild<QPushButton*>("Command7"), Qt::LeftButton);
    QCOMPARE(boxes->asked().size(), 1);
    QVERIFY(boxes->asked().first().text.contains("File not found"));
    QVERIFY(boxes->asked().first().text.contains("Pictures\\Tavi\\Tavi7.vyp"));
    QCOMPARE(gallery.viewer()->image(), before);
    QCOMPARE(gallery.viewer()->image(), fileOf(gallery.entry(), 3));
}

void TestGalleryWindow::namesMatchWhateverTheirCaseOnDisk()
{
    InstallationFolder installation;
    QVERIFY(QDir().rename(installation.path("Pictures"), installation.path("pictures")));
    QVERIFY(QDir().rename(installation.path("pictures/Anzel"), installation.path("pictures/anzel")));
    QVERIFY(QFile::rename(installation.path("pictures/anzel/Anzel.vyp"), installation.path("pictures/anzel/ANZEL.VYP")));

    GalleryWindow gallery(*GallerySet::byWindow("frmAnzel"));
    gallery.setAttribute(Qt::WA_DeleteOnClose, false);
    QTest::mouseClick(gallery.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QCOMPARE(gallery.viewer()->image(), asShown(QImage(installation.path("pictures/anzel/ANZEL.VYP"))));
}

void TestGalleryWindow::aLargePictureIsCutAtTheWindowsEdges()
{
    InstallationFolder installation;
    GalleryWindow gallery(*GallerySet::byWindow("frmIdrar"));
    gallery.setAttribute(Qt::WA_DeleteOnClose, false);
    gallery.show();
    QVERIFY(QTest::qWaitForWindowExposed(&gallery));
    const QSize windowSize = gallery.size();
    QTest::mouseClick(gallery.findChild<QPushButton*>("Command12"), Qt::LeftButton);
    const QImage picture = fileOf(gallery.entry(), 12);
    QVERIFY(picture.width() > 506 && picture.height() > 431);

    QCOMPARE(gallery.size(), windowSize);
    const QImage shown = gallery.client()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(634, 455));
    // The picture starts inside the box's 2-pixel border at 130, 26 and runs
    // past the client area's right and bottom edges.
    QCOMPARE(shown.copy(130, 26, 504, 429), picture.copy(0, 0, 504, 429));
}

void TestGalleryWindow::viewMenuOpensOneFreshWindow()
{
    InstallationFolder installation;
    const auto form = loadedMainWindow();

    form->action("Picture6")->trigger();
    form->action("Picture6")->trigger();
    int open = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        open += window->objectName() == "frmGroup" && window->isVisible();
    QCOMPARE(open, 1);

    auto* group = qobject_cast<GalleryWindow*>(kit::WindowRegistry::instance().find("frmGroup"));
    QVERIFY(group);
    QTest::mouseClick(group->findChild<QPushButton*>("Command5"), Qt::LeftButton);
    QCOMPARE(group->viewer()->image(), fileOf(group->entry(), 5));
    QPointer<QWidget> closed = group;
    group->close();
    QTRY_VERIFY(closed.isNull());

    form->action("Picture6")->trigger();
    auto* fresh = qobject_cast<GalleryWindow*>(kit::WindowRegistry::instance().find("frmGroup"));
    QVERIFY(fresh);
    QCOMPARE(fresh->viewer()->image(), asShown(resources::assetImage("artBackground")));
    fresh->close();
}

TRELVANE_SHELL_TEST_MAIN(TestGalleryWindow)
#include "test_gallerywindow.moc"
