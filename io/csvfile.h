// Signals as columns of text (*.csv, *.txt, *.dat), as spreadsheets, lab instruments, numpy and
// Octave write them.
//
// Reading: the layout (separator, decimal mark, header) is guessed from the text (csvformat.h) or
// chosen by the user after a preview. Lines may end in LF, CR LF or a lone CR; blank lines and
// comment lines ('#') are skipped wherever they stand, and a first line "sep=;" names the
// separator. Lines before the first number that hold no number are titles, the last of them the
// header when there is one; its cells name the variables, and a pair of columns headed X.real and
// X.imaginar becomes one complex variable X. A cell may be quoted ("..." with "" for a quote).
// Numbers take the decimal mark of the layout ("nan" and "inf" in any case); with the decimal
// comma a point may only group digits by three ("12.345.678,9"). Each column with a number in it
// becomes a real variable; a column of labels (text only) is left out and the result names it.
// A column may end early, but a cell that is empty above a number, a label among numbers, or a
// number in a form the reader does not take refuses the whole file with a message naming its
// row (the line number in the file) and its column, and nothing is created.
//
// Writing: a header row with the variable names in lower case (a complex variable X gives the
// columns x.real and x.imaginar), then one row per sample index, commas between cells and CR LF
// after each row; a shorter variable leaves its cells empty below its end. Every number has 21
// significant digits, enough for each 80-bit value to read back exactly; trailing zeros are left
// out and the exponent is written only outside 1e-5 <= |v| < 1e21.
#pragma once

#include "core/variable.h"
#include "io/csvcells.h"
#include "io/csvformat.h"
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
    std::vector<int> leftOutColumns; // from 1: columns taken but holding labels only
};

// How to read a text: its layout, and which of its columns to take.
struct csvChoices {
    csvFormat format;
    // By column from 0; a column past the end of the list (or with an empty list, every column)
    // is taken. A column not taken is neither read nor checked.
    std::vector<bool> takeColumns;
};

// Reads the columns of `text`, at most `rowLimit` data rows of them (the rows below are neither
// read nor checked). Names come from the header, else from `baseName` ("BASE" for one column,
// "BASE_<column>" for several); descriptions are "Loaded from : <shownPath> (column <c>)".
csvContents parseCsvText(std::string_view text, const std::string& shownPath,
                         const std::string& baseName, std::int64_t rowLimit,
                         const csvChoices& choices);

// What the column preview shows before an import: the header's cells (none without a header)
// and the first data rows as they will be read, each cell with its kind and value.
struct csvPreview {
    std::vector<std::string> header;
    std::vector<csvRow> rows;
    std::size_t columnCount = 0; // the most cells of the header and the rows shown
};
csvPreview previewCsvText(std::string_view text, const csvFormat& format, std::size_t rowCount);

struct columnImport {
    std::vector<tdspvarPtr> variables; // empty when nothing was created
    std::vector<int> leftOutColumns;   // from 1: columns of labels, left out
    // For the status bar: "Column 1 holds only text and was left out"; empty when none was.
    std::string note;
};

// The whole import of text held in memory: parse (asking whether to keep the first part when
// there are more rows than a variable can hold), settle the names, create the variables. Without
// `choices` the reading is the guessed one (detectCsvFormat). An error is shown through
// `callbacks` and creates nothing.
columnImport importCsvText(std::string_view text, const std::string& shownPath,
                           const std::string& baseName, tworkspace& workspace,
                           importCallbacks& callbacks,
                           const std::optional<csvChoices>& choices = std::nullopt);
// The same for the file at `path`, described with its absolute path.
columnImport importCsvFile(const std::string& path, tworkspace& workspace, importCallbacks& callbacks,
                           const std::optional<csvChoices>& choices = std::nullopt);

// One value as the writer writes it: 21 significant digits, locale-free.
std::string formatCsvNumber(extended value);
std::string csvText(const std::vector<tdspvarPtr>& variables);
// Writes the file through a temporary file, so that a failure leaves an old file as it was; the
// error is shown through `callbacks`. True when the file was written.
bool saveCsvFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                 loadCallbacks& callbacks);
