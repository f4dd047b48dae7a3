// The envelope of a long curve against a direct scan, and the zoomable view's limits.
#include "plot/minmaxpyramid.h"
#include "plot/viewrange.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace {

minMax directScan(const std::vector<extended>& v, std::int64_t begin, std::int64_t end)
{
    minMax m;
    for (std::int64_t i = begin; i < end; ++i)
        m.take(v[static_cast<std::size_t>(i)]);
    return m;
}

bool same(const minMax& a, const minMax& b)
{
    return a.empty() ? b.empty() : a.low == b.low && a.high == b.high;
}

} // namespace

// Random lengths (not multiples of the blocks), ranges and widths, with NaN and infinities among
// the samples: every column reads what a scan of its own samples reads, and the columns share
// the range without gaps or overlaps.
TEST(Envelope, SameAsADirectScan)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> value(-1, 1);
    for (const std::int64_t n : {1, 15, 17, 1000, 70001}) {
        std::vector<extended> v(static_cast<std::size_t>(n));
        for (extended& s : v)
            s = value(rng) * 1e300L * 1e300L;
        v[static_cast<std::size_t>(n / 2)] = std::numeric_limits<extended>::quiet_NaN();
        v[static_cast<std::size_t>(n / 3)] = -std::numeric_limits<extended>::infinity();
        const minMaxPyramid pyramid{std::vector<extended>(v)};
        for (int round = 0; round < 50; ++round) {
            std::uniform_int_distribution<std::int64_t> at(0, n);
            std::int64_t first = at(rng), last = at(rng);
            if (first > last)
                std::swap(first, last);
            EXPECT_TRUE(same(pyramid.range(first, last), directScan(v, first, last)));
            const int columns = std::uniform_int_distribution<int>(1, 400)(rng);
            std::vector<minMax> envelope(static_cast<std::size_t>(columns));
            pyramid.envelope(first, last - first, envelope);
            std::int64_t from = first;
            for (int c = 0; c < columns; ++c) {
                const std::int64_t to = columnBoundary(first, last - first, columns, c + 1);
                ASSERT_LE(from, to);
                EXPECT_TRUE(same(envelope[static_cast<std::size_t>(c)], directScan(v, from, to))) << c;
                from = to;
            }
            EXPECT_EQ(from, last);
        }
        EXPECT_TRUE(same(pyramid.range(-5, n + 5), directScan(v, 0, n)));
    }
}

TEST(ViewRange, ZoomPanAndRectangleStayInsideTheSignal)
{
    viewRange view(10000, 384);
    const extended anchor = view.positionAt(100);
    view.zoomAround(100, 1e9L); // far past one sample per column: stops there
    EXPECT_TRUE(view.finest());
    EXPECT_EQ(view.count(), 384);
    EXPECT_NEAR(view.positionAt(100), anchor, 1);

    view.panByPixels(-100000); // a drag to the left shows later samples, up to the end
    EXPECT_EQ(view.first() + view.count(), 10000);
    view.panByPixels(100000);
    EXPECT_EQ(view.first(), 0);
    view.zoomAround(383, 1e-9L);
    EXPECT_TRUE(view.wholeCurve());
    for (const extended bad : {extended(0), extended(-2), std::numeric_limits<extended>::quiet_NaN()}) {
        view.zoomAround(10, bad);
        EXPECT_TRUE(view.wholeCurve());
    }

    view.zoomToPixels(300, 100); // columns 100 to 300 of the whole signal
    EXPECT_EQ(view.first(), 2604);
    EXPECT_EQ(view.first() + view.count(), 7838);
    view.zoomToPixels(5, 5); // one column widens to one sample per column, about its middle
    EXPECT_EQ(view.count(), 384);
    EXPECT_NEAR(view.first() + 192, (2672 + 2685) / 2.0L, 1); // column 5 held samples 2672 to 2684
    view.setColumns(1000); // a wider window cannot show fewer samples than columns
    EXPECT_EQ(view.count(), 1000);

    viewRange shortCurve(100, 384); // shorter than the width: only ever whole
    shortCurve.zoomAround(50, 4);
    EXPECT_TRUE(shortCurve.wholeCurve());
    viewRange empty(0, 384);
    empty.zoomToPixels(0, 383);
    EXPECT_EQ(empty.count(), 0);
}
