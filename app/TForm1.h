#pragma once
#include "TRijndael.h"

#include <QMainWindow>
#include <memory>

class DeclarationForm;
class DeclarationPrinter;
class SavedFormCommands;
class TForm3;
class WorkAreaFit;

// The main declaration window: the menu bar with its four commands over the scrolling content
// panel, whose three sections hold the declaration's fields. Its children (the form's panels,
// bars and fields) bear the form's names; what follows the focus, the wheel and the work area are
// parts of their own.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
    ~TForm1() override;

    // The hidden buffer window, created after this one, holds the saved form's line buffers.
    void attachForm3(TForm3 &form3);

    // Sizes and places the window to fill the work area, scrolled to the top, and shows it.
    void showFillingWorkArea();

    // Menu commands.
    void Nyomtats1Click();
    void Kitltsmentse1Click();
    void Kitltttrlapbetltse1Click();
    void Kilps1Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    QWidget *buildContent();

    WorkAreaFit *m_workArea = nullptr;
    DeclarationForm *m_declaration = nullptr;
    TRijndael m_rijndael1;
    std::unique_ptr<SavedFormCommands> m_savedForm;
    std::unique_ptr<DeclarationPrinter> m_printer; // Report1, the print identifier, the column sums
};
