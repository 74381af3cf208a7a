#include "ExtendedPrecision.h"
#include "Fonts.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TForm3.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Fonts::installLookAlikes();

    TForm1 form1; // created first: the main window
    TForm2 form2; // never shown
    TForm3 form3; // never shown: the saved form's line buffers
    form1.attachForm3(form3);
    form1.showFillingWorkArea();
    return application.exec();
}
