#pragma once
#include "TRijndael.h"
#include "WheelSteps.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

class DeclarationForm;
class DeclarationPrinter;
class SavedFormCommands;
class TForm3;
class FormScrollArea;
class FocusKeeper;
class QAction;
class QFrame;
class THeaderFill;

// The main declaration window: the scrolling content panel with its three sections, the menu
// bar with the four commands, wheel scrolling and the highlighting of the focused section.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The hidden buffer window, created after this one, holds the saved form's line buffers.
    void attachForm3(TForm3 &form3);

    // Sizes and places the window to fill the work area, scrolled to the top, and shows it
    // (maximised where the platform does not let a window place itself).
    void showFillingWorkArea();

    DeclarationForm &declaration() const { return *m_declaration; }
    FormScrollArea *scrollArea() const { return m_scrollArea; }
    THeaderFill *headerFill(int section) const { return m_headerFills[section - 1]; }
    QAction *menuAction(int item) const { return m_menuActions[item]; }
    SavedFormCommands &savedForm() const { return *m_savedForm; }
    DeclarationPrinter &printer() const { return *m_printer; }

    // Menu commands.
    void Nyomtats1Click();
    void Kitltsmentse1Click();
    void Kitltttrlapbetltse1Click();
    void Kilps1Click();

    // Run when the focus moves into a field of section I, II or III from outside it.
    void Panel2Enter();
    void Panel3Enter();
    void Panel4Enter();

    // One wheel step for the window: 20 px down (towards the user) or up, clamped.
    void FormMouseWheelDown(bool &handled);
    void FormMouseWheelUp(bool &handled);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildMenu();
    void buildContent();
    QMargins frameMargins() const;
    void fitFrameToWorkArea();
    void refitWhenFramed();
    void focusChanged(QWidget *now);
    int sectionOf(const QWidget *widget) const;
    void wheelStep(bool down);
    void setHighlighted(int section, bool highlighted);

    FormScrollArea *m_scrollArea = nullptr;
    std::array<QFrame *, 3> m_sectionPanels{};
    std::array<THeaderFill *, 3> m_headerFills{};
    std::array<QAction *, 4> m_menuActions{};
    FocusKeeper *m_focusKeeper = nullptr; // a child of the menu bar
    DeclarationForm *m_declaration = nullptr;
    // The section of the field that last had the focus, 0 before the first. A number, not the
    // widget: the focus may have been in a cell editor that the table has deleted since.
    int m_lastSection = 0;
    WheelSteps m_wheelSteps;
    // The frame last fitted to the work area, from showing the window to its first activation.
    std::optional<QMargins> m_fittedFrame;
    QMetaObject::Connection m_focusConnection;
    TRijndael m_rijndael1;
    std::unique_ptr<SavedFormCommands> m_savedForm;
    std::unique_ptr<DeclarationPrinter> m_printer; // Report1, the print identifier, the column sums
};
