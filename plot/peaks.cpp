#include "plot/peaks.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// NaN, a gap, ranks below every level.
extended rank(extended v)
{
    return std::isnan(v) ? -std::numeric_limits<extended>::infinity() : v;
}

bool sameLevel(extended a, extended b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

} // namespace

peakIndex::peakIndex(std::span<const extended> levels)
{
    const std::size_t n = levels.size();
    for (std::size_t start = 0; start < n;) {
        std::size_t end = start + 1; // the run is [start, end)
        while (end < n && sameLevel(levels[end], levels[start]))
            ++end;
        const extended v = levels[start];
        const bool lowerBefore = start == 0 || rank(levels[start - 1]) < rank(v);
        const bool lowerAfter = end == n || rank(levels[end]) < rank(v);
        const bool wholeCurve = start == 0 && end == n;
        if (!std::isnan(v) && lowerBefore && lowerAfter && !wholeCurve) {
            peaks_.push_back(static_cast<std::int64_t>(start + (end - 1 - start) / 2));
            heights_.push_back(v);
        }
        start = end;
    }
}

std::optional<std::int64_t> peakIndex::previous(std::int64_t position) const
{
    const auto it = std::lower_bound(peaks_.begin(), peaks_.end(), position);
    if (it == peaks_.begin())
        return std::nullopt;
    return *std::prev(it);
}

std::optional<std::int64_t> peakIndex::next(std::int64_t position) const
{
    const auto it = std::upper_bound(peaks_.begin(), peaks_.end(), position);
    if (it == peaks_.end())
        return std::nullopt;
    return *it;
}

std::optional<std::int64_t> peakIndex::nearest(std::int64_t position) const
{
    const auto right = std::lower_bound(peaks_.begin(), peaks_.end(), position);
    if (right != peaks_.end() && *right == position)
        return position;
    const std::optional<std::int64_t> left = previous(position);
    if (right == peaks_.end())
        return left;
    if (!left)
        return *right;
    const std::int64_t toLeft = position - *left;
    const std::int64_t toRight = *right - position;
    if (toLeft != toRight)
        return toLeft < toRight ? *left : *right;
    const auto height = [&](std::int64_t at) {
        return heights_[static_cast<std::size_t>(
            std::lower_bound(peaks_.begin(), peaks_.end(), at) - peaks_.begin())];
    };
    return height(*right) > height(*left) ? *right : *left;
}
