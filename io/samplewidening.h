// Exact widening of the samples a sound library delivers into extended values: 16-bit and 32-bit
// integers read at full scale +-1 (x / 2^15 and x / 2^31), floats and doubles as they are. The
// x87 unit is slow at storing 80-bit values, so each value is rebuilt from its integer parts
// with plain stores; the largest magnitude is taken on the way. Every function reads every
// `stride`-th element from `from` (the channels of interleaved frames) and writes `count` values.
#pragma once

#include "core/extended.h"

#include <cstddef>
#include <cstdint>

// The largest magnitude of the samples widened into it; NaN is left out, as the display peak
// leaves it out.
class widenedPeak {
public:
    void add(std::uint16_t exponentField, std::uint64_t significand)
    {
        if (exponentField > exponent_ || (exponentField == exponent_ && significand > significand_)) {
            exponent_ = exponentField;
            significand_ = significand;
        }
    }
    extended value() const;

private:
    std::uint16_t exponent_ = 0;
    std::uint64_t significand_ = 0;
};

void widenSamples(const std::int16_t* from, int stride, std::size_t count, extended* to, widenedPeak& peak);
void widenSamples(const std::int32_t* from, int stride, std::size_t count, extended* to, widenedPeak& peak);
void widenSamples(const float* from, int stride, std::size_t count, extended* to, widenedPeak& peak);
void widenSamples(const double* from, int stride, std::size_t count, extended* to, widenedPeak& peak);
