#include "AppError.h"
#include "FileCopier.h"
#include "PrivateMounts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using platform::AppError;
using platform::AtomicFileCopier;
using platform::ErrorCode;

namespace {

QString g_namespaceProblem;

QByteArray pattern(qint64 size, char seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(seed + i * 7 % 251);
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestFileCopier final : public QObject {
    Q_OBJECT

    enum class Case { NewTarget, Replace, MissingSource, MissingFolder, ReadOnlyTarget, LinkTarget, DiskFull };

private slots:
    void copy_data();
    void copy();
};

void TestFileCopier::copy_data()
{
    QTest::addColumn<Case>("scenario");
    QTest::addColumn<int>("expectedError"); // 0: the copy succeeds

    QTest::newRow("new target") << Case::NewTarget << 0;
    QTest::newRow("replaces an existing target") << Case::Replace << 0;
    QTest::newRow("missing source") << Case::MissingSource << int(ErrorCode::FileNotFound);
    QTest::newRow("missing target folder") << Case::MissingFolder << int(ErrorCode::PathNotFound);
    QTest::newRow("target on a read-only mount") << Case::ReadOnlyTarget << int(ErrorCode::PermissionDenied);
    QTest::newRow("target is a symbolic link") << Case::LinkTarget << 0;
    QTest::newRow("disk fills half way") << Case::DiskFull << int(ErrorCode::DiskFull);
}

void TestFileCopier::copy()
{
    QFETCH(Case, scenario);
    QFETCH(int, expectedError);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString sourceFolder = root.filePath(QStringLiteral("source"));
    const QString targetFolder = root.filePath(QStringLiteral("target"));
    QVERIFY(QDir().mkpath(sourceFolder));
    QVERIFY(QDir().mkpath(targetFolder));

    const bool needsMount = scenario == Case::ReadOnlyTarget || scenario == Case::DiskFull;
    if (needsMount) {
        QVERIFY2(g_namespaceProblem.isEmpty(), qPrintable(g_namespaceProblem));
        QString why;
        QVERIFY2(privatemounts::mountTmpfs(targetFolder, 1024 * 1024, &why), qPrintable(why));
    }
    struct Unmount {
        QString folder;
        bool active;
        ~Unmount() { if (active) privatemounts::unmount(folder); }
    } unmountAtEnd{targetFolder, needsMount};

    const QByteArray newBytes = pattern(scenario == Case::DiskFull ? 2 * 1024 * 1024 : 70000, 'n');
    const QByteArray oldBytes = pattern(200 * 1024, 'o');
    QString source = sourceFolder + QStringLiteral("/Anzel.vyp");
    QString target = targetFolder + QStringLiteral("/Anzel.jpg");
    QString whereBytesLand = target;
    if (scenario != Case::MissingSource)
        writeFile(source, newBytes);

    switch (scenario) {
    case Case::NewTarget:
    case Case::MissingSource:
        break;
    case Case::Replace:
    case Case::DiskFull:
        writeFile(target, oldBytes);
        break;
    case Case::MissingFolder:
        target = root.filePath(QStringLiteral("Converted/Anzel.jpg"));
        whereBytesLand = target;
        break;
    case Case::ReadOnlyTarget: {
        writeFile(target, oldBytes);
        QString why;
        QVERIFY2(privatemounts::remountReadOnly(targetFolder, &why), qPrintable(why));
        break;
    }
    case Case::LinkTarget: {
        const QString elsewhere = root.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere));
        whereBytesLand = elsewhere + QStringLiteral("/real.jpg");
        writeFile(whereBytesLand, oldBytes);
        QVERIFY(QFile::link(whereBytesLand, target));
        break;
    }
    }
    const QStringList before = entries(targetFolder);
    const QByteArray bytesBefore = readFile(whereBytesLand);

    std::optional<AppError> error;
    try {
        AtomicFileCopier().copy(source, target);
    } catch (const AppError& e) {
        error = e;
    }

    if (expectedError == 0) {
        QVERIFY2(!error, error ? qPrintable(error->reportText()) : "");
        QCOMPARE(readFile(whereBytesLand), newBytes);
        if (scenario == Case::LinkTarget)
            QVERIFY2(QFileInfo(target).isSymLink(), "the link itself must stay a link");
        QStringList expected = before;
        if (!expected.contains(QFileInfo(target).fileName()))
            expected.append(QFileInfo(target).fileName());
        expected.sort();
        QCOMPARE(entries(targetFolder), expected);
    } else {
        QVERIFY2(error, "the copy must fail");
        QCOMPARE(error->number(), expectedError);
        QCOMPARE(readFile(whereBytesLand), bytesBefore);
        QCOMPARE(entries(targetFolder), before); // no stray temporary file
        if (scenario == Case::MissingFolder)
            QVERIFY2(!QFileInfo::exists(root.filePath(QStringLiteral("Converted"))),
                     "the copy must not create the folder");
    }
}

int main(int argc, char* argv[])
{
    // Before Qt starts any thread: the mounts of this test live and die with it.
    privatemounts::enterPrivateMountNamespace(&g_namespaceProblem);
    QCoreApplication application(argc, argv);
    TestFileCopier test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_filecopier.moc"
