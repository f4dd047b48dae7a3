// The number forms of the state file, independent of the user's locale.
// The writer gives every sample value exactly 23 characters: a blank or "-", the first significant
// digit, ".", 14 more digits, "E", the exponent's sign and 4 exponent digits, the value rounded
// to 15 significant digits; a value that is not finite is "Nan", "+Inf" or "-Inf" right-aligned
// in the 23 characters. The reader takes any plain decimal form (sign, digits with at most one
// point, optional exponent) and exactly those three words, and it rounds correctly over the
// whole extended range, subnormal values included. Decimal point only, whatever the locale.
#pragma once

#include "core/extended.h"

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int kStateNumberWidth = 23;
// Longest token the reader accepts as an integer and as a real number.
inline constexpr std::size_t kIntegerTokenLimit = 32;
inline constexpr std::size_t kRealTokenLimit = 64;

// Writes the 23 characters of `value` at `out` (no terminating zero).
void formatStateNumber(extended value, char* out);
std::string formatStateNumber(extended value);

// A whole token as a real number. False (and `value` untouched) for anything else: an empty or
// too long token, stray characters, or a finite number beyond the extended range. A value below
// the smallest subnormal rounds to a signed zero.
bool parseStateReal(std::string_view token, extended& value);

// A whole token as a 32-bit signed integer: optional sign and decimal digits, nothing else.
bool parseStateInteger(std::string_view token, std::int32_t& value);
