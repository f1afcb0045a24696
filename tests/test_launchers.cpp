#include "Form1.h"
#include "RecordingProgramStarter.h"
#include "ScriptedMessageBox.h"
#include "ServiceSwap.h"
#include "ShellTestMain.h"

#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// A Windows prefix whose CD player and volume control are shell scripts that
// add a line to their own log each time they run.
class StandInPrefix {
public:
    StandInPrefix()
    {
        qputenv("WINEPREFIX", m_prefix.path().toLocal8Bit());
        for (const char* program : {"Cdplayer", "Sndvol32"})
            writeStandIn(program);
    }
    ~StandInPrefix() { qunsetenv("WINEPREFIX"); }

    int runs(const char* program) const
    {
        QFile log(m_prefix.filePath(QStringLiteral("%1.log").arg(program)));
        return log.open(QIODevice::ReadOnly) ? int(log.readAll().count('\n')) : 0;
    }

private:
    void writeStandIn(const char* program)
    {
        const QString folder = m_prefix.filePath("drive_c/windows");
        QDir().mkpath(folder);
        QFile script(folder + "/" + QString(program).toLower() + ".exe");
        script.open(QIODevice::WriteOnly);
        script.write("#!/bin/sh\necho started >> '" + m_prefix.filePath(QStringLiteral("%1.log").arg(program)).toLocal8Bit() + "'\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
    }

    QTemporaryDir m_prefix;
};

std::unique_ptr<app::Form1> shownMainWindow()
{
    auto form = loadedMainWindow();
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        qWarning("the main window did not become active");
    return form;
}

} // namespace

class TestLaunchers final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menuShortcutsWinOverTheUrlBox();
    void everySliderClickStartsTheVolumeControl();
    void keyboardMovesOfTheSliderStartNothing();
    void missingUpdaterIsReportedOnce();
    // Last: it ends the program's event loop.
    void exitShortcutEndsTheProgramFromTheUrlBox();

private:
    QString m_oldCwd;
    std::unique_ptr<QTemporaryDir> m_cwd;
};

void TestLaunchers::init()
{
    m_oldCwd = QDir::currentPath();
    m_cwd = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_cwd->path());
}

void TestLaunchers::cleanup() { QDir::setCurrent(m_oldCwd); }

void TestLaunchers::menuShortcutsWinOverTheUrlBox()
{
    StandInPrefix prefix;
    auto form = shownMainWindow();
    auto* url = form->client()->findChild<QLineEdit*>("Text1");
    url->setFocus();
    url->selectAll();
    QGuiApplication::clipboard()->setText("from the clipboard");

    QTest::keyClick(url, Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(prefix.runs("Cdplayer"), 1, 10000);
    QTest::keyClick(url, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(url->text(), "Type URL here!");
    QCOMPARE(QGuiApplication::clipboard()->text(), "from the clipboard");
    QTest::keyClick(url, Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(prefix.runs("Cdplayer"), 2, 10000);
}

void TestLaunchers::everySliderClickStartsTheVolumeControl()
{
    StandInPrefix prefix;
    auto form = shownMainWindow();
    auto* slider = form->client()->findChild<QSlider*>("Slider1");
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(10, 10));
    QTRY_COMPARE_WITH_TIMEOUT(prefix.runs("Sndvol32"), 1, 10000);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(90, 10));
    QTRY_COMPARE_WITH_TIMEOUT(prefix.runs("Sndvol32"), 2, 10000);
}

void TestLaunchers::keyboardMovesOfTheSliderStartNothing()
{
    ServiceSwap<RecordingProgramStarter> starter(std::make_unique<RecordingProgramStarter>());
    auto form = shownMainWindow();
    auto* slider = form->client()->findChild<QSlider*>("Slider1");
    slider->setFocus();
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageUp, Qt::Key_End, Qt::Key_Left})
        QTest::keyClick(slider, key);
    QVERIFY(slider->value() > 0);
    QVERIFY(starter->started().isEmpty());

    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(starter->started().size(), 1);
    QCOMPARE(starter->started().first().first, "C:\\Windows\\Sndvol32.exe");
    QCOMPARE(starter->started().first().second, platform::WindowStyle::Minimized);
}

void TestLaunchers::missingUpdaterIsReportedOnce()
{
    StandInPrefix prefix;
    ServiceSwap<ScriptedMessageBox> boxes(std::make_unique<ScriptedMessageBox>(QList<platform::Answer>{platform::Answer::Ok}));
    auto form = shownMainWindow();
    QTest::keyClick(form.get(), Qt::Key_U, Qt::ControlModifier);
    QCOMPARE(boxes->asked().size(), 1);
    QCOMPARE(boxes->asked().first().title, "Trelvane Audio Player");
    QVERIFY2(boxes->asked().first().text.contains("File not found"), qPrintable(boxes->asked().first().text));
    QVERIFY(boxes->asked().first().text.contains("Update.exe"));
    QVERIFY2(form->isVisible(), "the program goes on after the report");
}

void TestLaunchers::exitShortcutEndsTheProgramFromTheUrlBox()
{
    auto form = shownMainWindow();
    auto* url = form->client()->findChild<QLineEdit*>("Text1");
    url->setFocus();
    url->selectAll();
    QEventLoop program;
    QTimer::singleShot(0, url, [url] { QTest::keyClick(url, Qt::Key_X, Qt::ControlModifier); });
    QTimer::singleShot(10000, &program, [&program] { program.exit(99); });
    QCOMPARE(program.exec(), 0);
    QVERIFY2(!form->isVisible(), "every window disappears");
    QCOMPARE(url->text(), "Type URL here!");
}

TRELVANE_SHELL_TEST_MAIN(TestLaunchers)
#include "test_launchers.moc"
