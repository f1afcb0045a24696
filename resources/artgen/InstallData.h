#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace artgen {

// A data file of the installation folder, by its path inside that folder.
struct DataFile {
    QString path;
    QByteArray bytes;
};

// The 96 gallery pictures: JPEG files under ".vyp" names.
QList<DataFile> drawGalleryPictures();
// The start-up and shut-down screens of Anzel and Tavi and their previews.
QList<DataFile> drawLogoScreens();
// The program icon as PNG files of the hicolor theme, at 16 to 64 pixels.
QList<DataFile> drawDesktopIcons();

} // namespace artgen
