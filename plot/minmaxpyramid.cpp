#include "plot/minmaxpyramid.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFirstLevelShift = 4; // the smallest block holds 16 samples
constexpr std::int64_t kFirstBlock = std::int64_t(1) << kFirstLevelShift;

} // namespace

std::int64_t columnBoundary(std::int64_t first, std::int64_t count, int columns, int column)
{
    if (columns <= 0)
        return first + count;
    column = std::clamp(column, 0, columns);
    return first + std::max<std::int64_t>(count, 0) * column / columns;
}

minMaxPyramid::minMaxPyramid(std::vector<extended> samples) : samples_(std::move(samples))
{
    for (const extended v : samples_)
        if (std::isfinite(v))
            finite_.take(v);
    std::vector<minMax> level(samples_.size() / kFirstBlock);
    for (std::size_t i = 0; i < level.size(); ++i)
        for (std::size_t k = i * kFirstBlock; k < (i + 1) * kFirstBlock; ++k)
            level[i].take(samples_[k]);
    while (!level.empty()) {
        std::vector<minMax> up(level.size() / 2);
        for (std::size_t i = 0; i < up.size(); ++i) {
            up[i] = level[2 * i];
            up[i].take(level[2 * i + 1]);
        }
        levels_.push_back(std::move(level));
        level = std::move(up);
    }
}

minMax minMaxPyramid::range(std::int64_t begin, std::int64_t end) const
{
    begin = std::max<std::int64_t>(begin, 0);
    end = std::min(end, size());
    minMax out;
    const auto scan = [&](std::int64_t from, std::int64_t to) {
        for (std::int64_t i = from; i < to; ++i)
            out.take(samples_[static_cast<std::size_t>(i)]);
    };
    // Whole blocks of the first level cover [alignedBegin, alignedEnd); the ends are scanned.
    const std::int64_t alignedBegin = (begin + kFirstBlock - 1) / kFirstBlock * kFirstBlock;
    const std::int64_t alignedEnd = end / kFirstBlock * kFirstBlock;
    if (alignedBegin >= alignedEnd) {
        scan(begin, end);
        return out;
    }
    scan(begin, alignedBegin);
    scan(alignedEnd, end);
    // Climb the levels, taking a block at either end whenever it has no partner inside.
    std::int64_t lo = alignedBegin / kFirstBlock;
    std::int64_t hi = alignedEnd / kFirstBlock;
    for (std::size_t j = 0; lo < hi; ++j, lo /= 2, hi /= 2) {
        const std::vector<minMax>& level = levels_[j];
        if (lo % 2 != 0)
            out.take(level[static_cast<std::size_t>(lo++)]);
        if (hi % 2 != 0)
            out.take(level[static_cast<std::size_t>(--hi)]);
    }
    return out;
}

void minMaxPyramid::envelope(std::int64_t first, std::int64_t count, std::span<minMax> columns) const
{
    const int n = static_cast<int>(columns.size());
    std::int64_t from = columnBoundary(first, count, n, 0);
    for (int c = 0; c < n; ++c) {
        const std::int64_t to = columnBoundary(first, count, n, c + 1);
        columns[static_cast<std::size_t>(c)] = range(from, to);
        from = to;
    }
}
