// Axis ticks, their thinning, and the graph's x labels that give way to the sample count.
#include "plot/axisticks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The plot font as the painter draws it (11-pixel sans serif): 7 pixels a character, ink from
// the second column to two before the advance.
textInk fontInk(std::string_view text)
{
    return {1, 7 * static_cast<int>(text.size()) - 2};
}

// A vertical axis: every label is 11 rows tall.
textInk rowsInk(std::string_view) { return {0, 10}; }

} // namespace

// At these lengths the count label used to cover or touch the last label of the x axis.
TEST(GraphLabels, CountLabelKeepsItsRoom)
{
    struct countCase {
        std::int64_t count;
        bool logX;
        std::string dropped; // "" when no label is in the way
        std::string kept;
    };
    const countCase cases[] = {
        {59300, false, "50000", "40000"},
        {65536, true, "10000", "5000"},
        {1048576, false, "800000", "600000"},
        {128, false, "", "100"},
    };
    for (const countCase& c : cases) {
        plotScale scale;
        scale.count = c.count;
        scale.logX = c.logX;
        scale.xFactor = (plotGeometry::kWidth - 1) / std::log(static_cast<extended>(c.count) + 1);
        const std::vector<gridMark> marks = xGridMarks(scale, fontInk);
        const auto labelled = [&](const std::string& text) {
            return std::any_of(marks.begin(), marks.end(), [&](const gridMark& m) { return m.label == text; });
        };
        SCOPED_TRACE(c.count);
        EXPECT_TRUE(labelled(c.kept));
        EXPECT_TRUE(c.dropped.empty() || !labelled(c.dropped)) << c.dropped;
        // Whatever keeps its label ends a digit's width before the count begins.
        const std::string count = std::to_string(c.count);
        for (const gridMark& m : marks)
            EXPECT_TRUE(m.label.empty() || m.x + fontInk(m.label).right + 5 < countLabelOrigin(count, fontInk))
                << m.label;
        // The grid itself is unchanged: a line per step.
        const std::size_t lines = c.logX ? 13 : static_cast<std::size_t>(c.count / linearGridStep(c.count + 1) + 1);
        EXPECT_EQ(marks.size(), lines);
    }
}

TEST(AxisTicks, NiceStepsThinnedUntilLabelsFit)
{
    struct tickCase {
        axisLayout axis;
        textInk (*ink)(std::string_view);
        std::vector<extended> values; // in pixel order
    };
    const tickCase cases[] = {
        {{0, 1024, 383}, fontInk, {0, 200, 400, 600, 800, 1000}},
        // A level axis, top to bottom: 10 dB steps although 5 would be as far apart.
        {{54.19L, -65.81L, 288, tickKind::decibel, 20}, rowsInk,
         {50, 40, 30, 20, 10, 0, -10, -20, -30, -40, -50, -60}},
        // Ten pixels apart would suffice for the ticks, not for their five-digit labels.
        {{0, 60000, 100, tickKind::linear, 10}, fontInk, {0, 50000}},
        {{-0.5L, 0.5L, 383, tickKind::linear, 40, ','}, fontInk, {-0.4L, -0.2L, 0, 0.2L, 0.4L}},
        {{7, 7, 100}, fontInk, {7}},
        {{0, std::numeric_limits<extended>::infinity(), 100}, fontInk, {}},
        {{0, 1, 0}, fontInk, {}},
    };
    for (const tickCase& c : cases) {
        const std::vector<axisTick> ticks = axisTicks(c.axis, c.ink);
        SCOPED_TRACE(static_cast<double>(c.axis.atEnd));
        ASSERT_EQ(ticks.size(), c.values.size());
        for (std::size_t i = 0; i < ticks.size(); ++i)
            EXPECT_NEAR(ticks[i].value, c.values[i], 1e-15L);
        for (std::size_t i = 1; i < ticks.size(); ++i) {
            EXPECT_GE(ticks[i].pixel, ticks[i - 1].pixel);
            const int gap = ticks[i].labelOrigin + c.ink(ticks[i].label).left -
                            (ticks[i - 1].labelOrigin + c.ink(ticks[i - 1].label).right) - 1;
            EXPECT_GE(gap, c.ink("0").right - c.ink("0").left + 1);
        }
        for (const axisTick& t : ticks) {
            EXPECT_GE(t.labelOrigin + c.ink(t.label).left, 0);
            EXPECT_LE(t.labelOrigin + c.ink(t.label).right, c.axis.pixels);
        }
    }
    EXPECT_EQ(axisTicks({-0.5L, 0.5L, 383, tickKind::linear, 40, ','}, fontInk).front().label, "-0,4");
}
