// Pixel rounding shared by every plot the program draws (thumbnails, previews, the graph).
// A coordinate is the nearest integer with ties to the even neighbour (the default rounding
// mode), limited to a range; a coordinate that is not a number has no pixel, and the line that
// would reach it is left out, so the curve shows a gap there. Infinities and huge values land on
// the limits, which lie far enough outside the picture that the painter clips the stroke there.
#pragma once

#include "core/extended.h"

#include <cmath>
#include <optional>

// Limits for pictures that set none of their own: far outside any bitmap, yet small enough for
// the painter's integer arithmetic.
inline constexpr int kFarPixel = 1000000;

inline std::optional<int> roundedPixel(extended v, int low = -kFarPixel, int high = kFarPixel)
{
    if (std::isnan(v))
        return std::nullopt;
    if (v <= low)
        return low;
    if (v >= high)
        return high;
    return static_cast<int>(std::lrint(v)); // the default rounding mode: ties to even
}
