#include "AppError.h"
#include "WindowsRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using platform::AppError;
using platform::WindowsHost;
using platform::WindowsRegistry;

namespace {

// A system.reg as Wine writes it.
const QByteArray systemReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Microsoft\\\\Shared Tools\\\\MSINFO] 1700000000\n"
    "#time=1d9a0b0c0d0e0f0\n"
    "\"PATH\"=\"C:\\\\Program Files\\\\Common Files\\\\Microsoft Shared\\\\MSInfo\\\\msinfo32.exe\"\n"
    "\"Quoted\"=\"say \\\"hi\\\"\"\n"
    "\"Count\"=dword:00000007\n"
    "\n"
    "[Software\\\\Microsoft\\\\Shared Tools Location] 1700000000\n"
    "\"MSINFO\"=str(2):\"C:\\\\Program Files\\\\Common Files\\\\Microsoft Shared\\\\MSInfo\"\n"
    "@=\"the default\"\n";

} // namespace

class TestRegistry final : public QObject {
    Q_OBJECT
private slots:
    void readsMachineStrings_data();
    void readsMachineStrings();
    void malformedFileIsReported();
};

void TestRegistry::readsMachineStrings_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no system.reg at all
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected"); // "<none>": not found

    QTest::newRow("string value") << systemReg << "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO" << "PATH"
                                  << "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
    QTest::newRow("key and value in another case") << systemReg << "software\\MICROSOFT\\shared tools\\msinfo"
                                                   << "path"
                                                   << "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
    QTest::newRow("expandable string") << systemReg << "SOFTWARE\\Microsoft\\Shared Tools Location" << "MSINFO"
                                       << "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
    QTest::newRow("escaped quotes") << systemReg << "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO" << "Quoted"
                                    << "say \"hi\"";
    QTest::newRow("default value") << systemReg << "SOFTWARE\\Microsoft\\Shared Tools Location" << ""
                                   << "the default";
    QTest::newRow("a number is no string") << systemReg << "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO" << "Count"
                                           << "<none>";
    QTest::newRow("missing value") << systemReg << "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO" << "Other"
                                   << "<none>";
    QTest::newRow("missing key") << systemReg << "SOFTWARE\\Nobody" << "PATH" << "<none>";
    QTest::newRow("a value of the key's subkey is not the key's")
        << systemReg << "SOFTWARE\\Microsoft\\Shared Tools" << "MSINFO" << "<none>";
    QTest::newRow("no registry file") << QByteArray() << "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO" << "PATH"
                                      << "<none>";
}

void TestRegistry::readsMachineStrings()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, expected);

    QTemporaryDir prefix;
    if (!file.isEmpty()) {
        QFile reg(prefix.filePath("system.reg"));
        QVERIFY(reg.open(QIODevice::WriteOnly));
        reg.write(file);
    }
    const auto found = WindowsRegistry(WindowsHost(prefix.path())).machineString(key, value);
    QCOMPARE(found.value_or("<none>"), expected);
}

void TestRegistry::malformedFileIsReported()
{
    QTemporaryDir prefix;
    QFile reg(prefix.filePath("system.reg"));
    QVERIFY(reg.open(QIODevice::WriteOnly));
    reg.write("\x89PNG\r\n\x1a\n garbage [Software\\x] \"PATH\"=\"");
    reg.close();
    try {
        WindowsRegistry(WindowsHost(prefix.path())).machineString("Software\\x", "PATH");
        QFAIL("a file that is no registry must be reported");
    } catch (const AppError& error) {
        QCOMPARE(error.concerning(), prefix.filePath("system.reg"));
    }
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "test_registry.moc"
