#include "plot/columnspans.h"

#include <algorithm>
#include <cmath>

std::vector<std::int64_t> linearBoundaries(const viewRange& view)
{
    // Sample k lies in column floor((k - first) columns / count), where pixelOf() puts it, also
    // when there are fewer samples than columns.
    const std::int64_t columns = view.columns();
    std::vector<std::int64_t> b(static_cast<std::size_t>(columns) + 1);
    for (std::int64_t c = 0; c <= columns; ++c)
        b[static_cast<std::size_t>(c)] = view.first() + (c * view.count() + columns - 1) / columns;
    return b;
}

std::vector<std::int64_t> logBoundaries(std::int64_t count, int columns)
{
    columns = std::max(columns, 1);
    std::vector<std::int64_t> b(static_cast<std::size_t>(columns) + 1, std::max<std::int64_t>(count, 0));
    if (count <= 0 || columns < 2)
        return b;
    const extended factor = (columns - 1) / std::log(static_cast<extended>(count) + 1);
    // Column c starts at the first a with ln(a + 1) factor >= c.
    for (int c = 0; c < columns; ++c) {
        extended a = std::ceil(std::exp(c / factor) - 1);
        auto start = static_cast<std::int64_t>(std::clamp(a, extended(0), static_cast<extended>(count)));
        // exp and log round: move to the exact first sample of the column.
        while (start > 0 && std::trunc(std::log(static_cast<extended>(start)) * factor) >= c)
            --start;
        while (start < count && std::trunc(std::log(static_cast<extended>(start) + 1) * factor) < c)
            ++start;
        b[static_cast<std::size_t>(c)] = start;
    }
    return b;
}

std::vector<std::int64_t> scaledBoundaries(std::span<const std::int64_t> boundaries,
                                           std::int64_t reference, std::int64_t count)
{
    std::vector<std::int64_t> b(boundaries.size());
    for (std::size_t c = 0; c < b.size(); ++c)
        b[c] = reference > 0 ? static_cast<std::int64_t>(static_cast<extended>(boundaries[c]) * count / reference) : 0;
    return b;
}

std::vector<columnSpan> columnSpans(const minMaxPyramid& curve, std::span<const std::int64_t> boundaries)
{
    std::vector<columnSpan> spans;
    const std::span<const extended> samples = curve.samples();
    const std::int64_t size = curve.size();
    for (std::size_t c = 0; c + 1 < boundaries.size(); ++c) {
        const std::int64_t begin = std::clamp<std::int64_t>(boundaries[c], 0, size);
        const std::int64_t end = std::clamp<std::int64_t>(boundaries[c + 1], begin, size);
        if (begin == end)
            continue;
        const minMax extent = curve.range(begin, end);
        if (extent.empty())
            continue;
        spans.push_back({static_cast<int>(c), extent, samples[static_cast<std::size_t>(begin)],
                         samples[static_cast<std::size_t>(end - 1)]});
    }
    return spans;
}
