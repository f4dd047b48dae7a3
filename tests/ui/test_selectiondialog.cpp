// The selection dialog: what each of the three commands shows, which variables OK saves or
// deletes, the list's enabling, and that the strips' marks are only read.
#include "test_files_fixture.h"

#include "io/statefile.h"
#include "ui/radiogroup.h"
#include "ui/selectiondialog.h"
#include "ui/variablestrip.h"

#include <QContextMenuEvent>
#include <QGroupBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace uitest::controls;

using uitest::FilesTest;
using uitest::modalScript;

namespace {

const QString kClickedDefault = QStringLiteral("Numai variabila pe care s-a dat click");

// What the selection dialog shows when it comes up.
struct shownState {
    QString caption;
    int option = -1; // the radio button chosen, 0 .. 2
    bool clickedEnabled = false;
    QString clickedCaption;
    bool listEnabled = false;
    QStringList items;
    QStringList checked;
};

shownState stateOf(SelectionDialog* d)
{
    shownState s;
    s.caption = d->windowTitle();
    const QRadioButton* options[] = {RadioButton1(*d), RadioButton2(*d), RadioButton3(*d)};
    for (int k = 0; k < 3; ++k)
        if (options[k]->isChecked())
            s.option = k;
    s.clickedEnabled = RadioButton3(*d)->isEnabled();
    s.clickedCaption = RadioButton3(*d)->text();
    s.listEnabled = CheckListBox1(*d)->isEnabled();
    for (int i = 0; i < CheckListBox1(*d)->count(); ++i) {
        s.items << CheckListBox1(*d)->item(i)->text();
        if (CheckListBox1(*d)->item(i)->checkState() == Qt::Checked)
            s.checked << CheckListBox1(*d)->item(i)->text();
    }
    return s;
}

class SelectionDialogTest : public FilesTest {
protected:
    SelectionDialog* dialog() { return &window<SelectionDialog>(); }

    // Opens the pop-up on the variable's strip, as the secondary button does, and picks `item`.
    void popupCommand(const tdspvarPtr& v, const char* item)
    {
        VariableStrip* strip = stripOf(v);
        QContextMenuEvent open(QContextMenuEvent::Mouse, QPoint(5, 5), strip->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(strip, &open);
        popupMenu()->close();
        mainWindow->findChild<QAction*>(QString::fromLatin1(item))->trigger();
    }
    void saveAll() { mainWindow->findChild<QAction*>(QStringLiteral("Save1"))->trigger(); }

    // Runs `command`, records the dialog as it comes up, lets `act` work in it, and presses OK.
    shownState runAndOk(const std::function<void()>& command,
                        const std::function<void(SelectionDialog*)>& act = {})
    {
        shownState seen;
        modalScript script;
        script.then([&](QWidget* modal) {
            ASSERT_EQ(modal, dialog());
            seen = stateOf(dialog());
            if (act)
                act(dialog());
            QTest::keyClick(dialog(), Qt::Key_Return); // OK is the default button
        });
        command();
        EXPECT_TRUE(script.finished());
        EXPECT_EQ(script.unexpected, 0);
        EXPECT_FALSE(dialog()->isVisible());
        return seen;
    }

    std::vector<tdspvarPtr> five()
    {
        std::vector<tdspvarPtr> v;
        v.push_back(addVariable("V_ONE", {1, 2}));
        v.push_back(addVariable("V_Two", {0.25}, {-1}));
        v.push_back(addVariable("V_THREE"));
        v.push_back(addVariable("v_four", {}, {}));
        v.push_back(addVariable("V_FIVE", {-3, 1e-300, 7}));
        return v;
    }
};

} // namespace

TEST_F(SelectionDialogTest, CaptionsAndResizing)
{
    SelectionDialog* d = dialog();
    EXPECT_EQ(RadioGroup1(*d)->title(), QStringLiteral(" Target (tinta) : "));
    EXPECT_EQ(RadioButton1(*d)->text(), QStringLiteral("Toate variabilele"));
    EXPECT_EQ(RadioButton2(*d)->text(), QStringLiteral("Selectie din lista"));
    EXPECT_EQ(RadioButton3(*d)->text(), kClickedDefault);
    EXPECT_EQ(Button1(*d)->text(), QStringLiteral("Ok"));
    EXPECT_EQ(Button2(*d)->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(d->minimumHeight(), 173);
    // Taller: the list grows, the buttons keep to the bottom edge; the width stays.
    modalScript script;
    script.then([&](QWidget*) {
        d->resize(400, 416);
        QCoreApplication::processEvents();
        EXPECT_EQ(d->width(), 281);
        EXPECT_EQ(CheckListBox1(*d)->geometry(), QRect(8, 88, 265, 293));
        EXPECT_EQ(Button1(*d)->geometry(), QRect(8, 388, 129, 20));
        EXPECT_EQ(Button2(*d)->geometry(), QRect(144, 388, 129, 20));
        d->resize(281, 316);
        QCoreApplication::processEvents();
        EXPECT_EQ(Button2(*d)->geometry(), QRect(144, 288, 129, 20));
    });
    saveAll();
    EXPECT_TRUE(script.finished());
}

TEST_F(SelectionDialogTest, SaveAllWithNothingSelectedWritesEveryVariableInOrder)
{
    const auto vars = five();
    nextPath = path(QStringLiteral("all.var"));
    const shownState s = runAndOk([&] { saveAll(); });
    EXPECT_EQ(s.caption, QStringLiteral("Salveaza starea curenta"));
    EXPECT_EQ(s.option, 0);
    EXPECT_FALSE(s.clickedEnabled);
    EXPECT_EQ(s.clickedCaption, kClickedDefault);
    EXPECT_FALSE(s.listEnabled);
    EXPECT_EQ(s.items, QStringList({"v_one", "v_two", "v_three", "v_four", "v_five"}));
    EXPECT_TRUE(s.checked.isEmpty());
    EXPECT_EQ(asked, std::vector<fileDialogKind>{fileDialogKind::saveState});
    EXPECT_EQ(uitest::readFile(nextPath), stateText(vars));
}

TEST_F(SelectionDialogTest, TwoOfFiveSelectedComeUpCheckedInEveryCommand)
{
    const auto vars = five();
    stripOf(vars[3])->toggleSelection();
    stripOf(vars[1])->toggleSelection();
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"save all", [&] { saveAll(); }},
        {"pop-up save", [&] { popupCommand(vars[0], "Salveaza1"); }},
        {"pop-up delete", [&] { popupCommand(vars[0], "Sterge2"); }},
    };
    for (const auto& [what, command] : commands) {
        shownState seen;
        modalScript script;
        script.then([&](QWidget*) {
            seen = stateOf(dialog());
            Button2(*dialog())->click(); // Cancel does nothing
        });
        command();
        EXPECT_EQ(seen.option, 1) << what;
        EXPECT_TRUE(seen.listEnabled) << what;
        EXPECT_EQ(seen.checked, QStringList({"v_two", "v_four"})) << what;
    }
    EXPECT_EQ(workspace().variableCount(), 5);

    // OK in save mode writes just those two, in workspace order.
    nextPath = path(QStringLiteral("two.var"));
    runAndOk([&] { popupCommand(vars[4], "Salveaza1"); });
    EXPECT_EQ(uitest::readFile(nextPath), stateText({vars[1], vars[3]}));
}

TEST_F(SelectionDialogTest, UncheckingLeavesTheStripsMark)
{
    const auto vars = five();
    stripOf(vars[1])->toggleSelection();
    stripOf(vars[3])->toggleSelection();
    nextPath = path(QStringLiteral("one.var"));
    runAndOk([&] { saveAll(); },
             [](SelectionDialog* d) { CheckListBox1(*d)->item(1)->setCheckState(Qt::Unchecked); });
    EXPECT_EQ(uitest::readFile(nextPath), stateText({vars[3]}));
    EXPECT_TRUE(stripOf(vars[1])->isSelected());
    EXPECT_TRUE(stripOf(vars[3])->isSelected());
    // The next showing starts again from the marks.
    const shownState again = runAndOk([&] { saveAll(); });
    EXPECT_EQ(again.checked, QStringList({"v_two", "v_four"}));
}

TEST_F(SelectionDialogTest, PopupDeleteRemovesOnlyTheClickedVariable)
{
    const tdspvarPtr a = addVariable("ALPHA");
    const tdspvarPtr b = addVariable("Beta_2");
    const tdspvarPtr c = addVariable("GAMMA");
    const shownState s = runAndOk([&] { popupCommand(b, "Sterge2"); });
    EXPECT_EQ(s.caption, QStringLiteral("Sterge variabile"));
    EXPECT_EQ(s.option, 2);
    EXPECT_TRUE(s.clickedEnabled);
    EXPECT_EQ(s.clickedCaption, QStringLiteral("Variabila pe care s-a dat click (Beta_2)"));
    EXPECT_FALSE(s.listEnabled);
    EXPECT_TRUE(asked.empty()); // deleting asks for no file and no confirmation
    ASSERT_EQ(workspace().variableCount(), 2);
    EXPECT_EQ(workspace().variables()[0], a);
    EXPECT_EQ(workspace().variables()[1], c);
    EXPECT_EQ(stripOf(b), nullptr);
    EXPECT_EQ(stripOf(c)->geometry().top(), 34);
    EXPECT_EQ(RadioButton3(*dialog())->text(), kClickedDefault);

    // File > Save afterwards: the third option is back to its own caption and disabled.
    nextPath.clear(); // the save dialog is cancelled: nothing is written
    const shownState after = runAndOk([&] { saveAll(); });
    EXPECT_EQ(after.option, 0);
    EXPECT_FALSE(after.clickedEnabled);
    EXPECT_EQ(after.clickedCaption, kClickedDefault);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(SelectionDialogTest, PopupSaveWritesOnlyTheClickedVariable)
{
    addVariable("A");
    const tdspvarPtr b = addVariable("B", {5}, {6});
    nextPath = path(QStringLiteral("b.var"));
    const shownState s = runAndOk([&] { popupCommand(b, "Salveaza1"); });
    EXPECT_EQ(s.caption, QStringLiteral("Salveaza starea curenta"));
    EXPECT_EQ(s.option, 2);
    EXPECT_EQ(uitest::readFile(nextPath), stateText({b}));
}

TEST_F(SelectionDialogTest, DeleteAllEmptiesTheWorkspace)
{
    const auto vars = five();
    runAndOk([&] { popupCommand(vars[2], "Sterge2"); },
             [](SelectionDialog* d) { QTest::mouseClick(RadioButton1(*d), Qt::LeftButton, {}, QPoint(6, 9)); });
    EXPECT_EQ(workspace().variableCount(), 0);
    EXPECT_FALSE(variabilaMenu()->menuAction()->isEnabled());
    for (const tdspvarPtr& v : vars)
        EXPECT_EQ(stripOf(v), nullptr);
}

TEST_F(SelectionDialogTest, DeleteFromTheList)
{
    const auto vars = five();
    // Option 2 with nothing checked removes nothing; choosing it by hand enables the list.
    bool listEnabled = false;
    runAndOk([&] { popupCommand(vars[0], "Sterge2"); },
             [&](SelectionDialog* d) {
                 EXPECT_FALSE(CheckListBox1(*d)->isEnabled());
                 QTest::mouseClick(RadioButton2(*d), Qt::LeftButton, {}, QPoint(6, 9));
                 listEnabled = CheckListBox1(*d)->isEnabled();
             });
    EXPECT_TRUE(listEnabled);
    EXPECT_EQ(workspace().variableCount(), 5);

    // Neighbours and the last one: the walk does not miss a variable that moves up.
    runAndOk([&] { popupCommand(vars[0], "Sterge2"); },
             [&](SelectionDialog* d) {
                 d->chooseOption(selectionTarget::listed);
                 for (int i : {1, 2, 4})
                     CheckListBox1(*d)->item(i)->setCheckState(Qt::Checked);
             });
    ASSERT_EQ(workspace().variableCount(), 2);
    EXPECT_EQ(workspace().variables()[0], vars[0]);
    EXPECT_EQ(workspace().variables()[1], vars[3]);
    EXPECT_EQ(stripOf(vars[3])->geometry().top(), 34);
}

TEST_F(SelectionDialogTest, NamesEqualInLowerCaseKeepTheirOwnItems)
{
    // Names taken as typed in the name-correction dialog may differ only in case and blanks.
    const tdspvarPtr first = addVariable("a b");
    const tdspvarPtr second = addVariable("A B");
    stripOf(second)->toggleSelection();
    nextPath = path(QStringLiteral("second.var"));
    runAndOk([&] { saveAll(); });
    EXPECT_EQ(uitest::readFile(nextPath), stateText({second}));
    runAndOk([&] { popupCommand(first, "Sterge2"); });
    ASSERT_EQ(workspace().variableCount(), 1);
    EXPECT_EQ(workspace().variables()[0], first);
}

TEST_F(SelectionDialogTest, CancelAndEscapeChangeNothing)
{
    const tdspvarPtr a = addVariable("A");
    nextPath = path(QStringLiteral("never.var"));
    for (const char* command : {"Sterge2", "Salveaza1"}) {
        modalScript script;
        script.then([&](QWidget*) { QTest::keyClick(dialog(), Qt::Key_Escape); });
        popupCommand(a, command);
        EXPECT_TRUE(script.finished());
    }
    EXPECT_EQ(workspace().variableCount(), 1);
    EXPECT_TRUE(asked.empty());
    EXPECT_FALSE(QFile::exists(nextPath));
}

TEST_F(SelectionDialogTest, FailedSaveShowsTheErrorAndGoesOn)
{
    addVariable("A");
    // A folder where the file should be: refused, and the folder stays.
    nextPath = path(QStringLiteral("taken.var"));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken.var")));
    QString error;
    QString title;
    modalScript script;
    script.then([&](QWidget*) { QTest::keyClick(dialog(), Qt::Key_Return); })
        .then([&](QWidget* box) {
            error = uitest::messageText(box);
            title = box->windowTitle();
        });
    saveAll();
    EXPECT_TRUE(script.finished());
    EXPECT_EQ(error, QStringLiteral("File access denied"));
    EXPECT_EQ(title, QStringLiteral("Kelmo"));
    EXPECT_TRUE(QFileInfo(nextPath).isDir());
    EXPECT_FALSE(dialog()->isVisible());

    // A folder that does not exist.
    nextPath = path(QStringLiteral("missing/status.var"));
    modalScript again;
    again.then([&](QWidget*) { QTest::keyClick(dialog(), Qt::Key_Return); })
        .then([&](QWidget* box) { error = uitest::messageText(box); });
    saveAll();
    EXPECT_TRUE(again.finished());
    EXPECT_EQ(error, QStringLiteral("Path not found"));
    EXPECT_EQ(workspace().variableCount(), 1);
}

TEST_F(SelectionDialogTest, SavingThroughTheRealFileDialog)
{
    const tdspvarPtr a = addVariable("A");
    realDialogs = true;
    fileDialogs().dialog(fileDialogKind::saveState)->setDirectory(folder.path());
    QWidget* fileDialogParent = nullptr;
    modalScript script;
    script.then([&](QWidget*) { Button1(*dialog())->click(); })
        .then([&](QWidget* files) {
            fileDialogParent = files->parentWidget();
            uitest::typeAndAccept(files, QStringLiteral("mine")); // the default extension is added
        });
    saveAll();
    EXPECT_EQ(fileDialogParent, dialog()); // shown over the selection dialog
    EXPECT_EQ(uitest::readFile(path(QStringLiteral("mine.var"))), stateText({a}));
}
