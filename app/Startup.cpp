#include "Startup.h"

#include "Units.h"

#include <QApplication>
#include <QStyleFactory>

namespace app {

void prepareToolkit()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    kit::loadClassicFonts();
    QApplication::setFont(kit::defaultFont());
}

} // namespace app
