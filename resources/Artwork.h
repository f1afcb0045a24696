#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QStringList>

// The window artwork that ships inside the program, each asset addressed by
// its name ("artBackground", "icoFlag", ...). Assets are read-only; a window
// takes the ones it shows when it is created.
namespace resources {

QStringList assetNames();
// The asset as the program stores it. Throws AppError for an unknown name.
QByteArray assetBytes(const QString& name);
QImage assetImage(const QString& name);
QPixmap assetPixmap(const QString& name);
// Icons keep every image they hold, for the sizes a desktop asks for.
QIcon assetIcon(const QString& name);
// A mouse pointer from an icon asset, its hot spot at the top-left.
QCursor assetCursor(const QString& name);

} // namespace resources
