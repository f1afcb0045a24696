#include "Clock.h"
#include "Form1.h"
#include "LineControl.h"
#include "ShellTestMain.h"

#include <QCalendarWidget>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QStatusBar>
#include <QSignalSpy>
#include <QTimer>

struct FontSpec {
    QString face;
    double points = 0;
    bool bold = false;
};
Q_DECLARE_METATYPE(FontSpec)

namespace {


// Menu entries as "name|caption|shortcut", with submenus indented by two.
QStringList liveMenuTree(const QMenu* menu, int depth)
{
    QStringList lines;
    for (QAction* action : menu->actions()) {
        lines << QString(depth * 2, ' ') + action->objectName() + "|" +
                     (action->isSeparator() ? QStringLiteral("-") : action->text()) + "|" +
                     action->shortcut().toString();
        if (action->menu())
            lines += liveMenuTree(action->menu(), depth + 1);
    }
    return lines;
}

} // namespace

class TestMainWindow final : public QObject {
    Q_OBJECT
private slots:
    void window();
    void menuTree();
    void layout_data();
    void layout();
    void tabOrderStartsAtTheCalendar();
    void classicFacesResolve();
    void calendarShowsMay2001();
    void clockText_data();
    void clockText();
    void clockSaysPleaseWaitUntilTheFirstTick();
    void closingTheMainWindowLeavesOtherWindowsRunning();
};

void TestMainWindow::window()
{
    auto form = loadedMainWindow();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(form->windowTitle(), "Trelvane Audio Player");
    QCOMPARE(form->client()->size(), QSize(505, 442));
    QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!form->windowIcon().isNull());
}

void TestMainWindow::menuTree()
{
    const QStringList expected{
        "File|&File|",
        "  Covert|&Covert|",
        "    Files|Picture &Files|Ctrl+F",
        "  Line|-|",
        "  Open|&Open|",
        "    Sound|Trelvane Au&dio Files|Ctrl+D",
        "    Sound2|Trelvane &Video Files|Ctrl+V",
        "    Line2|-|",
        "    Player|&CD Audio Player|Ctrl+C",
        "  Line3|-|",
        "  Exit|E&xit|Ctrl+X",
        "Change|&View|",
        "  Picture|Anz&el's Gallery|Ctrl+A",
        "  Picture2|&Tavi's Gallery|Ctrl+G",
        "  Line4|-|",
        "  Picture3|&Idra.V's Gallery|Ctrl+M",
        "  Picture4|I&dra.R's Gallery|Ctrl+L",
        "  Line5|-|",
        "  Picture5|Li&oriel's Gallery|Ctrl+T",
        "  Picture6|G&roup Gallery|Ctrl+R",
        "  Line6|-|",
        "  Startshut|&Start Up/Shut Down Screens...|Ctrl+S",
        "Help|&Help|",
        "  Functions|Audio Player Functi&ons|Ctrl+O",
        "  Line7|-|",
        "  Read|R&ead Before Upgrading|Ctrl+E",
        "  Upgrade|&Upgrade Player|Ctrl+U",
        "About|&About|",
        "  Sound3|Trelvane Audio &Player|Ctrl+P",
    };
    auto form = loadedMainWindow();
    QStringList live;
    for (QAction* top : form->findChild<QMenuBar*>()->actions()) {
        live << top->objectName() + "|" + top->text() + "|";
        live += liveMenuTree(top->menu(), 1);
    }
    QCOMPARE(live, expected);
}

void TestMainWindow::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<FontSpec>("font"); // empty face: the control keeps the window's font
    QTest::addColumn<QColor>("fore");   // invalid: not checked
    QTest::addColumn<QColor>("back");   // invalid: transparent or not checked

    const FontSpec lucida{"Lucida Console", 8.25, true};
    const FontSpec none{};
    const QColor lime(0, 255, 0), no;
    QTest::newRow("Picture8") << "Picture8" << QRect(8, 0, 233, 185) << none << no << no;
    QTest::newRow("WebBrowser1") << "WebBrowser1" << QRect(248, 0, 249, 185) << none << no << no;
    QTest::newRow("Label4") << "Label4" << QRect(24, 200, 97, 17) << lucida << lime << no;
    QTest::newRow("Label2") << "Label2" << QRect(152, 200, 153, 17) << lucida << lime << no;
    QTest::newRow("Slider1") << "Slider1" << QRect(16, 216, 113, 33) << none << no << no;
    QTest::newRow("Picture7") << "Picture7" << QRect(160, 216, 137, 17) << none << no << no;
    QTest::newRow("Label6") << "Label6" << QRect(168, 240, 121, 17) << lucida << lime << no;
    QTest::newRow("Label3") << "Label3" << QRect(16, 256, 113, 17) << lucida << lime << no;
    QTest::newRow("Picture1") << "Picture1" << QRect(160, 256, 137, 17) << none << no << no;
    QTest::newRow("MonthView1") << "MonthView1" << QRect(312, 208, 180, 158)
                                << FontSpec{"MS Sans Serif", 8.25, false} << no << no;
    QTest::newRow("Text1") << "Text1" << QRect(8, 280, 249, 19) << FontSpec{"Lucida Console", 9, true}
                           << QColor(255, 128, 0) << QColor(0, 0, 0);
    QTest::newRow("Command1") << "Command1" << QRect(264, 280, 33, 17)
                              << FontSpec{"MS Sans Serif", 8.25, false} << no << no;
    QTest::newRow("MMControl1") << "MMControl1" << QRect(8, 304, 291, 30) << none << no << no;
    QTest::newRow("Label1") << "Label1" << QRect(8, 344, 289, 29) << FontSpec{"Arial", 8.25, true}
                            << QColor(255, 0, 255) << QColor(0, 0, 0);
    QTest::newRow("lblTime") << "lblTime" << QRect(312, 376, 193, 25) << FontSpec{"Tahoma", 18, true} << lime
                             << no;
    QTest::newRow("Label5") << "Label5" << QRect(8, 384, 241, 17) << FontSpec{"Tahoma", 8.25, true}
                            << QColor(0, 0, 0) << no;
    QTest::newRow("StatusBar1") << "StatusBar1" << QRect(0, 417, 505, 25) << none << no << no;
}

void TestMainWindow::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(FontSpec, font);
    QFETCH(QColor, fore);
    QFETCH(QColor, back);

    auto form = loadedMainWindow();
    auto* control = form->client()->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->parentWidget(), form->client());
    QCOMPARE(control->geometry(), geometry);
    if (!font.face.isEmpty()) {
        QCOMPARE(control->font().family(), font.face);
        QCOMPARE(control->font().pointSizeF(), font.points);
        QCOMPARE(control->font().bold(), font.bold);
    }
    const bool editable = qobject_cast<QLineEdit*>(control) != nullptr;
    if (fore.isValid())
        QCOMPARE(control->palette().color(editable ? QPalette::Text : QPalette::WindowText), fore);
    if (back.isValid()) {
        QCOMPARE(control->palette().color(editable ? QPalette::Base : QPalette::Window), back);
        QVERIFY(editable || control->autoFillBackground());
    } else if (qobject_cast<QLabel*>(control)) {
        QVERIFY2(!control->autoFillBackground(), "a transparent label shows the background through");
    }
}

void TestMainWindow::tabOrderStartsAtTheCalendar()
{
    auto form = loadedMainWindow();
    // Walk the focus chain once round, naming the control each stop belongs to
    // (the web pane's focus lies on the engine's view inside it).
    QStringList order;
    QWidget* start = form->client()->findChild<QWidget*>("MonthView1");
    QWidget* w = start;
    do {
        QWidget* control = w;
        while (control && control->parentWidget() != form->client())
            control = control->parentWidget();
        if (control && (w->focusPolicy() & Qt::TabFocus) && (order.isEmpty() || order.last() != control->objectName()))
            order << control->objectName();
        w = w->nextInFocusChain();
    } while (w != start && order.size() < 20);
    order.removeDuplicates();
    order = order.mid(0, 9);
    QCOMPARE(order, (QStringList{"MonthView1", "Slider1", "Picture8", "Picture1", "Picture7", "WebBrowser1",
                                 "Text1", "Command1", "MMControl1"}));
    for (const char* passive : {"Label2", "Label4", "Label3", "lblTime", "Label1", "Label5", "StatusBar1", "Line1"})
        QCOMPARE(form->client()->findChild<QWidget*>(passive)->focusPolicy(), Qt::NoFocus);
}

void TestMainWindow::classicFacesResolve()
{
    const QList<QPair<QString, QString>> faces{{"MS Sans Serif", "MS Sans Serif"},
                                               {"Tahoma", "Tahoma"},
                                               {"Arial", "Liberation Sans"},
                                               {"Lucida Console", "DejaVu Sans Mono"}};
    for (const auto& [asked, found] : faces)
        QCOMPARE(QFontInfo(QFont(asked)).family(), found);
}

void TestMainWindow::calendarShowsMay2001()
{
    auto form = loadedMainWindow();
    auto* calendar = form->client()->findChild<QCalendarWidget*>("MonthView1");
    QCOMPARE(calendar->selectedDate(), QDate(2001, 5, 18));
    QCOMPARE(calendar->monthShown(), 5);
    QCOMPARE(calendar->yearShown(), 2001);
    QCOMPARE(calendar->minimumDate(), QDate(1753, 1, 1));
    QCOMPARE(calendar->maximumDate(), QDate(9999, 12, 31));
    QCOMPARE(calendar->palette().color(QPalette::Highlight), QColor(128, 128, 255));

    auto* slider = form->client()->findChild<QSlider*>("Slider1");
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 10);
    QCOMPARE(slider->tickInterval(), 1);
    QCOMPARE(slider->tickPosition(), QSlider::TicksBelow);
    QCOMPARE(slider->pageStep(), 5);
    QCOMPARE(form->client()->findChild<QLabel*>("Label3")->text(), " 0    50   100");
    QCOMPARE(form->client()->findChild<QLabel*>("Label1")->text(),
             "         THIS BOX DISPLAYS THE PATH OF THE FILE");
    auto* rule = form->client()->findChild<kit::LineControl*>("Line1");
    QCOMPARE(rule->line(), QLine(-16, 416, 504, 416));
    QCOMPARE(rule->drawMode(), kit::DrawMode::White);
    auto* panel = form->client()->findChild<QLabel*>("Panel1");
    QCOMPARE(panel->width(), 96);
    QVERIFY(panel->text().isEmpty());
}

void TestMainWindow::clockText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("shown");
    QTest::newRow("afternoon") << QTime(13, 5, 9) << "1:05:09 PM";
    QTest::newRow("midnight") << QTime(0, 0, 0) << "12:00:00 AM";
    QTest::newRow("noon") << QTime(12, 0, 0) << "12:00:00 PM";
    QTest::newRow("one in the morning") << QTime(1, 0, 0) << "1:00:00 AM";
    QTest::newRow("before noon") << QTime(11, 59, 59) << "11:59:59 AM";
    QTest::newRow("before midnight") << QTime(23, 59, 59) << "11:59:59 PM";
    QTest::newRow("ten o'clock") << QTime(10, 30, 0) << "10:30:00 AM";
}

void TestMainWindow::clockText()
{
    QFETCH(QTime, time);
    QFETCH(QString, shown);
    QCOMPARE(app::clockText(time, QLocale(QLocale::English, QLocale::UnitedStates)), shown);
}

void TestMainWindow::clockSaysPleaseWaitUntilTheFirstTick()
{
    app::Form1::Options fixedTime;
    fixedTime.now = [] { return QDateTime(QDate(2001, 5, 18), QTime(13, 5, 9)); };
    auto form = loadedMainWindow(fixedTime);
    auto* time = form->client()->findChild<QLabel*>("lblTime");
    auto* timer = form->findChild<QTimer*>("Timer1");
    QCOMPARE(time->text(), "Please Wait...");
    QCOMPARE(timer->interval(), 1000);
    QVERIFY(timer->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(time->text(), "1:05:09 PM", 3000);
}

void TestMainWindow::closingTheMainWindowLeavesOtherWindowsRunning()
{
    // The program's own event loop: it ends when the last window closes.
    auto form = loadedMainWindow();
    form->show();
    auto* gallery = new kit::ClassicWindow("frmAnzel", {634, 455}, kit::TitleButton::Close);
    gallery->show();
    QVERIFY(QTest::qWaitForWindowExposed(gallery));
    QSignalSpy programEnds(qApp, &QGuiApplication::lastWindowClosed);

    bool galleryOutlivedTheMainWindow = false;
    QTimer::singleShot(0, form.get(), [&] { form->close(); });
    QTimer::singleShot(300, gallery, [&] {
        galleryOutlivedTheMainWindow = gallery->isVisible() && programEnds.isEmpty();
        gallery->close();
    });
    QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(galleryOutlivedTheMainWindow);
    QCOMPARE(programEnds.count(), 1);
}

TRELVANE_SHELL_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
