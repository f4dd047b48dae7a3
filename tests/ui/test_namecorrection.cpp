// The name-correction dialog: when OK can be pressed, which buttons show, and the result codes.
#include "uitest.h"

#include "core/workspace.h"
#include "ui/namecorrection.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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
        seen.emplace_back(dialog->Edit1->text(), dialog->Button1->isEnabled());
        for (const char* text : {"taken", "Taken", "phase", "NNOISE", "", "a-b", "  ", "taken2",
                                 "noise2"}) {
            QTest::keyClick(dialog->Edit1, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(dialog->Edit1, Qt::Key_Backspace);
            QTest::keyClicks(dialog->Edit1, QString::fromLatin1(text));
            seen.emplace_back(dialog->Edit1->text(), dialog->Button1->isEnabled());
        }
        QTest::keyClick(dialog->Edit1, Qt::Key_Return); // the default button
    });
    EXPECT_EQ(dialog->ask(QStringLiteral("TAKEN"), false), dialogResult::ok);
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
            *extraShown = dialog->Button3->isVisible() && dialog->Button3->isEnabled() &&
                          dialog->Button4->isVisible() && dialog->Button4->isEnabled();
            EXPECT_TRUE(dialog->Button1->isVisible() && dialog->Button2->isVisible());
            press();
        });
        return dialog->ask(QStringLiteral("x1"), allowSkip);
    };
    bool shown = true;
    EXPECT_EQ(answer(false, [&] { QTest::keyClick(dialog, Qt::Key_Escape); }, &shown), 2);
    EXPECT_FALSE(shown);
    EXPECT_EQ(answer(true, [&] { dialog->Button3->click(); }, &shown), 5);
    EXPECT_TRUE(shown);
    EXPECT_EQ(answer(true, [&] { dialog->Button4->click(); }, &shown), 9);
    EXPECT_TRUE(shown);
    EXPECT_EQ(answer(true, [&] { dialog->close(); }, &shown), 2); // the close box
    // Skip and Ignore All are gone again for the next caller.
    EXPECT_EQ(answer(false, [&] { dialog->Button2->click(); }, &shown), 2);
    EXPECT_FALSE(shown);
    // Enter with OK disabled does nothing; the dialog stays open until Cancel.
    EXPECT_EQ(answer(false,
                     [&] {
                         QTest::keyClick(dialog->Edit1, Qt::Key_Return);
                         EXPECT_TRUE(dialog->isVisible());
                         dialog->Button2->click();
                     },
                     &shown),
              2);
}
