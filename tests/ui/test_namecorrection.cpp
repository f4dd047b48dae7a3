// The name-correction dialog: when OK can be pressed, which buttons show, and the result codes.
#include "controls.h"

#include "core/workspace.h"
#include "ui/namecorrection.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace uitest::controls;

using uitest::whenModal;

namespace {

// The dialog on a workspace of the test's own.
class NameCorrectionDialogTest : public ::testing::Test {
protected:
    tworkspace workspace;
    NameCorrectionDialog names{workspace, nullptr};
    NameCorrectionDialog* dialog = &names;
};

} // namespace

TEST_F(NameCorrectionDialogTest, OkOnlyForNamesTheWorkspaceAccepts)
{
    workspace.add("TAKEN", {});
    workspace.add("AB", {});
    std::vector<std::pair<QString, bool>> seen;
    whenModal([&](QWidget* modal) {
        ASSERT_EQ(modal, dialog);
        seen.emplace_back(Edit1(*dialog)->text(), Button1(*dialog)->isEnabled());
        for (const char* text : {"taken", "Taken", "phase", "NNOISE", "", "a-b", "  ", "taken2",
                                 "noise2"}) {
            QTest::keyClick(Edit1(*dialog), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(Edit1(*dialog), Qt::Key_Backspace);
            QTest::keyClicks(Edit1(*dialog), QString::fromLatin1(text));
            seen.emplace_back(Edit1(*dialog)->text(), Button1(*dialog)->isEnabled());
        }
        QTest::keyClick(Edit1(*dialog), Qt::Key_Return); // the default button
    });
    EXPECT_EQ(dialog->ask(QStringLiteral("TAKEN"), false), dialogAnswer::ok);
    EXPECT_EQ(dialog->name(), QStringLiteral("noise2"));
    const std::vector<std::pair<QString, bool>> expected = {
        {"TAKEN", false}, {"taken", false}, {"Taken", false}, {"phase", false},
        {"NNOISE", false}, {"", false},     {"a-b", false},   {"  ", true},
        {"taken2", true},  {"noise2", true}};
    EXPECT_EQ(seen, expected);
}

TEST_F(NameCorrectionDialogTest, ButtonsAndResults)
{
    workspace.add("X1", {});
    const auto answer = [&](bool allowSkip, const std::function<void()>& press, bool* extraShown) {
        whenModal([&, press, extraShown](QWidget*) {
            *extraShown = Button3(*dialog)->isVisible() && Button3(*dialog)->isEnabled() &&
                          Button4(*dialog)->isVisible() && Button4(*dialog)->isEnabled();
            EXPECT_TRUE(Button1(*dialog)->isVisible() && Button2(*dialog)->isVisible());
            press();
        });
        return dialog->ask(QStringLiteral("x1"), allowSkip);
    };
    bool shown = true;
    EXPECT_EQ(resultCode(answer(false, [&] { QTest::keyClick(dialog, Qt::Key_Escape); }, &shown)), 2);
    EXPECT_FALSE(shown);
    EXPECT_EQ(resultCode(answer(true, [&] { Button3(*dialog)->click(); }, &shown)), 5);
    EXPECT_TRUE(shown);
    EXPECT_EQ(resultCode(answer(true, [&] { Button4(*dialog)->click(); }, &shown)), 9);
    EXPECT_TRUE(shown);
    EXPECT_EQ(resultCode(answer(true, [&] { dialog->close(); }, &shown)), 2); // the close box
    // Skip and Ignore All are gone again for the next caller.
    EXPECT_EQ(resultCode(answer(false, [&] { Button2(*dialog)->click(); }, &shown)), 2);
    EXPECT_FALSE(shown);
    // Enter with OK disabled does nothing; the dialog stays open until Cancel.
    const auto enterThenCancel = [&] {
        QTest::keyClick(Edit1(*dialog), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible());
        Button2(*dialog)->click();
    };
    EXPECT_EQ(resultCode(answer(false, enterThenCancel, &shown)), 2);
}
