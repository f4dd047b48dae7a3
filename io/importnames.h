// The names that imports make from outside text (a file's base name, a column's header cell):
// accented Latin letters of UTF-8 text are folded to their base letters first, so that
// "înregistrare vocală" keeps every letter, and the result obeys the same rules as a name typed
// by hand, so that formulas can always use it. Other characters are dropped as the workspace's
// normalising drops them; text that is not UTF-8 loses its bytes above 127.
#pragma once

#include <string>
#include <string_view>

// The letter put in front of a name that would begin with a digit or be a function name.
inline constexpr char kImportedNamePrefix = 'S';

// `utf8` with every letter of the Latin-1 Supplement and Latin Extended-A blocks (and the
// comma-below S and T of Romanian) replaced by its base letter or letters, keeping its case:
// "ă" -> "a", "Ș" -> "S", "ß" -> "ss", "Æ" -> "AE". Everything else stays as it is.
std::string foldAccents(std::string_view utf8);

// foldAccents, then the workspace's normalising (letters, digits, '_', upper case); a result
// that begins with a digit or equals a reserved function name gets kImportedNamePrefix in front:
// "2024-05-01 proba" -> "S20240501PROBA", "sin" -> "SSIN". Empty when nothing is left.
std::string importedName(std::string_view text);
