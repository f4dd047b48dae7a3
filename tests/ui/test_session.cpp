// Undo and redo through the menu, the question before closing, files opened by name, dropped
// or from the recent files, and the command line.
#include "test_files_fixture.h"

#include "ui/commandline.h"
#include "ui/recentfiles.h"
#include "ui/selectiondialog.h"

#include <QMimeData>
#include <QPushButton>
#include <QUrl>

using namespace uitest::controls;
using uitest::child;
using uitest::FilesTest;
using uitest::modalScript;

namespace {

void clickButton(QWidget* box, const QString& text)
{
    for (QPushButton* b : box->findChildren<QPushButton*>())
        if (b->text() == text)
            return b->click();
    ADD_FAILURE() << "no button " << text.toStdString();
}

QAction* action(const MainWindow& main, const char* name) { return child<QAction>(main, name); }
QMenu& recentMenu(const MainWindow& main) { return *action(main, "FisiereRecente1")->menu(); }

} // namespace

// Delete with every variable chosen is one command: one undo brings all three back, the same
// variables in their places with their strips; redo takes them again.
TEST_F(FilesTest, UndoAndRedoFollowTheMenuCommands)
{
    const std::vector<tdspvarPtr> made{addVariable("A"), addVariable("B", {1}, {2}), addVariable("C")};
    QAction* undo = action(*mainWindow, "Anuleaza1");
    QAction* redo = action(*mainWindow, "Reface1");
    modalScript script;
    script.then([](QWidget* modal) {
        RadioButton1(*modal)->click();
        Button1(*modal)->click();
    });
    action(*mainWindow, "Sterge1")->trigger();
    ASSERT_EQ(workspace().variableCount(), 0);
    EXPECT_EQ(undo->text(), QStringLiteral("&Anuleaza: Sterge"));

    mainWindow->activateWindow();
    ASSERT_TRUE(uitest::windowActive(mainWindow.get()));
    QTest::keyClick(mainWindow.get(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(workspace().variables(), made);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(stripOf(made[k])->y(), StripList::stripTop(k));
    EXPECT_TRUE(variabilaMenu()->menuAction()->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    QTest::keyClick(mainWindow.get(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(workspace().variableCount(), 0);
    QTest::keyClick(mainWindow.get(), Qt::Key_Backspace, Qt::ShiftModifier | Qt::AltModifier); // nothing left to redo
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(workspace().variableCount(), 0);
}

// Exit (like Alt+F4 and the close box) asks only while something is unsaved; Save writes every
// variable, marked or not, and closes only once the file is written.
TEST_F(FilesTest, ClosingWithUnsavedChangesAsksFirst)
{
    struct row {
        const char* what;
        std::function<void()> before;
        std::vector<QString> answers; // question, then the selection dialog's button
        const char* saveAs;           // what the save dialog answers; empty: cancelled
        bool closes;
    };
    const auto saveAll = [this] {
        modalScript s;
        s.then([](QWidget* m) { Button1(*m)->click(); });
        action(*mainWindow, "Save1")->trigger();
    };
    const auto dirty = [this] {
        addVariable("X");
        addVariable("W");
    };
    const row rows[] = {
        {"nothing made", [] {}, {}, "", true},
        {"don't save", dirty, {"&Nu salva"}, "", true},
        {"cancel", dirty, {"&Cancel"}, "", false},
        {"save", dirty, {"&Salveaza", "Ok"}, "all.var", true},
        {"save, file dialog cancelled", dirty, {"&Salveaza", "Ok"}, "", false},
        {"saved before", [&] { dirty(); saveAll(); }, {}, "", true},
        {"undone back to the save",
         [&] {
             dirty();
             saveAll();
             addVariable("Y");
             mainWindow->undo();
         },
         {}, "", true},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.what);
        mainWindow = std::make_unique<MainWindow>(setup);
        mainWindow->show();
        nextPath = path("first.var");
        r.before();
        strips().setCurrent(nullptr);
        if (workspace().variableCount() > 0)
            QTest::mouseClick(stripOf(workspace().variables()[0]), Qt::LeftButton); // marked, yet saved
        nextPath = *r.saveAs ? path(r.saveAs) : QString();
        modalScript script;
        for (const QString& answer : r.answers)
            script.then([answer](QWidget* m) { clickButton(m, answer); });
        action(*mainWindow, "Exit1")->trigger();
        EXPECT_EQ(mainWindow->isVisible(), !r.closes);
        if (*r.saveAs) {
            EXPECT_EQ(uitest::readFile(nextPath).substr(0, 5), "1 3 X");
            EXPECT_NE(uitest::readFile(nextPath).find("1 3 W"), std::string::npos);
        }
        ASSERT_TRUE(waitForThumbnails());
    }
}

// Files named on the command line or dropped open by their kind, one undoable command for all;
// what cannot be opened is said once, in one message for several.
TEST_F(FilesTest, FilesByNameOpenByKindAndSayWhatTheyCannot)
{
    uitest::writeFile(path("a.var"), "1 2 a\r\n 1\r\n 2\r\n0\r\n");
    uitest::writeFile(path("b.CSV"), "p,q\n1,2\n3,4\n");
    uitest::writeFile(path("notes.xyz"), "?");
    QStringList many;
    for (int i = 0; i < 1000; ++i)
        many << path(QStringLiteral("n%1.var").arg(i));
    struct row {
        QStringList paths;
        int made;
        std::vector<const char*> inMessage; // one message holding all of these; none when empty
    };
    const row rows[] = {
        {{path("a.var"), path("b.CSV")}, 3, {}},
        {{folder.path(), path("notes.xyz"), path("gone.var")}, 0, {"dosar", "notes.xyz", "necunoscut", "File not found\n"}},
        {{path("gone.dsp")}, 0, {"File not found"}},
        {many, 0, {"Prea multe fisiere deodata (1000)"}},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.paths.join(' ').left(200).toStdString());
        const int before = workspace().variableCount();
        QString message;
        modalScript script;
        if (!r.inMessage.empty())
            script.then([&](QWidget* m) { message = uitest::messageText(m); });
        mainWindow->openFiles(r.paths);
        EXPECT_EQ(workspace().variableCount(), before + r.made);
        for (const char* part : r.inMessage)
            EXPECT_TRUE(message.contains(QString::fromLatin1(part))) << message.toStdString();
    }
    EXPECT_EQ(workspace().variables()[0]->name(), "A");
    mainWindow->undo(); // the two files were one command
    EXPECT_EQ(workspace().variableCount(), 0);
    ASSERT_GE(recentMenu(*mainWindow).actions().size(), 2);
    EXPECT_EQ(recentMenu(*mainWindow).actions()[0]->statusTip(), path("b.CSV"));
    EXPECT_EQ(recentMenu(*mainWindow).actions()[1]->statusTip(), path("a.var"));

    // A drop does the same, once the drop itself is over.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path("a.var"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(mainWindow.get(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(mainWindow.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(uitest::waitUntil([&] { return workspace().variableCount() == 1; }, 5000));
}

// The list keeps the newest eight across runs; a file that has gone is taken off with a message.
TEST_F(FilesTest, RecentFilesOutliveTheRunAndLoseWhatIsGone)
{
    for (int i = 0; i < 9; ++i) {
        uitest::writeFile(path(QStringLiteral("f%1.csv").arg(i)), "v" + std::to_string(i) + "\n1\n");
        mainWindow->openFiles({path(QStringLiteral("f%1.csv").arg(i))});
    }
    mainWindow = std::make_unique<MainWindow>(setup);
    QMenu& recent = recentMenu(*mainWindow);
    ASSERT_EQ(recent.actions().size(), RecentFiles::kMostFiles);
    EXPECT_EQ(recent.actions()[0]->text(), QStringLiteral("&1 ") + path("f8.csv"));
    EXPECT_EQ(recent.actions()[7]->statusTip(), path("f1.csv"));

    QFile::remove(path("f8.csv"));
    QString message;
    modalScript script;
    script.then([&](QWidget* m) { message = uitest::messageText(m); });
    recent.actions()[0]->trigger();
    EXPECT_TRUE(message.endsWith(path("f8.csv")));
    EXPECT_EQ(workspace().variableCount(), 0);
    uitest::waitUntil([&] { return recent.actions().size() == 7; }, 2000);
    recent.actions()[0]->trigger(); // f7.csv, read as columns
    ASSERT_EQ(workspace().variableCount(), 1);
    EXPECT_EQ(workspace().variables()[0]->name(), "V7");
}

TEST(CommandLine, OptionsAndFiles)
{
    struct row {
        QStringList arguments;
        startAction action;
        QStringList files;
        const char* inText;
    };
    const row rows[] = {
        {{"kelmo"}, startAction::run, {}, ""},
        {{"kelmo", "b.wav", "a.var"}, startAction::run, {"b.wav", "a.var"}, ""},
        {{"kelmo", "--", "-odd.var"}, startAction::run, {"-odd.var"}, ""},
        {{"kelmo", "--help"}, startAction::help, {}, "[options] [FILE...]"},
        {{"kelmo", "a.var", "-v"}, startAction::version, {}, "kelmo "},
        {{"kelmo", "--frob"}, startAction::refuse, {}, "frob"},
    };
    for (const row& r : rows) {
        const commandLine line = readCommandLine(r.arguments);
        EXPECT_EQ(line.action, r.action) << r.arguments.join(' ').toStdString();
        EXPECT_EQ(line.files, r.files);
        EXPECT_TRUE(line.text.contains(QString::fromLatin1(r.inText))) << line.text.toStdString();
    }
}
