// Signals as columns of text (*.csv, *.txt), as spreadsheets and lab instruments write them.
//
// Reading: the cells of a row are separated by a tab, a semicolon or a comma, whichever the first
// non-blank line holds (in that order of preference); a line without any is one column. A cell
// may be quoted ("..." with "" for a quote) and surrounded by blanks. Numbers take the period as
// decimal mark, and also the comma when the separator is the semicolon or there is only one
// column; "nan", "inf" and "-inf"
// are read in any case. Blank lines are skipped wherever they stand. The first row is a header
// when one of its cells is not a number; its cells name the variables, and a pair of columns
// headed X.real and X.imaginar becomes one complex variable X. Each other column with a number
// in it becomes a real variable; a column without any (a column of labels) is left out. A column
// may end early (its cells below are empty), but a cell that is empty above a number, or that
// holds something other than a number, refuses the whole file with a message naming its row (the
// line number in the file) and its column, and nothing is created.
//
// Writing: a header row with the variable names in lower case (a complex variable X gives the
// columns x.real and x.imaginar), then one row per sample index, commas between cells and CR LF
// after each row; a shorter variable leaves its cells empty below its end. Every number has 21
// significant digits, enough for each 80-bit value to read back exactly; trailing zeros are left
// out and the exponent is written only outside 1e-5 <= |v| < 1e21.
#pragma once

#include "core/variable.h"
#include "io/signalimport.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kCsvRealSuffix = ".real";
inline constexpr const char* kCsvImaginarySuffix = ".imaginar";

// The variables that text columns hold, before any name is settled, or the reason why not.
struct csvContents {
    std::vector<pendingVariable> variables;
    std::string error; // empty when the text was read
    std::int64_t rows = 0; // data rows in the whole text, header and blank lines not counted
};

// Reads the columns of `text`, at most `rowLimit` data rows of them (the rows below are neither
// read nor checked). Names come from the header, else from `baseName` ("BASE" for one column,
// "BASE_<column>" for several); descriptions are "Loaded from : <shownPath> (column <c>)".
csvContents parseCsvText(std::string_view text, const std::string& shownPath,
                         const std::string& baseName, std::int64_t rowLimit);

// The whole import of text held in memory: parse (asking whether to keep the first part when
// there are more rows than a variable can hold), settle the names, create the variables. An error
// is shown through `callbacks` and creates nothing. Returns the new variables.
std::vector<tdspvarPtr> importCsvText(std::string_view text, const std::string& shownPath,
                                      const std::string& baseName, tworkspace& workspace,
                                      importCallbacks& callbacks);
// The same for the file at `path`, described with its absolute path.
std::vector<tdspvarPtr> importCsvFile(const std::string& path, tworkspace& workspace,
                                      importCallbacks& callbacks);

// One value as the writer writes it: 21 significant digits, locale-free.
std::string formatCsvNumber(extended value);
// One cell as the reader reads it (blanks and quotes already removed); `decimalComma` also takes
// a comma as the decimal mark.
std::optional<extended> parseCsvNumber(std::string_view cell, bool decimalComma);

std::string csvText(const std::vector<tdspvarPtr>& variables);
// Writes the file through a temporary file, so that a failure leaves an old file as it was; the
// error is shown through `callbacks`. True when the file was written.
bool saveCsvFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                 loadCallbacks& callbacks);
