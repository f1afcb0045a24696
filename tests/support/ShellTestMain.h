#pragma once

#include "BrowserPane.h"
#include "Form1.h"
#include "Startup.h"

#include <QApplication>
#include <QTest>

#include <memory>

// A main window created and loaded as the start procedure does, but kept by
// the test: its pane starts on a blank page, and closing it does not delete it.
inline std::unique_ptr<app::Form1> loadedMainWindow(app::Form1::Options options = {})
{
    if (options.startPage == app::Form1::startPage)
        options.startPage = QStringLiteral("about:blank");
    auto form = std::make_unique<app::Form1>(options);
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    form->load();
    return form;
}

// The main of a test that builds the program's windows: the browser engine
// is prepared before the application exists, then the toolkit as the
// program prepares it.
#define TRELVANE_SHELL_TEST_MAIN(TestClass)                                                        \
    int main(int argc, char* argv[])                                                              \
    {                                                                                             \
        app::prepareBrowserEngine();                                                              \
        QApplication application(argc, argv);                                                     \
        app::prepareToolkit();                                                                    \
        TestClass test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                   \
    }
