// The rows and cells of a text of columns under a given separator and decimal mark, below the
// level of variables: lines (LF, CR LF or a lone CR; a UTF-8 byte-order mark skipped), the
// spreadsheet's "sep=" first line, comment lines (first non-blank character '#'), cells split and
// unquoted ("..." with "" for a quote, blanks around a cell dropped), and numbers. Each row comes
// classified as a title (no cell looks like a number) before the first number, a comment, or
// data; the format guess and the column reader both read the text through csvRowReader.
#pragma once

#include "core/extended.h"
#include "io/csvformat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a cell holds, as far as columns of numbers are concerned.
enum class cellKind {
    empty,
    number,
    malformed, // looks like a number (digits, signs, marks, an exponent) but does not read as one
    text,      // a label: "time", "2024-05-01", "12:30"
};

struct csvCell {
    std::string text;
    bool wellFormed = true; // false for a quote that is not closed or is followed by more text
    cellKind kind = cellKind::empty; // set by csvRowReader
    extended value = 0;              // of a number
};

// Whether two texts are equal when A-Z and a-z count as the same.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// A cell that is a number: the decimal mark as given, "nan", "inf", "infinity" with any case and
// sign, at most 64 characters.
std::optional<extended> parseCsvNumber(std::string_view cell, decimalMark mark);
// Sets the cell's kind, and its value when it is a number.
void classifyCell(csvCell& cell, decimalMark mark);

// The separator a "sep=X" line names (X a tab, ';', ',' or a blank), if `line` is one.
std::optional<csvSeparator> separatorLineOf(std::string_view line);

struct csvRow {
    enum class role { title, comment, data };
    role kind = role::data;
    std::int64_t line = 0; // 1 for the first line of the text
    std::vector<csvCell> cells; // of a comment: what follows the '#'
    int numbers = 0;
    int malformed = 0;
    int texts = 0;
};

// Walks the rows that hold something, skipping blank lines (blanks and separators only) and a
// first "sep=" line. Rows before the first one with a number or a malformed cell are titles.
class csvRowReader {
public:
    csvRowReader(std::string_view text, csvSeparator separator, decimalMark mark);
    bool next(csvRow& row);
    // Whether the first line was a "sep=" line, and what it named.
    std::optional<csvSeparator> namedSeparator() const { return named_; }

private:
    bool nextLine(std::string_view& line);

    std::string_view text_;
    std::size_t pos_ = 0;
    std::int64_t number_ = 0;
    csvSeparator separator_;
    decimalMark mark_;
    bool inData_ = false;
    std::optional<csvSeparator> named_;
};

// Whether a comment line right before the data names its columns, as numpy.savetxt writes a
// header ("# t v"): as many cells as the first data row, every one a label.
bool commentNamesColumns(const csvRow& comment, const csvRow& firstData);

// Whether the first data row holds a label above a number of the second: then it is a header
// whose names read partly as numbers ("t;1;2", "2024;sin"), not a row of data.
bool labelsAboveNumbers(const csvRow& first, const csvRow& second);

void splitCells(std::string_view line, csvSeparator separator, std::vector<csvCell>& cells);
