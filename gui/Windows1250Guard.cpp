#include "Windows1250Guard.h"
#include "Windows1250.h"

#include <QApplication>
#include <QLineEdit>
#include <QValidator>

namespace {
class Windows1250Validator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        if (Windows1250::canEncode(input) && !input.contains(u'\n') && !input.contains(u'\r'))
            return Acceptable;
        QApplication::beep();
        return Invalid;
    }
};
} // namespace

void refuseNonWindows1250(QLineEdit *edit)
{
    edit->setValidator(new Windows1250Validator(edit));
}
