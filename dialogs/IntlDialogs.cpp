#include "IntlDialogs.h"
#include "ApplicationTitle.h"
#include "DialogUnits.h"
#include "Fonts.h"
#include "MessageBoxLayout.h"
#include "TInternationalRec.h"
#include "TMessageForm.h"

#include "Windows1250Guard.h"
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

std::uint8_t DialogLanguage = LanguageTable::English;

namespace {

constexpr int InputMaxLength = 255;
constexpr int TitleEntry = 1;  // + the message type
constexpr int ButtonEntry = 6; // + the button's place in the fixed order

struct ButtonSpec
{
    const char *name;
    int modalResult;
};

const ButtonSpec Buttons[MsgDlgBtnCount] = {
    {"Yes", mrYes},     {"No", mrNo},         {"OK", mrOk},   {"Cancel", mrCancel},   {"Abort", mrAbort},
    {"Retry", mrRetry}, {"Ignore", mrIgnore}, {"All", mrAll}, {"NoToAll", mrNoToAll}, {"YesToAll", mrYesToAll},
    {"Help", mrNone},
};

// The icons of mtWarning .. mtConfirmation; mtCustom has none.
const QStyle::StandardPixmap Icons[] = {QStyle::SP_MessageBoxWarning, QStyle::SP_MessageBoxCritical,
                                        QStyle::SP_MessageBoxInformation, QStyle::SP_MessageBoxQuestion};

// The first of two buttons the dialog has, else the third.
TMsgDlgBtn firstOf(TMsgDlgButtons buttons, TMsgDlgBtn first, TMsgDlgBtn second, TMsgDlgBtn otherwise)
{
    if (buttons.contains(first))
        return first;
    return buttons.contains(second) ? second : otherwise;
}

QLabel *transparentLabel(TMessageForm &form, const char *name, const QString &text)
{
    auto *label = new QLabel(text, &form);
    label->setObjectName(QLatin1String(name));
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    return label;
}

} // namespace

const QFont &messageFont()
{
    // 10 pt is 13 px at 96 dpi.
    static const QFont font = Fonts::byPixelHeight(QStringLiteral("Verdana"), 13, Fonts::Bold);
    return font;
}

std::unique_ptr<TMessageForm> CreateIntlInputForm(const QString &caption, const QString &prompt, const QString &text,
                                                  int language)
{
    auto form = std::make_unique<TMessageForm>();
    const DialogUnits units = DialogUnits::of(form->font());
    form->setWindowTitle(caption);
    form->setFixedSize(QSize(units.horizontal(180), units.vertical(63)));

    QLabel *label = transparentLabel(*form, "Prompt", prompt);
    label->move(units.horizontal(8), units.vertical(8));
    label->adjustSize();

    auto *edit = new QLineEdit(form.get());
    edit->setObjectName(QStringLiteral("Edit"));
    edit->setMaxLength(InputMaxLength);
    // The password is keyed by its Windows-1250 bytes: a character without one would silently
    // turn into "?" and make different passwords equal.
    refuseNonWindows1250(edit);
    edit->setText(text);
    edit->selectAll();
    edit->setGeometry(units.horizontal(8), units.vertical(19), units.horizontal(164), edit->sizeHint().height());
    edit->setFocus();

    const int top = units.vertical(41);
    const QSize button(units.horizontal(50), units.vertical(14));
    QPushButton *ok = form->addButton(QStringLiteral("OK"), QStringLiteral("OK"), mrOk,
                                      QRect(QPoint(units.horizontal(38), top), button));
    QPushButton *cancel = form->addButton(QStringLiteral("Cancel"), LanguageTable::row(language).text(0), mrCancel,
                                          QRect(QPoint(units.horizontal(92), top), button));
    ok->setDefault(true);
    form->setCancelButton(cancel);
    form->centreOnScreen();
    return form;
}

bool IntlInputQuery(const QString &caption, const QString &prompt, const QString &defaultText, QString &text)
{
    text = defaultText;
    const std::unique_ptr<TMessageForm> form = CreateIntlInputForm(caption, prompt, text, DialogLanguage);
    if (form->showModal() != mrOk)
        return false;
    text = form->findChild<QLineEdit *>(QStringLiteral("Edit"))->text();
    return true;
}

std::unique_ptr<TMessageForm> CreateIntlMessageForm(const QString &text, TMsgDlgType type, TMsgDlgButtons buttons,
                                                    int language)
{
    auto form = std::make_unique<TMessageForm>();
    const DialogUnits units = DialogUnits::of(form->font());
    const QSize extent = QFontMetrics(form->font())
                             .boundingRect(QRect(0, 0, QGuiApplication::primaryScreen()->geometry().width() / 2, 0),
                                           Qt::TextWordWrap | Qt::TextExpandTabs, text)
                             .size();
    const bool hasIcon = type != mtCustom;
    const MessageBoxLayout layout = MessageBoxLayout::compute(units, extent, hasIcon, buttons.count());
    form->setFixedSize(layout.client);

    const TInternationalRec &row = LanguageTable::row(language);
    form->setWindowTitle(type == mtCustom ? applicationTitle() : row.text(TitleEntry + type));

    if (hasIcon) {
        auto *image = new QLabel(form.get());
        image->setObjectName(QStringLiteral("Image"));
        image->setGeometry(layout.icon);
        image->setPixmap(form->style()->standardIcon(Icons[type]).pixmap(layout.icon.size()));
    }

    QLabel *message = transparentLabel(*form, "Message", text);
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message->setFont(messageFont());
    message->setGeometry(layout.message);

    const TMsgDlgBtn defaultButton = firstOf(buttons, mbOK, mbYes, mbRetry);
    const TMsgDlgBtn cancelButton = firstOf(buttons, mbCancel, mbNo, mbOK);
    int left = layout.firstButtonLeft;
    for (int b = 0; b < MsgDlgBtnCount; ++b) {
        const auto button = TMsgDlgBtn(b);
        if (!buttons.contains(button))
            continue;
        QPushButton *control =
            form->addButton(QLatin1String(Buttons[b].name), row.text(ButtonEntry + b), Buttons[b].modalResult,
                            QRect(QPoint(left, layout.buttonTop), layout.button));
        if (button == defaultButton) {
            control->setDefault(true);
            control->setFocus();
        }
        if (button == cancelButton)
            form->setCancelButton(control);
        left += layout.buttonStep;
    }
    message->raise();
    form->centreOnScreen();
    return form;
}

int IntlMessageDlg(const QString &text, TMsgDlgType type, TMsgDlgButtons buttons, int /*helpContext*/)
{
    return CreateIntlMessageForm(text, type, buttons, DialogLanguage)->showModal();
}

void IntlShowMessage(const QString &text)
{
    IntlMessageDlg(text, mtInformation, {mbOK}, 0);
}
