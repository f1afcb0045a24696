#include "AppError.h"
#include "ProgramStarter.h"
#include "WindowsHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using platform::AppError;
using platform::ErrorCode;
using platform::HostProgramStarter;
using platform::ProgramLocator;
using platform::WindowsHost;
using platform::WindowStyle;

namespace {

void writeFile(const QString& path, const QByteArray& bytes, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
}

} // namespace

// Each test runs in a fresh Wine prefix and a fresh current directory.
class TestProgramStart final : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void mapsWindowsPaths_data();
    void mapsWindowsPaths();
    void searchesBareNamesInWindowsOrder_data();
    void searchesBareNamesInWindowsOrder();
    void startsAScriptThatLeavesAMarker();
    void refusesWhatCannotStart_data();
    void refusesWhatCannotStart();

private:
    std::unique_ptr<QTemporaryDir> m_prefix;
    std::unique_ptr<QTemporaryDir> m_cwd;
    QString m_oldCwd;
    QByteArray m_oldPath;
};

void TestProgramStart::init()
{
    m_prefix = std::make_unique<QTemporaryDir>();
    m_cwd = std::make_unique<QTemporaryDir>();
    qputenv("WINEPREFIX", m_prefix->path().toLocal8Bit());
    m_oldCwd = QDir::currentPath();
    m_oldPath = qgetenv("PATH");
    QDir::setCurrent(m_cwd->path());
}

void TestProgramStart::cleanup()
{
    QDir::setCurrent(m_oldCwd);
    qputenv("PATH", m_oldPath);
    qunsetenv("WINEPREFIX");
}

void TestProgramStart::mapsWindowsPaths_data()
{
    QTest::addColumn<QStringList>("existing"); // below the prefix ("@" for the current directory)
    QTest::addColumn<QString>("windowsPath");
    QTest::addColumn<QString>("expected");

    QTest::newRow("file in lower case, asked in mixed case")
        << QStringList{"drive_c/windows/logow.sys"} << "C:\\Windows\\Logow.sys"
        << "drive_c/windows/logow.sys";
    QTest::newRow("file in upper case, asked in lower case")
        << QStringList{"drive_c/WINDOWS/CDPLAYER.EXE"} << "c:\\windows\\cdplayer.exe"
        << "drive_c/WINDOWS/CDPLAYER.EXE";
    QTest::newRow("new file takes the written case in the matched folder")
        << QStringList{"drive_c/windows/logow.sys"} << "C:\\Windows\\Logos.sys"
        << "drive_c/windows/Logos.sys";
    QTest::newRow("root of drive C") << QStringList{"drive_c/logo.sys"} << "C:\\Logo.sys"
                                     << "drive_c/logo.sys";
    QTest::newRow("missing folders keep their case")
        << QStringList{} << "C:\\NoSuch\\Dir\\x.txt" << "drive_c/NoSuch/Dir/x.txt";
    QTest::newRow("other drives through dosdevices")
        << QStringList{} << "D:\\Music\\a.taf" << "dosdevices/d:/Music/a.taf";
    QTest::newRow("relative path against the current directory")
        << QStringList{"@/Pictures/Anzel/Anzel.vyp"} << "pictures\\anzel\\ANZEL.VYP"
        << "@/Pictures/Anzel/Anzel.vyp";
    QTest::newRow("relative path matched in upper case on disk")
        << QStringList{"@/pictures/anzel/ANZEL.VYP"} << "Pictures\\Anzel\\Anzel.vyp"
        << "@/pictures/anzel/ANZEL.VYP";
}

void TestProgramStart::mapsWindowsPaths()
{
    QFETCH(QStringList, existing);
    QFETCH(QString, windowsPath);
    QFETCH(QString, expected);

    auto onHost = [&](QString path) {
        return path.startsWith(QLatin1Char('@')) ? m_cwd->path() + path.mid(1)
                                                 : m_prefix->path() + QLatin1Char('/') + path;
    };
    for (const QString& file : existing)
        writeFile(onHost(file), "x");
    QCOMPARE(WindowsHost().toHostPath(windowsPath), onHost(expected));
}

void TestProgramStart::searchesBareNamesInWindowsOrder_data()
{
    QTest::addColumn<QStringList>("holders");
    QTest::addColumn<QString>("winner");

    QTest::newRow("own folder first") << QStringList{"own", "cwd", "system32", "windows", "path"} << "own";
    QTest::newRow("then the current directory") << QStringList{"cwd", "system32", "path"} << "cwd";
    QTest::newRow("then system32") << QStringList{"system32", "system", "windows"} << "system32";
    QTest::newRow("then system") << QStringList{"system", "windows", "path"} << "system";
    QTest::newRow("then the Windows folder") << QStringList{"windows", "path"} << "windows";
    QTest::newRow("then PATH") << QStringList{"path"} << "path";
    QTest::newRow("nowhere") << QStringList{} << "";
}

void TestProgramStart::searchesBareNamesInWindowsOrder()
{
    QFETCH(QStringList, holders);
    QFETCH(QString, winner);

    // A name of this test's own, so that the program's own folder (the test
    // binary's) holds nothing else by it.
    const QString name = QStringLiteral("TrelvaneSearchOrder.exe");
    QTemporaryDir pathFolder;
    qputenv("PATH", pathFolder.path().toLocal8Bit());
    const QString drive = m_prefix->path() + QStringLiteral("/drive_c/windows");
    const QHash<QString, QString> folders{
        {"own", QCoreApplication::applicationDirPath()},
        {"cwd", m_cwd->path()},
        {"system32", drive + QStringLiteral("/system32")},
        {"system", drive + QStringLiteral("/system")},
        {"windows", drive},
        {"path", pathFolder.path()},
    };
    QStringList made;
    for (const QString& holder : holders) {
        // Different letter cases on disk: the search matches without regard to case.
        const QString file = folders[holder] + QLatin1Char('/') +
                             (holder == QLatin1String("system32") ? name.toUpper() : name);
        writeFile(file, "#!/bin/sh\n", true);
        made += file;
    }
    const QString found = ProgramLocator().locate(QStringLiteral("trelvanesearchorder.exe"));
    for (const QString& file : made)
        QFile::remove(file);

    if (winner.isEmpty()) {
        QVERIFY(found.isEmpty());
    } else {
        QCOMPARE(QFileInfo(found).absolutePath(), QDir(folders[winner]).absolutePath());
    }
}

void TestProgramStart::startsAScriptThatLeavesAMarker()
{
    const QString marker = m_cwd->filePath(QStringLiteral("marker.txt"));
    writeFile(m_prefix->path() + QStringLiteral("/drive_c/Windows/Cdplayer.exe"),
              "#!/bin/sh\npwd > \"" + QFile::encodeName(marker) + ".part\"\nmv \"" +
                  QFile::encodeName(marker) + ".part\" \"" + QFile::encodeName(marker) + "\"\n",
              true);

    HostProgramStarter().start(QStringLiteral("C:\\Windows\\Cdplayer.exe"), WindowStyle::Minimized);

    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(marker), 10000);
    QFile file(marker);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLocal8Bit(file.readAll()).trimmed(), QDir(m_cwd->path()).canonicalPath());
}

void TestProgramStart::refusesWhatCannotStart_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QString>("file"); // made below the prefix, if any
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("expectedError");

    QTest::newRow("missing bare name") << "Update.exe" << "" << QByteArray()
                                       << int(ErrorCode::FileNotFound);
    QTest::newRow("missing Windows folder program") << "C:\\Windows\\Sndvol32.exe" << ""
                                                    << QByteArray() << int(ErrorCode::FileNotFound);
    QTest::newRow("a text file is no program") << "C:\\Windows\\Sndvol32.exe"
                                               << "drive_c/windows/sndvol32.exe"
                                               << QByteArray("just text") << int(ErrorCode::InvalidCall);
    QTest::newRow("a Windows program without wine") << "C:\\Windows\\Sndvol32.exe"
                                                    << "drive_c/windows/sndvol32.exe"
                                                    << QByteArray("MZ\x90\0", 4)
                                                    << int(ErrorCode::InvalidCall);
}

void TestProgramStart::refusesWhatCannotStart()
{
    QFETCH(QString, commandLine);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, expectedError);

    QTemporaryDir emptyPath; // no wine, no stray program of that name
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    if (!file.isEmpty())
        writeFile(m_prefix->path() + QLatin1Char('/') + file, content, true);
    try {
        HostProgramStarter().start(commandLine, WindowStyle::Minimized);
        QFAIL("the start must fail");
    } catch (const AppError& error) {
        QCOMPARE(error.number(), expectedError);
        QVERIFY(!error.concerning().isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestProgramStart)
#include "test_programstart.moc"
