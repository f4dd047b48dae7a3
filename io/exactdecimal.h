// Exact decimal-to-extended conversion for the numbers that the quick paths cannot settle.
// A decimal S * 10^e is rounded to the nearest extended value (ties to even) with plain integer
// arithmetic, so every exponent is reached the same way, subnormal results included, and no
// library routine with locale or range quirks is involved. Slow (microseconds, more for extreme
// exponents), so the readers try an exact single operation first.
#pragma once

#include "core/extended.h"

// Rounds S * 10^exp10, S the `count` significant decimal digits at `digits` (count >= 1, at
// most 64), to the nearest extended value. False when it is beyond the largest finite value.
bool exactFromDecimal(const char* digits, int count, int exp10, extended& out);
