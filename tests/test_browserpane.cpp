#include "BrowserPane.h"
#include "Form1.h"
#include "LoopbackHttpServer.h"
#include "ShellTestMain.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QWebEngineView>

namespace {

struct Pane {
    LoopbackHttpServer server;
    std::unique_ptr<app::Form1> form;
    app::BrowserPane* browser = nullptr;
    QLineEdit* url = nullptr;
    QPushButton* go = nullptr;

    Pane()
    {
        app::Form1::Options options;
        options.startPage = server.address("/start");
        form = std::make_unique<app::Form1>(options);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->load();
        form->show();
        browser = form->client()->findChild<app::BrowserPane*>("WebBrowser1");
        url = form->client()->findChild<QLineEdit*>("Text1");
        go = form->client()->findChild<QPushButton*>("Command1");
    }

    void type(const QString& text)
    {
        url->setFocus();
        url->selectAll();
        QTest::keyClick(url, Qt::Key_Delete);
        QTest::keyClicks(url, text);
    }
};

} // namespace

class TestBrowserPane final : public QObject {
    Q_OBJECT
private slots:
    void loadsTheStartPageAndGoesWhereTyped();
    void handsOverTheDesignTextUnchanged();
    void enterNavigatesNowhere();
    void readFillsTheBoxAndTellsTheBrowserNothing();
};

void TestBrowserPane::loadsTheStartPageAndGoesWhereTyped()
{
    Pane pane;
    QTRY_COMPARE_WITH_TIMEOUT(pane.server.targets(), QStringList{"/start"}, 20000);
    const QString typed = pane.server.address("/typed/page?x=1&y=two");
    pane.type(typed);
    QTest::mouseClick(pane.go, Qt::LeftButton);
    QCOMPARE(pane.browser->lastAddress(), typed);
    QTRY_COMPARE_WITH_TIMEOUT(pane.server.targets(), (QStringList{"/start", "/typed/page?x=1&y=two"}), 20000);
}

void TestBrowserPane::handsOverTheDesignTextUnchanged()
{
    Pane pane;
    QTRY_COMPARE_WITH_TIMEOUT(pane.server.targets(), QStringList{"/start"}, 20000);
    QTest::mouseClick(pane.go, Qt::LeftButton);
    QCOMPARE(pane.browser->lastAddress(), "Type URL here!");
    QTRY_COMPARE(pane.browser->view()->url().toString(), "Type URL here!");

    // An address without a scheme goes over without one, too.
    pane.type("127.0.0.1/no-scheme");
    QTest::mouseClick(pane.go, Qt::LeftButton);
    QCOMPARE(pane.browser->lastAddress(), "127.0.0.1/no-scheme");
}

void TestBrowserPane::enterNavigatesNowhere()
{
    Pane pane;
    QTRY_COMPARE_WITH_TIMEOUT(pane.server.targets(), QStringList{"/start"}, 20000);
    pane.type(pane.server.address("/by-enter"));
    QTest::keyClick(pane.url, Qt::Key_Return);
    QTest::keyClick(pane.url, Qt::Key_Enter);
    QCOMPARE(pane.browser->lastAddress(), pane.server.address("/start"));
    // A later Go is served; had Enter navigated, its request would come first.
    pane.type(pane.server.address("/by-go"));
    QTest::mouseClick(pane.go, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(pane.server.targets(), (QStringList{"/start", "/by-go"}), 20000);
}

void TestBrowserPane::readFillsTheBoxAndTellsTheBrowserNothing()
{
    Pane pane;
    QTRY_COMPARE_WITH_TIMEOUT(pane.server.targets(), QStringList{"/start"}, 20000);
    pane.form->action("Read")->trigger();
    QCOMPARE(pane.url->text(), app::Form1::upgradeNotes);
    QVERIFY(pane.url->text().endsWith("/trelvane/upgrade/upgrade13.txt"));
    QCOMPARE(pane.browser->lastAddress(), pane.server.address("/start"));
    QCOMPARE(pane.browser->view()->url().toString(), pane.server.address("/start"));
    pane.type(pane.server.address("/after-read"));
    QTest::mouseClick(pane.go, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(pane.server.targets(), (QStringList{"/start", "/after-read"}), 20000);
}

TRELVANE_SHELL_TEST_MAIN(TestBrowserPane)
#include "test_browserpane.moc"
