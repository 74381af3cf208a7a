#include "Startup.h"
#include "Fonts.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TForm3.h"

Startup::Startup()
{
    Fonts::installLookAlikes();
    m_form1 = std::make_unique<TForm1>(); // created first: the main window
    m_form2 = std::make_unique<TForm2>();
    m_form3 = std::make_unique<TForm3>();
    m_form1->attachForm3(*m_form3);
    m_form1->showFillingWorkArea();
}

Startup::~Startup()
{
    // The main window's save and load commands hold Form3's buffers: it goes first.
    m_form1.reset();
}
