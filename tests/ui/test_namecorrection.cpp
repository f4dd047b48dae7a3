// The name-correction dialog: when OK can be pressed, which buttons show, and the result codes.
#include "controls.h"

#include "core/workspace.h"
#include "ui/namecorrection.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <tuple>

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

TEST_F(NameCorrectionDialogTest, OkOnlyForNamesTheWorkspaceAcceptsAndTheReasonBesideIt)
{
    workspace.add("TAKEN", {});
    workspace.add("AB", {});
    using seenState = std::tuple<QString, bool, QString>; // text, OK enabled, the reason shown
    std::vector<seenState> seen;
    const auto look = [&] {
        seen.emplace_back(Edit1(*dialog)->text(), Button1(*dialog)->isEnabled(),
                          uitest::child<QLabel>(*dialog, "ReasonLabel")->text());
    };
    whenModal([&](QWidget* modal) {
        ASSERT_EQ(modal, dialog);
        look();
        for (const char* text : {"Taken", "phase", "", "a-b", "  ", "my-var", "2abc", "noise2"}) {
            QTest::keyClick(Edit1(*dialog), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(Edit1(*dialog), Qt::Key_Backspace);
            QTest::keyClicks(Edit1(*dialog), QString::fromLatin1(text));
            look();
        }
        QTest::keyClick(Edit1(*dialog), Qt::Key_Return); // the default button
    });
    EXPECT_EQ(dialog->ask(QStringLiteral("TAKEN"), false), dialogAnswer::ok);
    EXPECT_EQ(dialog->name(), QStringLiteral("noise2"));
    const std::vector<seenState> expected = {
        {"TAKEN", false, "Numele exista deja"},    {"Taken", false, "Numele exista deja"},
        {"phase", false, "Nume de functie"},       {"", false, "Numele este gol"},
        {"a-b", false, "Numele exista deja"},      {"  ", false, "Caracter nepermis : spatiu"},
        {"my-var", false, "Caracter nepermis : -"}, {"2abc", false, "Incepe cu o cifra"},
        {"noise2", true, ""}};
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
