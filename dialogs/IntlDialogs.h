#pragma once
#include "MsgDlg.h"

#include <QFont>
#include <QString>
#include <cstdint>
#include <memory>

class TMessageForm;

// The language of every dialog: an index into the language table (10 Hungarian). English until
// a command sets it; keeps the last value set.
extern std::uint8_t DialogLanguage;

// The font the message box draws its message in: Verdana, 10 points, bold.
const QFont &messageFont();

// Asks for one line of text (at most 255 characters). text starts as defaultText, shown
// selected; OK gives true and the edited line, any other way out false and defaultText.
bool IntlInputQuery(const QString &caption, const QString &prompt, const QString &defaultText, QString &text);

// An information box with the single button OK.
void IntlShowMessage(const QString &text);

// Shows a message box and returns the modal result of the button used (mrCancel for the close
// box). There is no help system, so the help context has nothing to open.
int IntlMessageDlg(const QString &text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext);

// Builds the dialogs without showing them.
std::unique_ptr<TMessageForm> CreateIntlMessageForm(const QString &text, TMsgDlgType type, TMsgDlgButtons buttons,
                                                    int language);
std::unique_ptr<TMessageForm> CreateIntlInputForm(const QString &caption, const QString &prompt, const QString &text,
                                                  int language);
