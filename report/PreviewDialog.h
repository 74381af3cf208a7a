#pragma once
#include "ErrorGuard.h"
#include "PreparedPage.h"
#include "ScopedValue.h"

#include <QDialog>
#include <functional>
#include <vector>

class PreviewPages;
class QAction;
class QPrinter;
class QScrollArea;
class QToolBar;

// The print preview: modal, maximised, opening at 100 %, with a tool bar offering only Print
// and the zoom commands. Print opens the print dialog (the default printer, all pages, one
// copy) and prints the prepared pages as they are. An error of a command goes to the error display.
class PreviewDialog : public QDialog
{
    Q_OBJECT
public:
    PreviewDialog(const std::vector<PreparedPage> &pages, ErrorDisplay showError, QWidget *parent = nullptr);

    enum Command { Print, ZoomIn, ZoomOut, ActualSize, WholePage };
    QAction *action(Command command) const { return m_actions[command]; }
    QToolBar *toolBar() const { return m_toolBar; }
    PreviewPages *pagesWidget() const { return m_pages; }

    double zoom() const;
    // Runs the print dialog and prints.
    void print();

    // Shows the preview and returns when it is closed.
    void showModal();

    // Tests act for the user, for as long as a hook object lives; the hook set before it comes
    // back when it ends. With a modal hook, showModal() runs the dialog modally as usual and, once
    // it is the active window, hands it to the hook; it is closed when the hook returns. With a
    // print dialog hook, print() asks the hook, which sets up the printer and answers whether to
    // print, instead of the print dialog.
    using ModalHook = std::function<void(PreviewDialog &)>;
    using PrintDialogHook = std::function<bool(QPrinter &)>;
    template <typename Hook> class HookForTesting
    {
    public:
        explicit HookForTesting(Hook hook) : m_hook(PreviewDialog::hook<Hook>(), std::move(hook)) {}

    private:
        ScopedValue<Hook> m_hook;
    };
    using ModalHookForTesting = HookForTesting<ModalHook>;
    using PrintDialogHookForTesting = HookForTesting<PrintDialogHook>;

private:
    template <typename Hook> static Hook &hook()
    {
        static Hook current;
        return current;
    }
    void addCommand(Command command, const QString &text, const QList<QKeySequence> &shortcuts,
                    const std::function<void()> &handler);
    void setZoom(double zoom);
    void zoomToWholePage();
    bool askPrinter(QPrinter &printer);

    const std::vector<PreparedPage> &m_prepared;
    ErrorDisplay m_showError;
    QToolBar *m_toolBar = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    PreviewPages *m_pages = nullptr;
    QAction *m_actions[WholePage + 1] = {};
};
