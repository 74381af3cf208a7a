#pragma once
#include <QAccessible>
#include <QObject>
#include <QPointer>

class DeclarationForm;
class FormScrollArea;

// When the main window builds its income groups: before its first frame those the window shows,
// right after that frame the rest. Anything that could reach a group not yet built builds them
// all at once before it arrives: the user's first key, click or wheel turn, a scroll, a window
// grown past what was built, a screen reader (at start or later). Once all are built it watches
// nothing more.
class GroupBuildSchedule : public QObject, private QAccessible::ActivationObserver
{
public:
    GroupBuildSchedule(DeclarationForm &declaration, QWidget &window, FormScrollArea &scrollArea);
    ~GroupBuildSchedule() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void accessibilityActiveChanged(bool active) override;
    // The bottom of the content the window shows, in the scrolled client's coordinates.
    int shownBottom() const;
    void complete();

    QPointer<DeclarationForm> m_declaration;
    QPointer<QWidget> m_window;
    QPointer<FormScrollArea> m_scrollArea;
    int m_builtBottom = -1; // as far as the groups were built for showing
    bool m_completionQueued = false;
};
