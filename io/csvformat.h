// The layout of a text of columns: what separates its cells, which decimal mark its numbers use,
// and whether a header row names the columns; and the guess of that layout from the text itself.
//
// The guess tries every separator that occurs in the text (and none: one column) with either
// decimal mark on the first kDetectionLines rows, and keeps the reading under which the most
// cells are numbers where numbers stand, the rows have one number of cells, and no comma is left
// in a label where it could have separated cells. A first line "sep=;" (as spreadsheets write
// it) fixes the separator. Where two readings that give different values fit equally well (two
// columns of whole numbers or one column with a decimal comma: "0,5"), the guess says it is not
// certain and lists them, so that the user can be asked; its first choice stands meanwhile.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

enum class csvSeparator {
    tab,
    semicolon,
    comma,
    whitespace, // runs of blanks and tabs, as numpy.savetxt, Octave and most *.dat files write
    none,       // one column
};

enum class decimalMark {
    point, // 1234.5
    comma, // 1234,5; a point may only group digits by three: 1.234,5
};

struct csvFormat {
    csvSeparator separator = csvSeparator::comma;
    decimalMark decimal = decimalMark::point;
    // The last line before the numbers that holds no number names the columns (when there is
    // none, a comment line right before them, else the first line itself).
    bool header = false;

    bool operator==(const csvFormat&) const = default;
};

inline constexpr std::int64_t kDetectionLines = 4096;

struct csvDetection {
    csvFormat format;         // the reading the import takes unless told otherwise
    bool certain = true;      // false: the alternatives fit the text as well as `format` does
    std::vector<csvFormat> alternatives; // other readings as good as `format`, in order of preference
    bool separatorLine = false; // the text named its separator on a "sep=" line
};

csvDetection detectCsvFormat(std::string_view text);
