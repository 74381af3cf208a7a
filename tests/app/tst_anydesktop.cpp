// The program on any desktop: the form keeps its own colours under a dark colour scheme, the text
// of every window is readable under a light and a dark one, and Qt's own texts are Hungarian.
#include "DialogScript.h"
#include "ErrorBox.h"
#include "Fonts.h"
#include "MsgDlg.h"
#include "PreviewDialog.h"
#include "StaticCaptions.h"
#include "TGroupBox.h"
#include "THeaderFill.h"
#include "WindowTesting.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QStyleFactory>
#include <QTest>
#include <QWindow>

using namespace WindowTesting;

namespace {

// The colours a dark desktop scheme gives every application (those of a common dark scheme).
QPalette darkPalette()
{
    QPalette dark(QColor(0x31, 0x36, 0x3b), QColor(0x2a, 0x2e, 0x32));
    const std::pair<QPalette::ColorRole, QRgb> roles[] = {
        {QPalette::WindowText, 0xfcfcfc},      {QPalette::Text, 0xfcfcfc},
        {QPalette::ButtonText, 0xfcfcfc},      {QPalette::Base, 0x1b1e20},
        {QPalette::AlternateBase, 0x232629},   {QPalette::Highlight, 0x3daee9},
        {QPalette::HighlightedText, 0xfcfcfc}, {QPalette::ToolTipBase, 0x31363b},
        {QPalette::ToolTipText, 0xfcfcfc},     {QPalette::PlaceholderText, 0xa1a9b1}};
    for (const auto &[role, rgb] : roles)
        dark.setColor(role, QColor(rgb));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0xa1a9b1));
    return dark;
}

double luminance(const QColor &color)
{
    const auto channel = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

// The contrast ratio of two colours, 1 to 21.
double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool showsText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return !button->text().isEmpty();
    return widget->inherits("QLineEdit") || widget->inherits("QMenuBar") || widget->inherits("QComboBox") ||
           widget->inherits("QGroupBox") || widget->inherits("QAbstractItemView") || widget->inherits("QHeaderView") ||
           qobject_cast<const StaticCaptions *>(widget) || qobject_cast<const TGroupBox *>(widget);
}

// The texts shown in a window whose contrast to their background is under 4.5:1. A control that
// is disabled to refuse input is left out, but for a group total, which shows a result.
QStringList unreadableTexts(QWidget *window)
{
    QStringList found;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets << window;
    for (const QWidget *widget : std::as_const(widgets)) {
        if (!widget->isVisible() || widget->isWindow() != (widget == window))
            continue;
        const QPalette &palette = widget->palette();
        const auto group = widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
        QList<std::pair<QColor, QColor>> pairs;
        if (const auto *bar = qobject_cast<const THeaderFill *>(widget)) {
            for (int band = 0; band < THeaderFill::Bands; ++band)
                pairs.append({bar->captionColor(), THeaderFill::bandColor(bar->startColor(), bar->endColor(), band)});
        } else if (showsText(widget) && (widget->isEnabled() || widget->inherits("TNumEdit"))) {
            pairs.append(
                {palette.color(group, widget->foregroundRole()), palette.color(group, widget->backgroundRole())});
        }
        for (const auto &[text, background] : pairs) {
            if (contrast(text, background) < 4.5)
                found << QStringLiteral("%1 %2: %3 on %4")
                             .arg(widget->metaObject()->className(), widget->objectName(), text.name(),
                                  background.name());
        }
    }
    return found;
}

// Checks the text of every window as it becomes active, before a script or hook answers it.
class ReadabilityWatch : public QObject
{
public:
    ReadabilityWatch() { qApp->installEventFilter(this); }
    ~ReadabilityWatch() override { qApp->removeEventFilter(this); }

    QStringList checked;    // the windows, by class, and the windows they are shown over
    QStringList unreadable; // what was found

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(watched);
        if (event->type() != QEvent::WindowActivate || !window || !window->isWindow() || m_seen.contains(window))
            return false;
        m_seen << window;
        // A dialog stays over the window it came from: it is that window's transient.
        const QWindow *parent = window->windowHandle()->transientParent();
        const QWidget *over = parent ? QWidget::find(parent->winId()) : nullptr;
        checked << QStringLiteral("%1 over %2")
                       .arg(window->metaObject()->className(), over ? over->metaObject()->className() : "nothing");
        unreadable << unreadableTexts(window);
        // The print dialog has no script: it is closed once read.
        if (auto *printDialog = qobject_cast<QPrintDialog *>(window))
            QMetaObject::invokeMethod(printDialog, &QDialog::reject, Qt::QueuedConnection);
        return false;
    }

private:
    QList<QPointer<QWidget>> m_seen; // a window is checked when it first becomes active
};

} // namespace

class TestAnyDesktop : public QObject
{
    Q_OBJECT

    const QPalette m_lightPalette = QApplication::palette();

private slots:
    void initTestCase()
    {
        Fonts::installLookAlikes();
        QApplication::setCursorFlashTime(0); // the caret is drawn steadily, so that grabs compare
    }

    void cleanup() { QApplication::setPalette(m_lightPalette); }

    void formKeepsItsColoursUnderADarkPalette()
    {
        const RunningProgram program;
        const QImage light = program.window().grab().toImage();
        QApplication::setPalette(darkPalette());
        QCoreApplication::processEvents();
        QCOMPARE(program.window().grab().toImage(), light);
    }

    void everyWindowIsReadable_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light desktop") << false;
        QTest::newRow("dark desktop") << true;
    }
    void everyWindowIsReadable()
    {
        QFETCH(bool, dark);
        if (dark)
            QApplication::setPalette(darkPalette());
        const RunningProgram program;
        // Two income groups filled in, so that totals show more than 0.
        type(program.field(u"PBNumEdit2"), QStringLiteral("150000"));
        type(program.field(u"PBNumEdit11"), QStringLiteral("2500,5"));
        ReadabilityWatch watch;
        watch.unreadable << unreadableTexts(&program.window());

        const PreviewDialog::ModalHook previewHook = [](PreviewDialog &preview) { preview.print(); };
        const PreviewDialog::ModalHookForTesting preview(previewHook);
        const ErrorSinkForTesting errorBox([](const QString &) {}, ErrorSinkForTesting::AnsweringTheBox);
        DialogScript script;
        script.answerNext(mrCancel);                       // the password box of the save
        script.answerNext(mrOk, QStringLiteral("jelszo")); // the load's, then "Nincs mentés!"
        script.answerNext(mrOk);
        program.choose(0);
        program.choose(1);
        program.choose(2);
        QFile file(program.savedFile()); // not Base64: the error box
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("!") == 1);
        file.close();
        script.answerNext(mrOk, QStringLiteral("jelszo"));
        program.choose(2);

        watch.checked.removeAll(QStringLiteral("TForm1 over nothing"));
        QCOMPARE(watch.checked,
                 (QStringList{"PreviewDialog over TForm1", "QPrintDialog over PreviewDialog",
                              "TMessageForm over TForm1", "TMessageForm over TForm1", "TMessageForm over TForm1",
                              "TMessageForm over TForm1", "QMessageBox over TForm1"}));
        watch.unreadable.removeDuplicates();
        QCOMPARE(watch.unreadable.join(u'\n'), QString());
    }

    void toolkitTextsAreHungarian()
    {
        const RunningProgram program;
        auto *name = qobject_cast<QLineEdit *>(program.field(u"Edit1"));
        const std::unique_ptr<QMenu> menu(name->createStandardContextMenu());
        QStringList entries;
        for (const QAction *action : menu->actions()) {
            if (!action->isSeparator())
                entries << action->text().section(u'\t', 0, 0);
        }
        QCOMPARE(entries, (QStringList{"&Visszavonás", "Új&ra", "&Kivágás", "&Másolás", "&Beillesztés", "Törlés",
                                       "Összes kijelölése"}));

        QStringList printDialog;
        const PreviewDialog::ModalHookForTesting preview([&printDialog](PreviewDialog &shown) {
            QMetaObject::invokeMethod(
                &shown,
                [&printDialog] {
                    auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
                    QVERIFY(dialog);
                    printDialog << dialog->windowTitle();
                    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>())
                        if (button->isVisible() && !button->text().isEmpty())
                            printDialog << button->text();
                    dialog->reject();
                },
                Qt::QueuedConnection);
            shown.print();
        });
        program.choose(0);
        QVERIFY(printDialog.contains(QStringLiteral("Nyomtatás")));
        QVERIFY(printDialog.contains(QStringLiteral("&Nyomtatás")));
        QVERIFY(printDialog.contains(QStringLiteral("Mégse")));
        QVERIFY(printDialog.contains(QStringLiteral("&Beállítások >>")));
    }
};

QTEST_MAIN(TestAnyDesktop)
#include "tst_anydesktop.moc"
