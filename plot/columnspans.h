// columnSpans: a long curve as a sound editor draws it, one vertical span per pixel column from
// the column's smallest to its largest sample, joined to the next column from the column's last
// sample to that column's first, so that many samples per column show the curve's shape and
// few samples per column (down to one, or none in a column between two samples) draw as the
// polyline through them. A column holds the samples [boundary c, boundary c + 1); the boundaries
// come from a view range (linear x), from the graph's logarithmic x rule, or scaled from another
// curve's (a second variable spread over the same width).
#pragma once

#include "core/extended.h"
#include "plot/minmaxpyramid.h"
#include "plot/viewrange.h"

#include <cstdint>
#include <span>
#include <vector>

// One column that holds samples with a value (not NaN).
struct columnSpan {
    int column = 0;
    minMax extent;       // of the column's samples
    extended first = 0;  // its first and last sample (either may be NaN)
    extended last = 0;
};

// columns + 1 boundaries: the columns of a view range, sample k in the column of its pixelOf().
std::vector<std::int64_t> linearBoundaries(const viewRange& view);
// The graph's logarithmic x axis over a whole curve of `count` samples in `columns` columns:
// sample a lies in column trunc(ln(a + 1) (columns - 1) / ln(count + 1)).
std::vector<std::int64_t> logBoundaries(std::int64_t count, int columns);
// Boundaries of a curve of `count` samples spread over the width of one of `reference` samples.
std::vector<std::int64_t> scaledBoundaries(std::span<const std::int64_t> boundaries,
                                           std::int64_t reference, std::int64_t count);

// The spans of the columns of `curve` that hold a sample with a value, in column order.
std::vector<columnSpan> columnSpans(const minMaxPyramid& curve, std::span<const std::int64_t> boundaries);
