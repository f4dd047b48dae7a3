// The two small controls the dialogs build on: the free-typing spin edit and the radio group.
#include "uitest.h"

#include "ui/radiogroup.h"
#include "ui/spinedit.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

TEST(DialogControls, SpinEditReadsOnlyASignAndDigitsAsAnInteger)
{
    EXPECT_EQ(SpinEdit::readInteger("128"), 128);
    EXPECT_EQ(SpinEdit::readInteger("+7"), 7);
    EXPECT_EQ(SpinEdit::readInteger("-05"), -5);
    EXPECT_EQ(SpinEdit::readInteger(""), std::nullopt);
    EXPECT_EQ(SpinEdit::readInteger("-"), std::nullopt);
    EXPECT_EQ(SpinEdit::readInteger("1.5"), std::nullopt);
    EXPECT_EQ(SpinEdit::readInteger("1-"), std::nullopt);
    EXPECT_EQ(SpinEdit::readInteger("9999999999999"), std::nullopt);
}

TEST(DialogControls, SpinEditTypingIsFreeWithinTheLimitAndArrowsStepWithinTheRange)
{
    SpinEdit spin;
    spin.setRange(1, 65536);
    spin.setMaxLength(5);
    QSignalSpy changes(&spin, &SpinEdit::textChanged);
    QTest::keyClicks(spin.lineEdit(), "7x0 000 0");
    EXPECT_EQ(spin.text(), "70000"); // out of range, but typed as it is
    EXPECT_EQ(changes.size(), 5);
    EXPECT_EQ(spin.value(), 65536);

    spin.setText("65535");
    QTest::keyClick(spin.lineEdit(), Qt::Key_Up);
    EXPECT_EQ(spin.text(), "65536");
    QTest::keyClick(spin.lineEdit(), Qt::Key_Up);
    EXPECT_EQ(spin.text(), "65536");
    spin.setText("1.5"); // not a number: steps from the minimum
    QTest::keyClick(spin.lineEdit(), Qt::Key_Down);
    EXPECT_EQ(spin.text(), "1");
}

TEST(DialogControls, SpinEditLeavingTheFieldPullsANumberIntoTheRange)
{
    QWidget window;
    auto* spin = new SpinEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    spin->setRange(1, 65536);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(uitest::windowActive(&window));
    for (const auto& [typed, kept] : {std::pair{"0", "1"}, {"70000", "65536"}, {"-", "-"}, {"42", "42"}}) {
        spin->setFocus();
        spin->setText(typed);
        other->setFocus();
        EXPECT_EQ(spin->text(), kept) << typed;
    }
}

TEST(DialogControls, RadioGroupReportsChangesOfTheChoiceOnly)
{
    RadioGroup group("Tip : ", {"&Real", "&Complex"});
    group.setItemIndex(0);
    QSignalSpy changes(&group, &RadioGroup::itemChanged);
    group.button(0)->click(); // already chosen
    EXPECT_EQ(changes.size(), 0);
    group.button(1)->click();
    ASSERT_EQ(changes.size(), 1);
    EXPECT_EQ(changes.at(0).at(0).toInt(), 1);
    group.setItemIndex(0);
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(group.itemIndex(), 0);
}
