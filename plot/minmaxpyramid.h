// minMaxPyramid: the envelope of a long curve, for drawing many samples per pixel column as the
// column's minimum-to-maximum span. Built once per drawn quantity of a variable (its real part,
// imaginary part, modulus or spectrum levels), it keeps the minimum and maximum of every aligned
// block of 16, 32, 64 ... samples, so the extremes of any range come from O(log N) blocks plus
// at most 15 samples at each end, and a zoom or resize step asks only for its columns.
//
// Answers are exact: the same minimum and maximum as a direct scan of the range. NaN samples
// take no part (a column of NaN only is empty); infinities do, so a column holding one reaches
// the picture's edge. The pyramid owns its samples (with the blocks, about 1.25 times their memory) and
// is never changed once built, so one pyramid may serve several threads at once.
#pragma once

#include "core/extended.h"

#include <cstdint>
#include <limits>
#include <span>
#include <vector>

struct minMax {
    extended low = std::numeric_limits<extended>::infinity();
    extended high = -std::numeric_limits<extended>::infinity();

    bool empty() const { return !(low <= high); }
    void take(extended v)
    {
        if (v < low)
            low = v;
        if (v > high)
            high = v;
    }
    void take(const minMax& other)
    {
        take(other.low);
        take(other.high);
    }
};

// The first sample of column `column` when `count` samples from `first` are shared among
// `columns` columns: column c holds [boundary(c), boundary(c + 1)), so the columns partition the
// samples without gaps or overlaps, each taking count / columns of them, give or take one.
std::int64_t columnBoundary(std::int64_t first, std::int64_t count, int columns, int column);

class minMaxPyramid {
public:
    minMaxPyramid() = default;
    explicit minMaxPyramid(std::vector<extended> samples);

    std::int64_t size() const { return static_cast<std::int64_t>(samples_.size()); }
    std::span<const extended> samples() const { return samples_; }

    // The extremes of samples [begin, end), the range kept inside the samples.
    minMax range(std::int64_t begin, std::int64_t end) const;
    // The extremes of each column when samples [first, first + count) are spread over
    // columns.size() columns (columnBoundary); a column without samples is empty.
    void envelope(std::int64_t first, std::int64_t count, std::span<minMax> columns) const;
    // The extremes of the finite samples of the whole curve.
    const minMax& finiteRange() const { return finite_; }

private:
    std::vector<extended> samples_;
    // levels_[j][i]: the extremes of samples [i 2^(j+4), (i+1) 2^(j+4)), whole blocks only.
    std::vector<std::vector<minMax>> levels_;
    minMax finite_;
};
