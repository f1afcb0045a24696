#include "BrowserPane.h"
#include "ErrorGuard.h"
#include "Module1.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    app::prepareBrowserEngine();
    QApplication application(argc, argv);
    app::prepareToolkit();
    // The start procedure traps nothing: a main window that cannot be built
    // is reported, and with no window open the program ends.
    if (!platform::runGuarded([] { app::Module1::Main(); }))
        return 1;
    return QApplication::exec();
}
