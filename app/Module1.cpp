#include "Module1.h"

#include "Form1.h"
#include "WindowRegistry.h"
#include "frmSplash.h"

namespace app {

QPointer<Form1> Module1::mainWindow;

void Module1::Main(const MainWindowFactory& create)
{
    QWidget* splash = kit::WindowRegistry::instance().open(QStringLiteral("frmSplash"),
                                                           [] { return new frmSplash(); });
    // The event loop does not run until the main window is up, so the splash
    // is painted here or not at all.
    splash->repaint();

    mainWindow = create ? create() : new Form1();
    mainWindow->load();

    splash->close();
    mainWindow->show();
}

} // namespace app
