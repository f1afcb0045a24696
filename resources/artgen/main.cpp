// Draws the program's artwork and the installation's data files.
//   trelvane-artgen --artwork DIR    the eleven window assets, for the resources
//   trelvane-artgen --data DIR       Pictures/ and Logos/ of the installation folder
//   trelvane-artgen --icons DIR      the program icon for the desktop's hicolor theme
#include "Artwork.h"
#include "InstallData.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "trelvane-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments();
    const QStringList modes{QStringLiteral("--artwork"), QStringLiteral("--data"), QStringLiteral("--icons")};
    if (args.size() != 3 || !modes.contains(args[1])) {
        std::fprintf(stderr, "usage: trelvane-artgen --artwork DIR | --data DIR | --icons DIR\n");
        return 2;
    }
    const QDir out(args[2]);
    bool ok = true;
    if (args[1] == QLatin1String("--artwork")) {
        for (const artgen::Asset& asset : artgen::drawArtwork())
            ok = writeFile(out.filePath(asset.fileName), asset.bytes) && ok;
    } else if (args[1] == QLatin1String("--icons")) {
        for (const artgen::DataFile& file : artgen::drawDesktopIcons())
            ok = writeFile(out.filePath(file.path), file.bytes) && ok;
    } else {
        for (const auto& files : {artgen::drawGalleryPictures(), artgen::drawLogoScreens()})
            for (const artgen::DataFile& file : files)
                ok = writeFile(out.filePath(file.path), file.bytes) && ok;
    }
    return ok ? 0 : 1;
}
