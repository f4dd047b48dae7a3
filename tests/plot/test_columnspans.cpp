// A curve drawn column by column: each span against a direct scan of the column's samples, and
// the logarithmic columns against the graph's own rule for the x of a sample.
#include "plot/columnspans.h"
#include "plot/plotscale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(ColumnSpans, EachSpanIsItsColumnsExtremesAndEnds)
{
    const extended nan = std::numeric_limits<extended>::quiet_NaN();
    std::vector<extended> samples(5000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = i % 97 == 3 ? nan : std::sin(static_cast<extended>(i) * 0.37L) * (i % 13);
    const minMaxPyramid curve{std::vector<extended>(samples)};
    struct shape {
        std::int64_t first, count;
        int columns;
    };
    // Many samples per column, a zoomed part, and fewer samples than columns.
    for (const shape& s : {shape{0, 5000, 384}, shape{1234, 700, 333}, shape{4990, 10, 40}}) {
        std::vector<std::int64_t> shifted = linearBoundaries(viewRange(s.count, s.columns));
        for (auto& x : shifted)
            x += s.first;
        std::size_t next = 0;
        const std::vector<columnSpan> spans = columnSpans(curve, shifted);
        for (int c = 0; c < s.columns; ++c) {
            minMax direct;
            for (std::int64_t i = shifted[c]; i < shifted[c + 1]; ++i)
                if (!std::isnan(samples[i]))
                    direct.take(samples[i]);
            if (direct.empty())
                continue; // empty or NaN only: no span
            ASSERT_LT(next, spans.size());
            const columnSpan& span = spans[next++];
            ASSERT_EQ(span.column, c);
            EXPECT_EQ(span.extent.low, direct.low);
            EXPECT_EQ(span.extent.high, direct.high);
            EXPECT_TRUE(span.first == samples[shifted[c]] || std::isnan(span.first));
            EXPECT_TRUE(span.last == samples[shifted[c + 1] - 1] || std::isnan(span.last));
        }
        EXPECT_EQ(next, spans.size());
    }
}

TEST(ColumnSpans, LogarithmicColumnsFollowTheGraphsRule)
{
    for (const std::int64_t count : {1, 2, 19, 1000, 65536}) {
        const std::vector<std::int64_t> b = logBoundaries(count, 384);
        const plotScale scale = makePlotScale(plotRange{}, plotFlags{.logX = true}, count);
        for (std::int64_t a = 0; a < count; ++a) {
            const int x = plotX(scale, a);
            ASSERT_LE(b[x], a) << count << " " << a;
            ASSERT_LT(a, b[x + 1]) << count << " " << a;
        }
        EXPECT_EQ(b.back(), count);
    }
}
