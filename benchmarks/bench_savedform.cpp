#include "Bench.h"
#include "DeclarationForm.h"
#include "FieldCatalogue.h"
#include "SavedFormCommands.h"
#include "TForm3.h"
#include "TRijndael.h"
#include "TStringGrid.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>
#include <array>
#include <memory>

namespace {

const QString Password = QStringLiteral("jelszo");

// A folder in memory where there is one: the save syncs the file to the device, and a disk's
// sync time (several ms) is not the program's.
std::unique_ptr<QTemporaryDir> benchFolder()
{
    const QDir memory(QStringLiteral("/dev/shm"));
    if (memory.exists())
        return std::make_unique<QTemporaryDir>(memory.filePath(QStringLiteral("ktv-bench-XXXXXX")));
    return std::make_unique<QTemporaryDir>();
}

// The declaration on three plain panels, every field filled (the variant makes two fillings
// differ in every field); the runs save into folders of their own.
struct Program
{
    QWidget window;
    DeclarationForm *form = nullptr;
    TForm3 form3;
    TRijndael cipher;
    std::unique_ptr<SavedFormCommands> commands;

    explicit Program(int variant)
    {
        form = new DeclarationForm(new QWidget(&window), new QWidget(&window), new QWidget(&window), &window);
        commands = std::make_unique<SavedFormCommands>(*form, form3, cipher);
        const auto &fields = FieldCatalogue::fields();
        for (int i = 0; i < int(fields.size()); ++i) {
            if (fields[i].kind == FieldKind::Text)
                form->setText(i, QStringLiteral("Kiss Anna %1, Kökényvára %2").arg(i).arg(variant));
            else if (fields[i].kind == FieldKind::Amount && fields[i].position != FieldCatalogue::TotalPosition)
                form->setText(i, QString::number(150000 + i * 7 + variant));
        }
        for (int c = 1; c < TStringGrid::ColCount; ++c) {
            for (int r = 1; r < TStringGrid::RowCount; ++r)
                form->setCell(c, r, QStringLiteral("Nagy Béla %1 %2 %3").arg(c).arg(r).arg(variant));
        }
    }
};

std::function<void()> saveFullForm()
{
    std::shared_ptr<QTemporaryDir> dir = benchFolder();
    auto program = std::make_shared<Program>(0);
    return [dir, program] {
        const SavedFormCommands::FolderForTesting folder(dir->path());
        program->commands->collectPlaintext();
        program->commands->encipherAndWrite(Password);
    };
}

// Loads two saved forms in turn, so that every run changes every field.
std::function<void()> loadFullForm()
{
    auto dirs = std::make_shared<std::array<std::unique_ptr<QTemporaryDir>, 2>>();
    for (int variant = 0; variant < 2; ++variant) {
        (*dirs)[variant] = benchFolder();
        Program saver(variant);
        const SavedFormCommands::FolderForTesting folder((*dirs)[variant]->path());
        saver.commands->collectPlaintext();
        saver.commands->encipherAndWrite(Password);
    }
    auto program = std::make_shared<Program>(0);
    auto next = std::make_shared<int>(1);
    return [dirs, program, next] {
        const SavedFormCommands::FolderForTesting folder((*dirs)[*next]->path());
        program->commands->readAndRestore(Password);
        *next = 1 - *next;
    };
}

const bool registered = registerBench({"savedform: save of a full form, without the dialog", 5000.0, saveFullForm}) &&
                        registerBench({"savedform: load of a full form, without the dialog", 5000.0, loadFullForm});

} // namespace
