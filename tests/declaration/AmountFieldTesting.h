#pragma once
#include "ErrorBox.h"
#include "RegionalSettings.h"
#include "TNumEdit.h"

#include <QApplication>
#include <QStringList>
#include <QTest>

// Plumbing of the widget tests of amount fields: settings pinned, the error box captured,
// windows shown and active, a field focused with its caret placed.
namespace AmountFieldTesting {

// For as long as it lives: the Hungarian settings pinned, the error box's messages appended to errors.
class HungarianCapturingErrors
{
public:
    explicit HungarianCapturingErrors(QStringList &errors)
        : m_errorSink([&errors](const QString &message) { errors.append(message); })
    {
    }

private:
    const RegionalSettings::PinForTesting m_hungarian{RegionalSettings::hungarian()};
    const ErrorSinkForTesting m_errorSink;
};

inline bool showActive(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// The field holds the text and the focus, with the caret at the position and nothing selected.
inline void focusWithText(TNumEdit *edit, const QString &text, int caret)
{
    edit->setText(text);
    edit->setFocus(Qt::OtherFocusReason);
    edit->setCursorPosition(caret);
}

} // namespace AmountFieldTesting
