#include "WindowRegistry.h"

#include <QApplication>

namespace kit {

WindowRegistry& WindowRegistry::instance()
{
    static WindowRegistry registry;
    return registry;
}

QWidget* WindowRegistry::open(const QString& name, const Factory& create)
{
    QWidget* window = find(name);
    if (!window) {
        window = create();
        m_windows.insert(name, window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QWidget* WindowRegistry::find(const QString& name) const
{
    return m_windows.value(name).data();
}

void endProgram()
{
    // Hiding sends no close events, so no window gets a say; exit() leaves the
    // event loop without asking the windows either, as quit() would.
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace kit
