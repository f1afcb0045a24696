#include "AppError.h"
#include "PictureLoader.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <optional>
#include <sys/resource.h>

using platform::AppError;
using platform::ErrorCode;
using platform::FilePictureLoader;

namespace {

QImage sample(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 90));
    return image;
}

QByteArray encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

// A Windows bitmap header that promises a picture far larger than its file.
QByteArray bitmapDeclaring(qint32 width, qint32 height)
{
    QByteArray bytes(54 + 64, '\0');
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, bytes.data() + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, bytes.data() + at); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, quint32(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, quint32(width));
    put32(22, quint32(height));
    put16(26, 1);
    put16(28, 24);
    return bytes;
}

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestPictureLoader final : public QObject {
    Q_OBJECT
private slots:
    void load_data();
    void load();
    void missingFileAndFolder();
};

void TestPictureLoader::load_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("expectedError"); // 0: loads
    QTest::addColumn<QSize>("expectedSize");

    const QByteArray jpeg = encode(sample({64, 48}), "jpeg");
    QTest::newRow("jpeg under .vyp") << "jpeg-with-vyp-extension.vyp" << jpeg << 0 << QSize(64, 48);
    QTest::newRow("bitmap") << "bitmap.bmp" << encode(sample({33, 17}), "bmp") << 0 << QSize(33, 17);
    QTest::newRow("bitmap under .jpg") << "bitmap-with-jpg-extension.jpg"
                                       << encode(sample({20, 10}), "bmp") << 0 << QSize(20, 10);
    QTest::newRow("icon") << "icon.ico" << encode(sample({32, 32}), "ico") << 0 << QSize(32, 32);
    QTest::newRow("text file") << "notes.vyp" << QByteArray("These are not the pictures.\n")
                               << int(ErrorCode::InvalidPicture) << QSize();
    QTest::newRow("empty file") << "empty.vyp" << QByteArray() << int(ErrorCode::InvalidPicture)
                                << QSize();
    QTest::newRow("truncated jpeg") << "truncated.vyp" << jpeg.left(jpeg.size() / 2)
                                    << int(ErrorCode::InvalidPicture) << QSize();
    QTest::newRow("bitmap declaring 60000 x 60000") << "huge.bmp" << bitmapDeclaring(60000, 60000)
                                                    << int(ErrorCode::InvalidPicture) << QSize();
    QTest::newRow("bitmap declaring a negative width") << "negative.bmp" << bitmapDeclaring(-5, 10)
                                                       << int(ErrorCode::InvalidPicture) << QSize();
}

void TestPictureLoader::load()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(int, expectedError);
    QFETCH(QSize, expectedSize);

    QTemporaryDir dir;
    const QString path = dir.filePath(fileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const long peakBefore = peakResidentKiB();
    std::optional<AppError> error;
    QImage picture;
    try {
        picture = FilePictureLoader().load(path);
    } catch (const AppError& e) {
        error = e;
    }
    const long grownKiB = peakResidentKiB() - peakBefore;
    QVERIFY2(grownKiB < 64 * 1024, qPrintable(QStringLiteral("the load took %1 KiB").arg(grownKiB)));

    if (expectedError == 0) {
        QVERIFY2(!error, error ? qPrintable(error->reportText()) : "");
        QCOMPARE(picture.size(), expectedSize);
        // The pixels are the picture's, not a grey stand-in: compare a corner colour.
        const QColor corner = picture.pixelColor(expectedSize.width() - 1, expectedSize.height() - 1);
        QVERIFY2(corner.red() > 200 && corner.green() > 200,
                 qPrintable(QStringLiteral("corner is %1").arg(corner.name())));
    } else {
        QVERIFY2(error, "the load must fail");
        QCOMPARE(error->number(), expectedError);
        QCOMPARE(error->concerning(), path);
    }
}

void TestPictureLoader::missingFileAndFolder()
{
    QTemporaryDir dir;
    const struct {
        QString path;
        ErrorCode code;
    } cases[] = {
        {dir.filePath(QStringLiteral("Anzel5.vyp")), ErrorCode::FileNotFound},
        {dir.filePath(QStringLiteral("Pictures/Anzel/Anzel5.vyp")), ErrorCode::PathNotFound},
    };
    for (const auto& c : cases) {
        try {
            FilePictureLoader().load(c.path);
            QFAIL(qPrintable(QStringLiteral("loaded a missing file ") + c.path));
        } catch (const AppError& e) {
            QCOMPARE(e.code(), c.code);
        }
    }
}

QTEST_GUILESS_MAIN(TestPictureLoader)
#include "test_pictureloader.moc"
