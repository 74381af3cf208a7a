#pragma once
#include <memory>

class TForm1;
class TForm2;
class TForm3;

// The program's windows, created in start-up order once the application object exists: the
// look-alike fonts and the program's icon, then Form1 (the main window), Form2 and Form3, which
// stay hidden. Form1 is shown filling the work area. The windows live as long as this object.
class Startup
{
public:
    Startup();
    ~Startup();

    TForm1 &form1() const { return *m_form1; }

private:
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TForm2> m_form2;
    std::unique_ptr<TForm3> m_form3;
};
