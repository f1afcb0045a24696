#include "Startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::prepareToolkit();
    return 0;
}
