// peakIndex: the local maxima of a shown curve (levels in dB, or moduli), found once, so that a
// cursor can snap to the nearest one and step to the previous or next (Shift+Left/Right).
//
// A local maximum is a run of equal levels whose neighbouring runs on both sides are lower; a
// run at either end of the curve needs only its one neighbour to be lower, and a curve that is
// one run has none. Its position is the middle of the run (rounded down), so a flat top or a
// plateau is snapped to once, at its centre. NaN levels (gaps) count as lower than any level
// and are never maxima; the floor of a clipped spectrum is one flat run and hides the rounding
// noise below it. Positions are indices into the sequence as it was given.
#pragma once

#include "core/extended.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class peakIndex {
public:
    peakIndex() = default;
    explicit peakIndex(std::span<const extended> levels);

    // The positions of every local maximum, in increasing order.
    const std::vector<std::int64_t>& positions() const { return peaks_; }
    // The maximum nearest to `position` (itself, if it is one); of two at the same distance the
    // higher, then the left one. None when the curve has no maximum.
    std::optional<std::int64_t> nearest(std::int64_t position) const;
    // The nearest maximum strictly left or right of `position`; none at the end of the curve.
    std::optional<std::int64_t> previous(std::int64_t position) const;
    std::optional<std::int64_t> next(std::int64_t position) const;

private:
    std::vector<std::int64_t> peaks_;
    std::vector<extended> heights_; // the level of each maximum
};
