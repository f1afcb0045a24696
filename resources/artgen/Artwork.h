#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace artgen {

// One asset of the program's artwork, encoded as the program stores it.
struct Asset {
    QString name;
    QString fileName;
    QByteArray bytes;
};

// The eleven window pictures and icons, drawn and encoded.
QList<Asset> drawArtwork();

} // namespace artgen
