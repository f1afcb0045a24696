// Gallery figures: the wall time from a picture button's click to the new
// picture in the box, for a 520 x 520 and a 1920 x 1080 JPEG, and the copy
// time of the export's 80 files, without its prompts.
//   bench_gallery DATA_DIR    the generated installation data (build/resources/data)
#include "BrowserPane.h"
#include "FileCopier.h"
#include "FolderCopy.h"
#include "GallerySet.h"
#include "GalleryWindow.h"
#include "PictureBox.h"
#include "Startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A photograph-sized picture in place of picture 2 of the first gallery.
void writeLargePicture(const QString& path)
{
    QImage image(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, 1920, 1080);
    shade.setColorAt(0, QColor(250, 160, 80));
    shade.setColorAt(1, QColor(40, 10, 90));
    painter.fillRect(image.rect(), shade);
    for (int i = 0; i < 400; ++i)
        painter.fillRect((i * 97) % 1900, (i * 53) % 1060, 20 + i % 60, 20 + i % 40, QColor::fromHsv(i % 360, 200, 220));
    painter.end();
    QImageWriter writer(path, "jpeg");
    writer.setQuality(88);
    writer.write(image);
}

double clickToPictureMs(gallery::GalleryWindow& window, int button)
{
    auto* command = window.findChild<QPushButton*>(QStringLiteral("Command%1").arg(button));
    QList<double> times;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(command, Qt::LeftButton);
        window.viewer()->repaint();
        times << clock.nsecsElapsed() / 1e6;
    }
    return median(times);
}

} // namespace

int main(int argc, char* argv[])
{
    app::prepareBrowserEngine();
    QApplication application(argc, argv);
    app::prepareToolkit();
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_gallery DATA_DIR\n");
        return 2;
    }
    QTemporaryDir installation;
    copyTree(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/Pictures"), installation.filePath(QStringLiteral("Pictures")));
    writeLargePicture(installation.filePath(QStringLiteral("Pictures/Anzel/Anzel2.vyp")));
    QDir().mkpath(installation.filePath(QStringLiteral("Converted")));
    QDir::setCurrent(installation.path());

    gallery::GalleryWindow window(*gallery::GallerySet::byWindow(QStringLiteral("frmAnzel")));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    std::printf("click to picture, 520 x 520 JPEG: median %.2f ms\n", clickToPictureMs(window, 1));
    std::printf("click to picture, 1920 x 1080 JPEG: median %.2f ms\n", clickToPictureMs(window, 2));

    platform::AtomicFileCopier copier;
    QList<double> exports;
    for (int round = 0; round < 10; ++round) {
        QElapsedTimer clock;
        clock.start();
        for (const gallery::GalleryEntry& entry : gallery::GallerySet::exportedGalleries())
            for (int k = 1; k <= gallery::GallerySet::picturesPerGallery; ++k)
                copier.copy(gallery::PicturePath(entry, k), gallery::ExportPath(entry, k));
        exports << clock.nsecsElapsed() / 1e6;
    }
    std::printf("export copy of 80 files (replacing the last run's): median %.1f ms, best %.1f ms\n",
                median(exports), *std::min_element(exports.begin(), exports.end()));
    return 0;
}
