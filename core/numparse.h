// The readers of numbers that the user types into the dialogs' fields: the value table's cells and
// the count fields. Both are locale-free and take the whole text or nothing.
#pragma once

#include "core/extended.h"

#include <optional>
#include <string_view>

// A number typed into a value-table cell: optional leading blanks, an optional sign, digits, an
// optional period with digits, an optional exponent (E or e, optional sign, at least one digit),
// and nothing after it. A lone period reads as 0; an empty cell, blanks only or a lone sign do
// not parse. The conversion is correctly rounded to `extended`, subnormal values included; a value
// below the smallest of them reads as zero, as in the state file.
// `localeDecimal` is accepted as a decimal separator besides the period (the comma of a comma
// locale, in which the table shows its numbers); a digit, sign, blank or exponent letter there
// is ignored. Values beyond the range of `extended` do not parse.
std::optional<extended> parseCellNumber(std::string_view text, char localeDecimal = '.');

// The integer of a count field (the spin edits of the dialogs): an optional sign followed by one
// to nine digits, and nothing else, so the value always fits an int.
std::optional<int> parseFieldInteger(std::string_view text);
