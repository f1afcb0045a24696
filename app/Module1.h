#pragma once

#include <QPointer>

#include <functional>

namespace app {

class Form1;

// The program's start procedure and its one reference to the main window.
class Module1 final {
public:
    // The main window for the whole run; nothing else creates a Form1.
    static QPointer<Form1> mainWindow;

    // How the procedure makes the main window; tests and benchmarks give
    // one that records its call or uses a page of their own.
    using MainWindowFactory = std::function<Form1*()>;

    // Shows the splash, builds and loads the main window behind it, closes the
    // splash, shows the main window and returns to the event loop.
    static void Main(const MainWindowFactory& create = {});
};

} // namespace app
