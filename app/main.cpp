#include "ExtendedPrecision.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const Startup windows;
    return application.exec();
}
