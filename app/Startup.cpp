#include "Startup.h"
#include "Fonts.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TForm3.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

Startup::Startup()
{
    Fonts::installLookAlikes();
    // Every window takes the application's icon: the main window, the preview, the dialogs and the
    // error box. The desktop file name ties the windows to the menu entry and its icon.
    QIcon icon;
    for (const QFileInfo &file : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    QApplication::setWindowIcon(icon);
    QGuiApplication::setDesktopFileName(QStringLiteral("ktv3815"));
    if (m_toolkitTexts.load(QStringLiteral(":/translations/qtbase_hu.qm")))
        QCoreApplication::installTranslator(&m_toolkitTexts);
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
