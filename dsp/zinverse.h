// The computing side of the inverse Z transform window: the reader of the coefficient lists that
// the user types, and the long division that expands numerator / denominator into the first 50
// terms of its series in descending powers of z. Both are pure functions of their input; the
// window formats and shows the terms.
#pragma once

#include "core/extended.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

inline constexpr int kMaxCoefficients = 20;
inline constexpr int kSeriesTerms = 50;

// Reads up to 20 comma-separated coefficients, the free term first. Each is an optional "-"
// (spaces may follow it), digits, an optional "." and fraction digits, and an optional E or e
// followed by an exponent read the same way; anything else ends the number, and the rest up to the
// next comma is ignored. A field that does not start like a number reads as 0, so "2x, 3" gives
// 2 and 3, "abc" gives 0, and an empty text gives no coefficients.
std::vector<extended> readCoefficients(std::string_view text);

// q[i] for i = 1..50 (returned at index i-1): the coefficient of z^(J-L-i+1) in the expansion of
// N(z)/D(z) = (sum n[k] z^(k-1)) / (sum d[k] z^(k-1)), where J is the numerator's count and d[L]
// the denominator's highest non-zero coefficient. With J = L the terms are the samples x[0], x[1],
// ... of the causal inverse transform. nullopt: no usable denominator (none typed, or all zero),
// and the caller leaves what it shows as it was.
std::optional<std::array<extended, kSeriesTerms>> inverseZSeries(const std::vector<extended>& numerator,
                                                                 const std::vector<extended>& denominator);
