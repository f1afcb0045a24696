#pragma once

#include "BrowserPane.h"
#include "Startup.h"

#include <QApplication>
#include <QTest>

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
