#include "TForm1.h"
#include "DeclarationForm.h"
#include "DeclarationPrinter.h"
#include "ErrorBox.h"
#include "FieldCatalogue.h"
#include "FocusKeeper.h"
#include "Fonts.h"
#include "FormPalette.h"
#include "FormScrollArea.h"
#include "GroupBuildSchedule.h"
#include "ReportTemplates.h"
#include "SavedFormCommands.h"
#include "THeaderFill.h"
#include "TStringGrid.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QWheelEvent>
#include <utility>

namespace {

const QColor ContentBackground(0xEA, 0xE5, 0xCF);
const QColor HighlightStart(0xFB, 0xE6, 0x94);
const QColor HighlightEnd(0xEE, 0x95, 0x15);
const QColor PlainFill(0xD2, 0xCF, 0xBE);
const QColor PlainCaption(0x4F, 0x50, 0x45);

constexpr int WheelPixels = 20;

QFrame *panel(QWidget *parent, const QString &name, QRect geometry, QFrame::Shadow shadow, const QColor &background)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameStyle(QFrame::Panel | shadow);
    frame->setLineWidth(1);
    frame->setGeometry(geometry);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, background);
    frame->setPalette(palette);
    return frame;
}

QLabel *titleLabel(QWidget *parent, const TitleSpec &title)
{
    auto *label = new QLabel(title.text, parent);
    label->setObjectName(title.name);
    label->setFont(Fonts::byPixelHeight(QStringLiteral("Arial"), 27, Fonts::Bold));
    label->setGeometry(title.geometry);
    return label;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8("Elektronikus nyomtatvány - Kökényvára Polgármesteri Hivatal"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(Fonts::byPixelHeight(QStringLiteral("MS Sans Serif"), 11));
    setPalette(formPalette());

    buildMenu();
    buildContent();

    m_focusConnection =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusChanged(now); });
    qApp->installEventFilter(this);
    // Installed after this window's own filter, so that it sees the user's first input before it.
    new GroupBuildSchedule(*m_declaration, *this, *m_scrollArea);
    m_declaration->widget(0)->setFocus(); // Edit1 takes the focus when the window becomes active
}

TForm1::~TForm1()
{
    // Destroying the fields moves the focus: this window must no longer hear of it.
    disconnect(m_focusConnection);
    qApp->removeEventFilter(this);
}

void TForm1::buildMenu()
{
    const std::array<std::pair<const char *, void (TForm1::*)()>, 4> items = {{
        {"Nyomtatás", &TForm1::Nyomtats1Click},
        {"Űrlap mentése", &TForm1::Kitltsmentse1Click},
        {"Kitöltött űrlap betöltése", &TForm1::Kitltttrlapbetltse1Click},
        {"Kilépés", &TForm1::Kilps1Click},
    }};
    const char *const names[4] = {"Nyomtats1", "Kitltsmentse1", "Kitltttrlapbetltse1", "Kilps1"};
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    m_focusKeeper = new FocusKeeper(*bar);
    for (size_t i = 0; i < items.size(); ++i) {
        // Captions without accelerator letters: a literal "&" would need doubling, and none has one.
        QAction *action = bar->addAction(QString::fromUtf8(items[i].first));
        action->setObjectName(QString::fromLatin1(names[i]));
        const auto handler = items[i].second;
        connect(action, &QAction::triggered, this, [this, handler] {
            guarded([this, handler] { (this->*handler)(); });
            m_focusKeeper->commandDone();
        });
        m_menuActions[i] = action;
    }
}

void TForm1::buildContent()
{
    m_scrollArea = new FormScrollArea(this);
    setCentralWidget(m_scrollArea);

    auto *client = new QWidget;
    client->setAutoFillBackground(true);

    QFrame *content =
        panel(client, QStringLiteral("Panel1"), FieldCatalogue::contentPanel(), QFrame::Raised, ContentBackground);
    // The scroll range reaches the content panel's bottom edge; no horizontal range.
    client->setMinimumHeight(content->geometry().bottom() + 1);
    for (const TitleSpec &title : FieldCatalogue::titles())
        titleLabel(content, title);

    for (int s = 0; s < 3; ++s) {
        const SectionSpec &layout = FieldCatalogue::sections()[s];
        m_sectionPanels[s] = panel(content, layout.panel, layout.geometry, QFrame::Sunken, ContentBackground);
        m_headerFills[s] = new THeaderFill(layout.caption, m_sectionPanels[s]);
        m_headerFills[s]->setObjectName(layout.bar);
        m_headerFills[s]->setGeometry(layout.barGeometry);
        // Until the focus first enters a section, every bar is highlighted in the window-text colour.
        m_headerFills[s]->setColors(HighlightStart, HighlightEnd, this->palette().color(QPalette::WindowText));
    }
    m_scrollArea->setWidget(client);

    m_declaration = new DeclarationForm(m_sectionPanels[0], m_sectionPanels[1], m_sectionPanels[2], this);
    m_printer = std::make_unique<DeclarationPrinter>(*m_declaration, buildReportTemplates);
}

void TForm1::showFillingWorkArea()
{
    // A Wayland window cannot place itself, and the screen's work area there may include the
    // panels: only the compositor knows the area, and a maximised window fills it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        showMaximized();
    } else {
        setGeometry(screen()->availableGeometry());
        show();
        fitFrameToWorkArea();
    }
    m_scrollArea->setPosition(0);
    activateWindow();
}

QMargins TForm1::frameMargins() const
{
    const QRect frame = frameGeometry();
    return {geometry().left() - frame.left(), geometry().top() - frame.top(), frame.right() - geometry().right(),
            frame.bottom() - geometry().bottom()};
}

void TForm1::fitFrameToWorkArea()
{
    // The frame lies outside the client geometry: shrink so that the whole frame fits the area.
    m_fittedFrame = frameMargins();
    setGeometry(screen()->availableGeometry().marginsRemoved(*m_fittedFrame));
}

void TForm1::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    refitWhenFramed();
}

void TForm1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_fittedFrame) {
        refitWhenFramed();
        m_fittedFrame.reset(); // from now on the window is the user's to move and resize
    }
}

void TForm1::refitWhenFramed()
{
    // A window manager frames the window only after it is shown; its frame is known by the time
    // it moves the window into it or first activates it, and is fitted to the work area then.
    if (m_fittedFrame && frameMargins() != *m_fittedFrame)
        fitFrameToWorkArea();
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

void TForm1::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

void TForm1::setHighlighted(int section, bool highlighted)
{
    THeaderFill *bar = m_headerFills[section - 1];
    if (highlighted)
        bar->setColors(HighlightStart, HighlightEnd, Qt::black);
    else
        bar->setColors(PlainFill, PlainFill, PlainCaption);
}

void TForm1::Panel2Enter()
{
    setHighlighted(1, true);
    setHighlighted(2, false);
    setHighlighted(3, false);
}

void TForm1::Panel3Enter()
{
    setHighlighted(2, true);
    setHighlighted(1, false);
    setHighlighted(3, false);
}

void TForm1::Panel4Enter()
{
    setHighlighted(3, true);
    setHighlighted(1, false);
    setHighlighted(2, false);
}

int TForm1::sectionOf(const QWidget *widget) const
{
    for (int s = 0; s < 3; ++s) {
        if (widget && m_sectionPanels[s]->isAncestorOf(widget))
            return s + 1;
    }
    return 0;
}

void TForm1::focusChanged(QWidget *now)
{
    const int section = sectionOf(now);
    if (section == 0)
        return; // focus outside the declaration (a dialog, another window): nothing entered
    const int previous = std::exchange(m_lastSection, section);
    // The grid's in-place editor belongs to the table: the table is what comes into view.
    TStringGrid *grid = m_declaration->grid();
    m_scrollArea->showWidget(grid->isAncestorOf(now) ? grid : now);
    if (section == previous)
        return;
    guarded([this, section] {
        switch (section) {
        case 1:
            Panel2Enter();
            break;
        case 2:
            Panel3Enter();
            break;
        case 3:
            Panel4Enter();
            break;
        }
    });
}

void TForm1::FormMouseWheelDown(bool &handled)
{
    handled = true;
    m_scrollArea->setPosition(m_scrollArea->position() + WheelPixels);
}

void TForm1::FormMouseWheelUp(bool &handled)
{
    handled = true;
    m_scrollArea->setPosition(m_scrollArea->position() - WheelPixels);
}

void TForm1::wheelStep(bool down)
{
    QWidget *focus = QApplication::focusWidget();
    TStringGrid *grid = m_declaration->grid();
    if (focus && (focus == grid || grid->isAncestorOf(focus))) {
        grid->stepCurrentRow(down ? 1 : -1);
        return;
    }
    bool handled = false;
    if (down)
        FormMouseWheelDown(handled);
    else
        FormMouseWheelUp(handled);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    auto *target = qobject_cast<QWidget *>(watched);
    if (!target || target->window() != this)
        return false;
    // The step goes to the focused control, wherever the pointer is.
    const int steps = m_wheelSteps.add(static_cast<QWheelEvent *>(event)->angleDelta().y());
    for (int i = 0; i < std::abs(steps); ++i)
        guarded([this, steps] { wheelStep(steps < 0); });
    return true;
}
