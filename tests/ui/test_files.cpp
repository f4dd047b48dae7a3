// The file commands of the main window: the three file dialogs, loading a state file (F3) and
// importing a PC-DSP file (F4) through the name-correction dialog and the error box.
#include "test_files_fixture.h"

#include "io/statefile.h"
#include "ui/namecorrection.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCompleter>
#include <QFileSystemModel>
#include <QMenu>
#include <QPushButton>

#include <cstring>

using namespace uitest::controls;

using uitest::FilesTest;
using uitest::modalScript;
using uitest::typeAndAccept;

namespace {

QAction* action(MainWindow& mainWindow, const char* name)
{
    return mainWindow.findChild<QAction*>(QString::fromLatin1(name));
}

// Presses the key on the main window once it has the keyboard again.
void pressOnMainWindow(MainWindow& mainWindow, Qt::Key key)
{
    mainWindow.activateWindow();
    ASSERT_TRUE(uitest::waitUntil([&] { return QApplication::activeWindow() == &mainWindow; }));
    QTest::keyClick(&mainWindow, key);
}

// A PC-DSP file: name field, two unused bytes, kind and count (little-endian), the floats.
std::string dspFile(const char* name, std::uint16_t kind, std::uint16_t count, std::initializer_list<float> samples)
{
    std::string bytes(8, '\0');
    std::memcpy(bytes.data(), name, std::min<std::size_t>(std::strlen(name), 8));
    bytes += std::string("\0\0", 2);
    for (const std::uint16_t v : {kind, count}) {
        bytes += static_cast<char>(v & 0xff);
        bytes += static_cast<char>(v >> 8);
    }
    for (const float f : samples) {
        char raw[4];
        std::memcpy(raw, &f, 4);
        bytes.append(raw, 4);
    }
    return bytes;
}

} // namespace

TEST_F(FilesTest, FileDialogsCarryTheirFiltersAndRules)
{
    FileDialogs& dialogs = fileDialogs();
    struct expectation {
        fileDialogKind kind;
        QStringList filters;
        QString suffix;
        bool save;
    };
    const expectation table[] = {
        {fileDialogKind::importDsp, {"PC-DSP files (*.dsp)", "All files (*)"}, "dsp", false},
        {fileDialogKind::loadState, {"Kelmo files (*.var)", "All files (*)"}, "dsp", false},
        {fileDialogKind::saveState, {"Kelmo files (*.var)", "All Files (*)"}, "var", true},
    };
    for (const expectation& e : table) {
        QFileDialog* d = dialogs.dialog(e.kind);
        EXPECT_EQ(dialogs.dialog(e.kind), d); // made once, then reused
        EXPECT_EQ(d->nameFilters(), e.filters);
        EXPECT_EQ(d->defaultSuffix(), e.suffix);
        EXPECT_TRUE(d->testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_TRUE(d->testOption(QFileDialog::HideNameFilterDetails));
        EXPECT_FALSE(d->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(d->acceptMode(), e.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        EXPECT_EQ(d->fileMode(), e.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    }
    EXPECT_EQ(QFileInfo(dialogs.dialog(fileDialogKind::saveState)->selectedFiles().value(0)).fileName(),
              QStringLiteral("status.var"));
    EXPECT_EQ(nameFiltersFrom(QStringLiteral("Two|*.a;*.b|Odd")), QStringList({"Two (*.a *.b)"}));

    // The program takes the desktop's own dialog where there is one (Qt's default).
    FileDialogs program(mainWindow.get());
    for (const expectation& e : table)
        EXPECT_FALSE(program.dialog(e.kind)->testOption(QFileDialog::DontUseNativeDialog));
}

TEST_F(FilesTest, SaveDialogRefusesReadOnlyFilesAndAsksBeforeReplacing)
{
    realDialogs = true;
    const QString locked = path(QStringLiteral("locked.var"));
    const QString old = path(QStringLiteral("old.var"));
    uitest::writeFile(locked, "keep");
    uitest::writeFile(old, "old");
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    QFileDialog* save = fileDialogs().dialog(fileDialogKind::saveState);
    save->setDirectory(folder.path());

    QString refusal;
    QString question;
    bool stayedOpen = false;
    modalScript script;
    script
        .then([&](QWidget* modal) {
            typeAndAccept(modal, QStringLiteral("locked"));   // the default extension makes it locked.var
            stayedOpen = modal->isVisible();
            typeAndAccept(modal, QStringLiteral("old.var"));
        })
        .then([&](QWidget* box) { refusal = uitest::messageText(box); })
        .then([&](QWidget* box) {
            question = uitest::messageText(box);
            auto* message = qobject_cast<QMessageBox*>(box);
            QAbstractButton* yes = message ? message->button(QMessageBox::Yes) : nullptr;
            ASSERT_NE(yes, nullptr);
            yes->click();
        });
    EXPECT_EQ(fileDialogs().ask(fileDialogKind::saveState), old);
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(refusal.contains(QStringLiteral("locked.var"))) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QStringLiteral("read-only"))) << refusal.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("old.var"))) << question.toStdString();
    EXPECT_EQ(uitest::readFile(locked), "keep");

    // Cancelling gives an empty answer.
    modalScript cancel;
    cancel.then([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(fileDialogs().ask(fileDialogKind::saveState), QString());
}

TEST_F(FilesTest, LoadDialogWantsAnExistingFileAndAddsItsExtension)
{
    realDialogs = true;
    uitest::writeFile(path(QStringLiteral("data.dsp")), "x");
    fileDialogs().dialog(fileDialogKind::loadState)->setDirectory(folder.path());
    bool stayedOpen = false;
    modalScript script;
    script
        .then([&](QWidget* modal) {
            typeAndAccept(modal, QStringLiteral("missing.var"));
            stayedOpen = modal->isVisible();
            typeAndAccept(modal, QStringLiteral("data"));
        })
        .then([](QWidget*) {}); // the toolkit's "not found" warning
    EXPECT_EQ(fileDialogs().ask(fileDialogKind::loadState), path(QStringLiteral("data.dsp")));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(script.finished());
}

TEST_F(FilesTest, LoadingTheSameFileTwiceWithIgnoreAll)
{
    addVariable("FIRST", {1, -0.5});
    addVariable("Second", {0}, {1});
    addVariable("THIRD", {2});
    nextPath = path(QStringLiteral("status.var"));
    uitest::writeFile(nextPath, stateText(workspace().variables()));
    // Loading into the same workspace: every name clashes; Ignore All at the first.
    NameCorrectionDialog* names = &window<NameCorrectionDialog>();
    QString proposed;
    bool extraButtons = false;
    modalScript script;
    script.then([&](QWidget* modal) {
        ASSERT_EQ(modal, names);
        proposed = Edit1(*names)->text();
        extraButtons = Button3(*names)->isVisible() && Button4(*names)->isVisible();
        Button4(*names)->click();
    });
    pressOnMainWindow(*mainWindow, Qt::Key_F3);
    EXPECT_EQ(asked, std::vector<fileDialogKind>{fileDialogKind::loadState});
    EXPECT_EQ(script.shown, 1);
    EXPECT_EQ(proposed, QStringLiteral("FIRST"));
    EXPECT_TRUE(extraButtons);
    EXPECT_EQ(workspace().variableCount(), 3);
    // Skip and Ignore All are not left behind for the next caller.
    EXPECT_TRUE(Button3(*names)->isHidden());
    EXPECT_TRUE(Button4(*names)->isHidden());
    EXPECT_FALSE(Button3(*names)->isEnabled());

    // Into another window's empty workspace the file gives back names, kinds and samples.
    MainWindow other(mainWindowSetup{.startThread = {}, .builtInFileDialogs = true,
                                     .answerFile = [&](fileDialogKind) { return std::optional(nextPath); }});
    action(other, "Open1")->trigger();
    ASSERT_EQ(other.workspace().variableCount(), 3);
    const tdspvarPtr second = other.workspace().variables()[1];
    EXPECT_EQ(second->name(), "SECOND");
    EXPECT_TRUE(second->isComplex());
    EXPECT_EQ(second->imag(), std::vector<extended>{1});
    EXPECT_EQ(second->description(), "made by a test"); // kept by the file
    EXPECT_EQ(other.workspace().variables()[0]->real(), (std::vector<extended>{1, -0.5}));
    EXPECT_TRUE(waitForThumbnails());
}

TEST_F(FilesTest, LoadingAsksPerClashAndTakesTheTypedName)
{
    addVariable("A");
    addVariable("B");
    nextPath = path(QStringLiteral("two.var"));
    uitest::writeFile(nextPath, "1 1 a\r\n 1\r\n1 1 b\r\n 2\r\n1 1 c\r\n 3\r\n0\r\n");
    modalScript script;
    script
        .then([&](QWidget*) {
            NameCorrectionDialog* names = &window<NameCorrectionDialog>();
            // Taken as typed, so it must be a name formulas can use as it stands.
            Edit1(*names)->setText(QStringLiteral("a copy"));
            EXPECT_FALSE(Button1(*names)->isEnabled());
            Edit1(*names)->setText(QStringLiteral("a_copy"));
            Button1(*names)->click();
        })
        .then([&](QWidget*) { Button3(window<NameCorrectionDialog>())->click(); }); // Skip b
    action(*mainWindow, "Open1")->trigger();
    EXPECT_TRUE(script.finished());
    ASSERT_EQ(workspace().variableCount(), 4);
    EXPECT_EQ(workspace().variables()[2]->name(), "a_copy");
    EXPECT_EQ(workspace().variables()[3]->name(), "C");
    EXPECT_EQ(workspace().variables()[3]->description(),
              "Variable #3 in file " + QFile::encodeName(nextPath).toStdString());

    // Cancel at a clash stops the load; what came before stays. A cancelled file dialog loads nothing.
    uitest::writeFile(nextPath, "1 1 new\r\n 1\r\n1 1 a\r\n 1\r\n1 1 later\r\n 1\r\n0\r\n");
    modalScript cancel;
    cancel.then([&](QWidget*) { Button2(window<NameCorrectionDialog>())->click(); });
    action(*mainWindow, "Open1")->trigger();
    EXPECT_EQ(workspace().variableCount(), 5);
    EXPECT_EQ(workspace().variables()[4]->name(), "NEW");
    nextPath.clear();
    action(*mainWindow, "Open1")->trigger();
    EXPECT_EQ(workspace().variableCount(), 5);
}

TEST_F(FilesTest, MalformedFileShowsInvalidNumericInputAndKeepsWhatWasRead)
{
    nextPath = path(QStringLiteral("bad.var"));
    uitest::writeFile(nextPath, "1 2 GOOD\r\n 1\r\n 2\r\n1 3 PART\r\n 5\r\n x7\r\n 9\r\n1 1 NEVER\r\n 1\r\n0\r\n");
    QString error;
    QString title;
    modalScript script;
    script.then([&](QWidget* box) {
        error = uitest::messageText(box);
        title = box->windowTitle();
    });
    action(*mainWindow, "Open1")->trigger();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(error, QStringLiteral("Invalid numeric input"));
    EXPECT_EQ(title, QStringLiteral("Kelmo"));
    ASSERT_EQ(workspace().variableCount(), 2);
    EXPECT_EQ(workspace().variables()[0]->real(), (std::vector<extended>{1, 2}));
    EXPECT_EQ(workspace().variables()[1]->real(), (std::vector<extended>{5, 0, 0}));
    EXPECT_NE(stripOf(workspace().variables()[1]), nullptr);

    // The program goes on: a missing file is reported the same way.
    nextPath = path(QStringLiteral("nowhere.var"));
    modalScript missing;
    missing.then([&](QWidget* box) { error = uitest::messageText(box); });
    action(*mainWindow, "Open1")->trigger();
    EXPECT_EQ(error, QStringLiteral("File not found"));
    EXPECT_EQ(workspace().variableCount(), 2);
}

TEST_F(FilesTest, ImportingARealFile)
{
    nextPath = path(QStringLiteral("abc.dsp"));
    const std::string bytes = dspFile("ABC", 1, 3, {0.1f, -2.5f, 1e-30f});
    ASSERT_EQ(bytes.size(), 26u);
    uitest::writeFile(nextPath, bytes);
    modalScript none;
    pressOnMainWindow(*mainWindow, Qt::Key_F4);
    EXPECT_EQ(none.shown, 0);
    EXPECT_EQ(asked, std::vector<fileDialogKind>{fileDialogKind::importDsp});
    ASSERT_EQ(workspace().variableCount(), 1);
    const tdspvarPtr v = workspace().variables()[0];
    EXPECT_EQ(v->name(), "abc");
    EXPECT_FALSE(v->isComplex());
    EXPECT_EQ(v->real(), (std::vector<extended>{0.1f, -2.5f, 1e-30f}));
    EXPECT_EQ(v->description(), "Loaded from : " + QFile::encodeName(nextPath).toStdString());
    EXPECT_TRUE(variabilaMenu()->menuAction()->isEnabled());

    // The same file again: the name clashes; only OK and Cancel are offered, and Cancel makes nothing.
    bool extraButtons = true;
    modalScript again;
    again.then([&](QWidget*) {
        NameCorrectionDialog* names = &window<NameCorrectionDialog>();
        extraButtons = Button3(*names)->isVisible() || Button4(*names)->isVisible();
        Button2(*names)->click();
    });
    action(*mainWindow, "Import1")->trigger();
    EXPECT_EQ(again.shown, 1);
    EXPECT_FALSE(extraButtons);
    EXPECT_EQ(workspace().variableCount(), 1);

    // A file one byte longer than its header says is ignored without a word.
    uitest::writeFile(nextPath, bytes + 'x');
    modalScript silent;
    action(*mainWindow, "Import1")->trigger();
    EXPECT_EQ(silent.shown, 0);
    EXPECT_EQ(workspace().variableCount(), 1);
}

TEST_F(FilesTest, CompletionListGoesWithItsDialog)
{
    // The dialog closes while its list of completions shows (as when Enter reaches the dialog
    // itself): the list must go with it and must not take the next key.
    realDialogs = true;
    for (const char* name : {"alpha.var", "alpine.var", "beta.var"})
        uitest::writeFile(path(QString::fromLatin1(name)), "0\r\n");
    QFileDialog* load = fileDialogs().dialog(fileDialogKind::loadState);
    load->setDirectory(folder.path());
    const auto completionShown = [load] {
        for (const QCompleter* completer : load->findChildren<QCompleter*>())
            if (completer->popup()->isVisible())
                return true;
        return false;
    };
    bool shownWhileOpen = false;
    modalScript script;
    script.then([&](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        modal->activateWindow();
        ASSERT_TRUE(uitest::windowActive(modal));
        // The completions come from the folder, which the dialog reads in the background: a
        // name typed before the folder has been read completes nothing.
        auto* model = modal->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        ASSERT_TRUE(uitest::waitUntil(
            [&] { return model->rowCount(model->index(folder.path())) >= 3; }, 10000));
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("alp"));
        shownWhileOpen = uitest::waitUntil(completionShown, 5000);
        edit->setText(QStringLiteral("alpha.var"));
        static_cast<QDialog*>(modal)->accept();
    });
    EXPECT_EQ(fileDialogs().ask(fileDialogKind::loadState).toStdString(),
              path(QStringLiteral("alpha.var")).toStdString());
    EXPECT_TRUE(shownWhileOpen);
    EXPECT_FALSE(completionShown());
    EXPECT_FALSE(uitest::waitUntil(completionShown, 500)); // nor comes back once the folder is read
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // The next key reaches the main window: F3 asks for a file again.
    realDialogs = false;
    nextPath.clear();
    pressOnMainWindow(*mainWindow, Qt::Key_F3);
    EXPECT_EQ(asked, std::vector<fileDialogKind>{fileDialogKind::loadState});

    // The next showing completes again.
    realDialogs = true;
    bool shownAgain = false;
    modalScript again;
    again.then([&](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        modal->activateWindow();
        ASSERT_TRUE(uitest::windowActive(modal));
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("alp"));
        shownAgain = uitest::waitUntil(completionShown, 5000);
        static_cast<QDialog*>(modal)->reject();
    });
    EXPECT_EQ(fileDialogs().ask(fileDialogKind::loadState), QString());
    EXPECT_TRUE(shownAgain);
    EXPECT_FALSE(completionShown());
}
