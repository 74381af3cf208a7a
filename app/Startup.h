#pragma once
#include <QTranslator>
#include <memory>

class TForm1;
class TForm2;
class TForm3;

// The program's windows, created in start-up order once the application object exists: the
// look-alike fonts, the program's icon and Qt's own texts in Hungarian, then Form1 (the main window), Form2 and Form3,
// which stay hidden. Form1 is shown filling the work area. The windows live as long as this object.
class Startup
{
public:
    Startup();
    ~Startup();

    TForm1 &form1() const { return *m_form1; }

private:
    QTranslator m_toolkitTexts; // the print dialog, the page set-up, the fields' context menus
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
};
