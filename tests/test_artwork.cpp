#include "Artwork.h"
#include "VersionBlock.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// The colour depth a file declares: the bitmap header's bit count, each icon
// image's bit count, or 8 bits per component of a JPEG's frame.
QList<int> declaredDepths(const QByteArray& bytes, const QByteArray& format)
{
    if (format == "bmp")
        return {u16(bytes, 28)};
    if (format == "ico") {
        QList<int> depths;
        for (int i = 0; i < u16(bytes, 4); ++i) {
            // The directory's count and the image header's must agree.
            const int entry = 6 + 16 * i;
            const int inHeader = u16(bytes, int(u32(bytes, entry + 12)) + 14);
            depths << (inHeader == u16(bytes, entry + 6) ? inHeader : -1);
        }
        return depths;
    }
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    return {frame < 0 ? 0 : 8 * int(quint8(bytes[frame + 9]))};
}

QHash<QString, QByteArray> filesBelow(const QString& folder)
{
    QHash<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files.insert(path.mid(folder.size()), file.readAll());
    }
    return files;
}

} // namespace

class TestArtwork final : public QObject {
    Q_OBJECT
private slots:
    void assetTable_data();
    void assetTable();
    void iconTransparency();
    void generatorDrawsTheSameBytesTwice();
    void versionBlock();
};

void TestArtwork::assetTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::addColumn<QList<int>>("depths");
    QTest::addColumn<int>("bytes"); // for the JPEG: the size it should come near

    using S = QList<QSize>;
    using D = QList<int>;
    QTest::newRow("artBackground") << "artBackground" << QByteArray("bmp") << S{{520, 520}} << D{24} << 811254;
    QTest::newRow("artProgressStrip") << "artProgressStrip" << QByteArray("bmp") << S{{139, 26}} << D{24} << 10974;
    QTest::newRow("artFramedLogo") << "artFramedLogo" << QByteArray("bmp") << S{{230, 185}} << D{24} << 128074;
    QTest::newRow("artSplashLogo") << "artSplashLogo" << QByteArray("bmp") << S{{180, 135}} << D{24} << 72954;
    QTest::newRow("artOsBadge") << "artOsBadge" << QByteArray("bmp") << S{{199, 54}} << D{24} << 32454;
    QTest::newRow("artAboutPhoto") << "artAboutPhoto" << QByteArray("jpeg") << S{{385, 289}} << D{24} << 16277;
    QTest::newRow("icoProgram") << "icoProgram" << QByteArray("ico") << S{{64, 64}} << D{8} << 5694;
    QTest::newRow("icoHelp") << "icoHelp" << QByteArray("ico") << S{{64, 64}} << D{8} << 5694;
    QTest::newRow("icoFlag") << "icoFlag" << QByteArray("ico") << S{{32, 32}, {16, 16}} << D{4, 4} << 1078;
    QTest::newRow("icoAbout") << "icoAbout" << QByteArray("ico") << S{{32, 32}} << D{4} << 766;
    QTest::newRow("curBlank") << "curBlank" << QByteArray("ico") << S{{32, 32}} << D{4} << 766;
}

void TestArtwork::assetTable()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(QList<QSize>, sizes);
    QFETCH(QList<int>, depths);
    QFETCH(int, bytes);

    const QByteArray content = resources::assetBytes(name);
    QBuffer buffer;
    buffer.setData(content);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), format);
    QCOMPARE(reader.imageCount() > 0 ? reader.imageCount() : 1, int(sizes.size()));
    for (int i = 0; i < sizes.size(); ++i) {
        QVERIFY(i == 0 || reader.jumpToImage(i));
        QCOMPARE(reader.read().size(), sizes[i]);
    }
    QCOMPARE(declaredDepths(content, format), depths);
    if (format == "jpeg") {
        QVERIFY2(qAbs(content.size() - bytes) < 2000, qPrintable(QString::number(content.size())));
        QCOMPARE(content.mid(6, 5), QByteArray("JFIF\0", 5));
    } else {
        QCOMPARE(int(content.size()), bytes);
    }
    if (format == "bmp")
        QCOMPARE(u32(content, 30), 0u); // uncompressed
}

void TestArtwork::iconTransparency()
{
    const QImage program = resources::assetImage("icoProgram").convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            QVERIFY2(qAlpha(program.pixel(x, y)) == 255, "the program icon is fully opaque");

    const QImage help = resources::assetImage("icoHelp").convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(help.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(help.pixel(63, 63)), 0);
    QCOMPARE(qAlpha(help.pixel(32, 32)), 255);

    const QImage blank = resources::assetImage("curBlank").convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            opaque += qAlpha(blank.pixel(x, y)) > 0;
    QCOMPARE(opaque, 1);
    QCOMPARE(blank.pixel(31, 31), qRgba(0, 0, 0, 255));
}

void TestArtwork::generatorDrawsTheSameBytesTwice()
{
    QTemporaryDir first, second;
    for (const QString& mode : {QStringLiteral("--artwork"), QStringLiteral("--data")}) {
        for (QTemporaryDir* dir : {&first, &second}) {
            QProcess generator;
            generator.start(TRELVANE_ARTGEN, {mode, dir->filePath(mode.mid(2))});
            QVERIFY(generator.waitForFinished(120000));
            QCOMPARE(generator.exitCode(), 0);
        }
    }
    const auto a = filesBelow(first.path());
    const auto b = filesBelow(second.path());
    QCOMPARE(a.size(), 11 + 96 + 12);
    QCOMPARE(a.keys().size(), b.keys().size());
    for (auto it = a.begin(); it != a.end(); ++it)
        QVERIFY2(b.value(it.key()) == it.value(), qPrintable(it.key() + " differs between runs"));
    // And the program embeds exactly what the generator draws.
    QCOMPARE(resources::assetBytes("artBackground"), a.value("/artwork/artBackground.bmp"));
}

void TestArtwork::versionBlock()
{
    const auto& block = resources::versionBlock();
    QCOMPARE(block.fileVersion, "1.30.0.0");
    QCOMPARE(block.productVersion, "1.30.0.0");
    QCOMPARE(block.fileType, "application");
    QCOMPARE(block.language, "0409");
    QCOMPARE(block.codePage, "1200");
    const QMap<QString, QString> fixed{{"ProductName", "Trelvane Audio Player"},
                                       {"FileDescription", "Trelvane Audio Player v1.30"},
                                       {"FileVersion", "1.30"},
                                       {"ProductVersion", "1.30"},
                                       {"Comments", "Windows ME/98/95"}};
    for (auto it = fixed.begin(); it != fixed.end(); ++it)
        QCOMPARE(block.strings.value(it.key()), it.value());
    for (const char* maker : {"CompanyName", "LegalCopyright", "InternalName", "OriginalFilename"})
        QVERIFY2(!block.strings.value(maker).isEmpty(), maker);
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "test_artwork.moc"
