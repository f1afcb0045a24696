#include "Form1.h"
#include "Label.h"
#include "Module1.h"
#include "ShellTestMain.h"

#include <QApplication>
#include <QTest>

namespace {

// Records what happens to the splash and the main window, in order.
class StartRecorder final : public QObject {
public:
    QStringList steps;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType())
            return false;
        // A window counts as painted when any of its widgets is.
        const auto* widget = static_cast<QWidget*>(watched);
        const QString name = widget->window()->objectName();
        if (name != QLatin1String("frmSplash") && name != QLatin1String("Form1"))
            return false;
        if (event->type() == QEvent::Paint)
            record(name + " painted");
        else if (widget->isWindow() && event->type() == QEvent::Show)
            record(name + " shown");
        else if (widget->isWindow() && event->type() == QEvent::Hide)
            record(name + " hidden");
        return false;
    }

public:
    void record(const QString& step)
    {
        if (steps.isEmpty() || steps.last() != step)
            steps << step;
    }
};

} // namespace

class TestStartup final : public QObject {
    Q_OBJECT
private slots:
    void splashThenMainWindow();
};

void TestStartup::splashThenMainWindow()
{
    StartRecorder recorder;
    qApp->installEventFilter(&recorder);
    QString versionText, titleText;
    bool splashPaintedBeforeCreation = false;

    app::Module1::Main([&] {
        splashPaintedBeforeCreation = recorder.steps.contains("frmSplash painted");
        recorder.record("Form1 created");
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == "frmSplash" && window->isVisible()) {
                versionText = window->findChild<QLabel*>("lblVersion")->text();
                titleText = window->findChild<QLabel*>("lblProductName")->text();
            }
        app::Form1::Options options;
        options.startPage = "about:blank";
        return new app::Form1(options);
    });
    qApp->removeEventFilter(&recorder);

    QVERIFY2(splashPaintedBeforeCreation, qPrintable(recorder.steps.join(", ")));
    const QStringList order{"frmSplash shown", "frmSplash painted", "Form1 created", "frmSplash hidden",
                            "Form1 shown"};
    QStringList seen;
    for (const QString& step : recorder.steps)
        if (order.contains(step) && !seen.contains(step))
            seen << step;
    QCOMPARE(seen, order);
    QCOMPARE(versionText, "Version 1.30.0");
    QCOMPARE(titleText, "Trelvane Audio Player");

    QVERIFY(app::Module1::mainWindow);
    QVERIFY(app::Module1::mainWindow->isVisible());
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(window->objectName() != "frmSplash" || !window->isVisible(), "the splash is gone");
}

TRELVANE_SHELL_TEST_MAIN(TestStartup)
#include "test_startup.moc"
