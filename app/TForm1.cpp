#include "TForm1.h"
#include "DeclarationForm.h"
#include "DeclarationPrinter.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "FocusKeeper.h"
#include "Fonts.h"
#include "FormPalette.h"
#include "FormScrollArea.h"
#include "FormWheel.h"
#include "GroupBuildSchedule.h"
#include "ReportTemplates.h"
#include "SavedFormCommands.h"
#include "SectionPanels.h"
#include "WorkAreaFit.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <tuple>

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8("Elektronikus nyomtatvány - Kökényvára Polgármesteri Hivatal"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(Fonts::byPixelHeight(QStringLiteral("MS Sans Serif"), 11));
    setPalette(formPalette());

    buildMenu();
    auto *scrollArea = new FormScrollArea(this);
    setCentralWidget(scrollArea);
    QWidget *content = buildContent();
    scrollArea->setWidget(content->parentWidget());
    const auto *sections = new SectionPanels(*content, *scrollArea);
    m_declaration = new DeclarationForm(sections->panel(1), sections->panel(2), sections->panel(3), this);
    m_printer = std::make_unique<DeclarationPrinter>(*m_declaration, buildReportTemplates);
    m_workArea = new WorkAreaFit(*this);
    new FormWheel(*this, *scrollArea, *m_declaration->grid());
    // Installed after the wheel's filter, so that it sees the user's first input before it.
    new GroupBuildSchedule(*m_declaration, *this, *scrollArea);
    m_declaration->widget(0)->setFocus(); // Edit1 takes the focus when the window becomes active
}

TForm1::~TForm1() = default;

void TForm1::buildMenu()
{
    // Caption, component name, handler.
    static constexpr std::tuple<const char *, const char *, void (TForm1::*)()> items[] = {
        {"Nyomtatás", "Nyomtats1", &TForm1::Nyomtats1Click},
        {"Űrlap mentése", "Kitltsmentse1", &TForm1::Kitltsmentse1Click},
        {"Kitöltött űrlap betöltése", "Kitltttrlapbetltse1", &TForm1::Kitltttrlapbetltse1Click},
        {"Kilépés", "Kilps1", &TForm1::Kilps1Click},
    };
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto *focusKeeper = new FocusKeeper(*bar);
    for (const auto &[caption, name, handler] : items) {
        // Captions without accelerator letters: a literal "&" would need doubling, and none has one.
        QAction *action = bar->addAction(QString::fromUtf8(caption));
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, [this, command = handler, focusKeeper] {
            guarded([this, command] { (this->*command)(); });
            focusKeeper->commandDone();
        });
    }
}

QWidget *TForm1::buildContent()
{
    auto *client = new QWidget;
    client->setAutoFillBackground(true);
    QFrame *content = formPanel(client, QStringLiteral("Panel1"), FieldCatalogue::contentPanel(), QFrame::Raised);
    // The scroll range reaches the content panel's bottom edge; no horizontal range.
    client->setMinimumHeight(content->geometry().bottom() + 1);
    for (const TitleSpec &title : FieldCatalogue::titles()) {
        auto *label = new QLabel(title.text, content);
        label->setObjectName(title.name);
        label->setFont(Fonts::byPixelHeight(QStringLiteral("Arial"), 27, Fonts::Bold));
        label->setGeometry(title.geometry);
    }
    return content;
}

void TForm1::showFillingWorkArea()
{
    m_workArea->show();
    findChild<FormScrollArea *>()->setPosition(0);
    activateWindow();
}

void TForm1::Nyomtats1Click()
{
    m_printer->Nyomtats1Click(this);
}

void TForm1::attachForm3(TForm3 &form3)
{
    m_savedForm = std::make_unique<SavedFormCommands>(*m_declaration, form3, m_rijndael1);
}

void TForm1::Kitltsmentse1Click()
{
    m_savedForm->save();
}

void TForm1::Kitltttrlapbetltse1Click()
{
    m_savedForm->load();
}

void TForm1::Kilps1Click()
{
    QCoreApplication::quit();
}

void TForm1::closeEvent(QCloseEvent *)
{
    QCoreApplication::quit();
}
