// The general number format used for every number shown on screen.
// The value is rounded to `digits` significant digits (halves away from zero), trailing zeros are
// dropped, and it is written in plain notation when 0.0001 <= |v| < 10^digits (and for 0),
// otherwise as mantissa, "E", "-" for a negative exponent only, and the exponent without leading
// zeros: with 5 digits 0.5 -> "0.5", 123456 -> "1.2346E5", 0.000001234 -> "1.234E-6".
// Infinities and NaN come out as "INF", "-INF" and "NAN".
#pragma once

#include "core/extended.h"

#include <string>

std::string formatGeneral(extended value, int digits, char decimalSeparator = '.');
