#pragma once
#include <bit>
#include <initializer_list>

// Message types; each but mtCustom has a system icon and a title in the language table.
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// Buttons in their fixed order of appearance.
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
constexpr int MsgDlgBtnCount = mbHelp + 1;

class TMsgDlgButtons
{
public:
    TMsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons)
    {
        for (TMsgDlgBtn b : buttons)
            m_bits |= 1u << b;
    }
    bool contains(TMsgDlgBtn button) const { return m_bits & (1u << button); }
    int count() const { return std::popcount(m_bits); }

private:
    unsigned m_bits = 0;
};

// Modal results, numbered from 0 (mrNone) in this order. A dialog closed by its close box returns mrCancel.
enum TModalResult { mrNone, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrYes, mrNo, mrAll, mrNoToAll, mrYesToAll };
