#include "AppError.h"
#include "ErrorGuard.h"
#include "PictureLoader.h"
#include "ScriptedMessageBox.h"
#include "ServiceSwap.h"
#include "Services.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <stdexcept>

using platform::Answer;
using platform::AppError;
using platform::ErrorCode;

class TestErrorGuard final : public QObject {
    Q_OBJECT
private slots:
    void stopsAtTheFailingStepAndReports();
    void reportsEveryKindOfFailure_data();
    void reportsEveryKindOfFailure();
    void eventsGoOnAfterAReport();
};

void TestErrorGuard::stopsAtTheFailingStepAndReports()
{
    ServiceSwap<ScriptedMessageBox> boxes(std::make_unique<ScriptedMessageBox>(QList<Answer>{Answer::Ok}));
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("Anzel5.vyp"));

    QStringList steps;
    const bool finished = platform::runGuarded([&] {
        steps << QStringLiteral("first");
        platform::Services::instance().pictureLoader().load(missing);
        steps << QStringLiteral("third");
    });

    QVERIFY(!finished);
    QCOMPARE(steps, QStringList{QStringLiteral("first")});
    QCOMPARE(boxes->asked().size(), 1);
    const auto& box = boxes->asked().first();
    QCOMPARE(box.title, QStringLiteral("Trelvane Audio Player"));
    QCOMPARE(box.buttons, platform::Buttons::Ok);
    QVERIFY2(box.text.contains(QStringLiteral("File not found")), qPrintable(box.text));
    QVERIFY2(box.text.contains(QStringLiteral("53")), qPrintable(box.text));
    QVERIFY2(box.text.contains(missing), qPrintable(box.text));
}

void TestErrorGuard::reportsEveryKindOfFailure_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("the program's error") << 0 << "Disk full";
    QTest::newRow("out of memory") << 1 << "Out of memory";
    QTest::newRow("a library's exception") << 2 << "Internal error";
    QTest::newRow("anything else thrown") << 3 << "Internal error";
}

void TestErrorGuard::reportsEveryKindOfFailure()
{
    QFETCH(int, kind);
    QFETCH(QString, expectedText);
    ServiceSwap<ScriptedMessageBox> boxes(std::make_unique<ScriptedMessageBox>(QList<Answer>{Answer::Ok}));
    platform::runGuarded([kind] {
        switch (kind) {
        case 0: throw AppError(ErrorCode::DiskFull, QStringLiteral("Converted\\Anzel.jpg"));
        case 1: throw std::bad_alloc();
        case 2: throw std::runtime_error("vector too long");
        default: throw 42;
        }
    });
    QCOMPARE(boxes->asked().size(), 1);
    QVERIFY2(boxes->asked().first().text.contains(expectedText), qPrintable(boxes->asked().first().text));
}

void TestErrorGuard::eventsGoOnAfterAReport()
{
    ServiceSwap<ScriptedMessageBox> boxes(std::make_unique<ScriptedMessageBox>(QList<Answer>{Answer::Ok}));
    bool laterEventServed = false;
    QTimer::singleShot(0, qApp, platform::guarded([] {
        throw AppError(ErrorCode::FileNotFound, QStringLiteral("Update.exe"));
    }));
    QTimer::singleShot(1, qApp, [&] { laterEventServed = true; });
    QTRY_VERIFY(laterEventServed);
    QCOMPARE(boxes->asked().size(), 1);
}

QTEST_MAIN(TestErrorGuard)
#include "test_errorguard.moc"
