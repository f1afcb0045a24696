#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

struct Run {
    int exitCode;
    QString output;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, QStringLiteral("timed out")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

QString galleryFile(const QString& prefix, int k)
{
    return QStringLiteral("Pictures/%1/%1%2.vyp").arg(prefix, k == 1 ? QString() : QString::number(k));
}

// A small grey thumbnail, to tell whether two pictures look alike.
QImage thumbnail(const QString& path)
{
    return QImage(path).scaled(24, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

double difference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    return sum / (a.width() * a.height() * 3);
}

} // namespace

// Installs the build into a temporary destination, as a user would, and
// checks the installation folder it lays out.
class TestInstallation final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void programBesideItsFolders();
    void galleryPictures();
    void logoScreens();
    void desktopFiles();

private:
    QTemporaryDir m_destination;
    QString m_app;
};

void TestInstallation::initTestCase()
{
    const Run install = run("cmake", {"--install", TRELVANE_BUILD_DIR, "--prefix", m_destination.path()});
    QVERIFY2(install.exitCode == 0, qPrintable(install.output));
    m_app = m_destination.path();
}

void TestInstallation::programBesideItsFolders()
{
    QVERIFY(QFileInfo(m_app + "/trelvane").isExecutable());
    for (const char* empty : {"Converted", "Logos/Backup"}) {
        const QDir dir(m_app + "/" + empty);
        QVERIFY2(dir.exists(), empty);
        QVERIFY2(dir.isEmpty(), empty);
    }
}

void TestInstallation::galleryPictures()
{
    const QStringList prefixes{"Anzel", "Tavi", "Idrav", "Idrar", "Lioriel", "Group"};
    QList<QImage> thumbnails;
    QStringList names;
    for (const QString& prefix : prefixes) {
        int larger = 0, smaller = 0;
        QCOMPARE(QDir(m_app + "/Pictures/" + prefix).entryList(QDir::Files).size(), 16);
        for (int k = 1; k <= 16; ++k) {
            const QString path = m_app + "/" + galleryFile(prefix, k);
            QImageReader reader(path);
            reader.setDecideFormatFromContent(true);
            QVERIFY2(reader.format() == "jpeg", qPrintable(path));
            const QSize size = reader.size();
            larger += size.width() > 506 && size.height() > 431 && size != QSize(520, 520);
            smaller += size.width() < 520 && size.height() < 520;
            thumbnails << thumbnail(path);
            names << galleryFile(prefix, k);
        }
        QVERIFY2(larger >= 2 && smaller >= 2, qPrintable(prefix + ": a few larger and a few smaller"));
    }
    for (int i = 0; i < thumbnails.size(); ++i)
        for (int j = i + 1; j < thumbnails.size(); ++j)
            QVERIFY2(difference(thumbnails[i], thumbnails[j]) > 6,
                     qPrintable(names[i] + " looks like " + names[j]));
}

void TestInstallation::logoScreens()
{
    for (const QString& subject : {QStringLiteral("Anzel"), QStringLiteral("Tavi")}) {
        for (const QString& name : {subject, subject + "2", subject + "3"}) {
            QFile screen(m_app + "/Logos/" + subject + "/" + name + ".bmp");
            QVERIFY2(screen.open(QIODevice::ReadOnly), qPrintable(screen.fileName()));
            const QByteArray b = screen.readAll();
            QCOMPARE(b.left(2), QByteArray("BM"));
            QCOMPARE(qFromLittleEndian<qint32>(b.constData() + 18), 320);
            QCOMPARE(qFromLittleEndian<qint32>(b.constData() + 22), 400);
            QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 28), quint16(8));
            QCOMPARE(qFromLittleEndian<quint32>(b.constData() + 30), 0u);
            QCOMPARE(b.size(), 14 + 40 + 256 * 4 + 320 * 400);

            QImageReader sample(m_app + "/Logos/Sample/" + name + ".bmp");
            QCOMPARE(sample.format(), QByteArray("bmp"));
            QCOMPARE(sample.size(), QSize(80, 100));
        }
    }
}

void TestInstallation::desktopFiles()
{
    const QString entry = m_app + "/share/applications/net.trelvane.AudioPlayer.desktop";
    const Run desktop = run("desktop-file-validate", {entry});
    QVERIFY2(desktop.exitCode == 0 && desktop.output.trimmed().isEmpty(), qPrintable(desktop.output));
    QSettings parsed(entry, QSettings::IniFormat);
    parsed.beginGroup("Desktop Entry");
    QCOMPARE(parsed.value("Path").toString(), QDir(m_app).absolutePath());
    QCOMPARE(parsed.value("Name").toString(), "Trelvane Audio Player");
    QCOMPARE(parsed.value("X-Trelvane-Version").toString(), "1.30");

    const QString metainfo = m_app + "/share/metainfo/net.trelvane.AudioPlayer.metainfo.xml";
    const Run appstream = run("appstreamcli", {"validate", "--no-net", metainfo});
    QVERIFY2(appstream.exitCode == 0, qPrintable(appstream.output));
    QFile xml(metainfo);
    QVERIFY(xml.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(xml.readAll());
    QVERIFY(text.contains("<name>Trelvane Audio Player</name>"));
    QVERIFY(text.contains(QRegularExpression("<release version=\"1\\.30\"")));

    for (int size : {16, 32, 48, 64}) {
        const QString icon = QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/net.trelvane.AudioPlayer.png")
                                 .arg(m_app).arg(size);
        QCOMPARE(QImageReader(icon).size(), QSize(size, size));
    }
}

QTEST_GUILESS_MAIN(TestInstallation)
#include "test_installation.moc"
