#include "PreviewDialog.h"
#include "ModalRun.h"
#include "PagePrinting.h"
#include "PreviewPages.h"

#include <QAction>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr double ZoomStep = 1.25;
constexpr double SmallestZoom = 0.1;
constexpr double LargestZoom = 8.0;
constexpr int WholePageMargin = 40; // px left around the page when it is fitted into the window

} // namespace

PreviewDialog::PreviewDialog(const std::vector<PreparedPage> &pages, ErrorDisplay showError, QWidget *parent)
    : QDialog(parent), m_prepared(pages), m_showError(std::move(showError))
{
    setObjectName(QStringLiteral("PreviewDialog"));
    setWindowTitle(QString::fromUtf8("Nyomtatási kép"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_toolBar = new QToolBar(this);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addCommand(Print, QString::fromUtf8("Nyomtatás"), {QKeySequence(Qt::CTRL | Qt::Key_P)}, [this] { print(); });
    m_toolBar->addSeparator();
    addCommand(ZoomIn, QString::fromUtf8("Nagyítás"),
               {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
               [this] { setZoom(zoom() * ZoomStep); });
    addCommand(ZoomOut, QString::fromUtf8("Kicsinyítés"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
               [this] { setZoom(zoom() / ZoomStep); });
    addCommand(ActualSize, QStringLiteral("100 %"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { setZoom(1.0); });
    addCommand(WholePage, QString::fromUtf8("Egész oldal"), {}, [this] { zoomToWholePage(); });

    m_pages = new PreviewPages(pages);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setWidget(m_pages);
    m_scrollArea->setBackgroundRole(QPalette::Dark);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_scrollArea);

    setModal(true);
    // The work area's size as well, for desktops whose window manager does not maximise.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
}

void PreviewDialog::addCommand(Command command, const QString &text, const QList<QKeySequence> &shortcuts,
                               const std::function<void()> &handler)
{
    QAction *action = m_toolBar->addAction(text);
    action->setShortcuts(shortcuts);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, handler] { guarded(handler, m_showError); });
    m_actions[command] = action;
}

double PreviewDialog::zoom() const
{
    return m_pages->zoom();
}

void PreviewDialog::setZoom(double zoom)
{
    m_pages->setZoom(std::clamp(zoom, SmallestZoom, LargestZoom));
}

void PreviewDialog::zoomToWholePage()
{
    const QSizeF page = m_pages->largestPageAtActualSize();
    if (page.isEmpty())
        return;
    const QSize room = m_scrollArea->viewport()->size() - QSize(WholePageMargin, WholePageMargin);
    setZoom(std::min(room.width() / page.width(), room.height() / page.height()));
}

bool PreviewDialog::askPrinter(QPrinter &printer)
{
    if (hook<PrintDialogHook>())
        return hook<PrintDialogHook>()(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, int(m_prepared.size()));
    return execModal(dialog) == QDialog::Accepted;
}

void PreviewDialog::print()
{
    QPrinter printer(QPrinter::HighResolution); // the default printer
    printer.setPrintRange(QPrinter::AllPages);
    printer.setCopyCount(1);
    if (askPrinter(printer))
        PagePrinting::print(printer, m_prepared);
}

void PreviewDialog::showModal()
{
    if (!hook<ModalHook>()) {
        execModal(*this);
        return;
    }
    const ModalHook testHook = hook<ModalHook>(); // the hook may replace itself
    execAnswered(*this, [this, &testHook] { testHook(*this); });
}
