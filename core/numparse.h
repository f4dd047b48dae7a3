// The value table's reader of a number typed into a cell.
// The whole cell must be one number: optional leading blanks, an optional sign, digits, an
// optional period with digits, an optional exponent (E or e, optional sign, at least one digit),
// and nothing after it. A lone period reads as 0; an empty cell, blanks only or a lone sign do
// not parse. The conversion is locale-free and correctly rounded to `extended`.
#pragma once

#include "core/extended.h"

#include <optional>
#include <string_view>

// `localeDecimal` is accepted as a decimal separator besides the period (the comma of a comma
// locale, in which the table shows its numbers); a digit, sign, blank or exponent letter there
// is ignored. Values beyond the range of `extended` do not parse.
std::optional<extended> parseCellNumber(std::string_view text, char localeDecimal = '.');
