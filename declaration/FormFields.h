#pragma once
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class TNumEdit;
class TStringGrid;

// The declaration's fields built from the catalogue into the three section panels of the main
// window, with their captions, group boxes and labels, kept by catalogue index (component order).
//
// Section I is built at once, each income group's box when it is first needed: the window builds
// those it is about to show and the rest right after its first frame, so that start-up pays only
// for what that frame shows. Whatever reaches a field goes through field(), which builds its group
// first; the tab order runs through the fields built so far.
class FormFields
{
public:
    using InputBuilt = std::function<void(TNumEdit &input, int group)>;
    FormFields(QWidget *panel2, QWidget *panel3, QWidget *panel4, InputBuilt inputBuilt);

    QWidget *field(int index);
    TStringGrid *grid() const { return m_grid; }

    // Builds the groups not yet built whose boxes begin above `bottom` in the coordinates of
    // `client`, an ancestor of the section panels.
    void buildGroupsAbove(const QWidget *client, int bottom);
    void complete(); // builds every group not yet built
    bool isComplete() const;
    bool isBuilt(int group) const;

private:
    void buildSectionOne(QWidget *panel);
    void buildGroup(int group);
    QWidget *panelOf(int group) const;
    void chainTabOrder();

    std::vector<QWidget *> m_fields; // none yet for a group not built
    TStringGrid *m_grid = nullptr;
    std::array<QWidget *, 2> m_incomePanels; // sections II and III, which hold the groups
    InputBuilt m_inputBuilt;
};
