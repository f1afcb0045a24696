#include "Startup.h"

#include "AppInfo.h"
#include "Artwork.h"
#include "Units.h"

#include <QApplication>
#include <QStyleFactory>

namespace app {

void prepareToolkit()
{
    QApplication::setApplicationName(platform::appinfo::title());
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(platform::appinfo::versionMajor)
                                            .arg(platform::appinfo::versionMinor)
                                            .arg(platform::appinfo::versionRevision));
    QApplication::setDesktopFileName(QStringLiteral("net.trelvane.AudioPlayer"));
    QApplication::setWindowIcon(resources::assetIcon(QStringLiteral("icoProgram")));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    kit::loadClassicFonts();
    QApplication::setFont(kit::defaultFont());
}

} // namespace app
