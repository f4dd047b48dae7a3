#include "io/csvfile.h"

#include "io/fileaccess.h"
#include "io/statefile.h"
#include "io/statenumber.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <new>

namespace {

constexpr std::size_t kShownCellLength = 40; // of a bad cell, in the message

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() &&
           equalsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

// Walks the text line by line; a line ends at LF, CR LF or a lone CR.
class lineReader {
public:
    explicit lineReader(std::string_view text) : text_(text)
    {
        if (text_.substr(0, 3) == "\xEF\xBB\xBF") // a UTF-8 byte-order mark
            text_.remove_prefix(3);
    }
    bool next(std::string_view& line)
    {
        if (pos_ >= text_.size())
            return false;
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
            ++end;
        line = text_.substr(pos_, end - pos_);
        pos_ = end;
        if (pos_ < text_.size() && text_[pos_++] == '\r' && pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        ++number_;
        return true;
    }
    std::int64_t number() const { return number_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::int64_t number_ = 0;
};

// A line of blanks and separators only holds no cell worth reading.
bool isBlankLine(std::string_view line, char separator)
{
    return std::all_of(line.begin(), line.end(),
                       [&](char c) { return isBlank(c) || (separator != 0 && c == separator); });
}

// The separator of the file, from its first line; what stands between quotes does not count.
char detectSeparator(std::string_view line)
{
    bool seen[3] = {false, false, false};
    bool quoted = false;
    for (const char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted)
            for (int k = 0; k < 3; ++k)
                seen[k] = seen[k] || c == "\t;,"[k];
    }
    for (int k = 0; k < 3; ++k)
        if (seen[k])
            return "\t;,"[k];
    return 0;
}

struct cell {
    std::string text;
    bool wellFormed = true; // false for a quote that is not closed or is followed by more text
};

// Splits a line into cells without blanks around them and with quotes resolved.
void splitCells(std::string_view line, char separator, std::vector<cell>& cells)
{
    cells.clear();
    const auto blank = [&](char c) { return isBlank(c) && c != separator; };
    std::size_t p = 0;
    for (;;) {
        cell c;
        while (p < line.size() && blank(line[p]))
            ++p;
        if (p < line.size() && line[p] == '"') {
            ++p;
            bool closed = false;
            while (p < line.size()) {
                if (line[p] == '"') {
                    if (p + 1 < line.size() && line[p + 1] == '"') {
                        c.text += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    closed = true;
                    break;
                }
                c.text += line[p++];
            }
            while (p < line.size() && blank(line[p]))
                ++p;
            c.wellFormed = closed && (p == line.size() || line[p] == separator);
            while (p < line.size() && line[p] != separator) // what follows a bad quote
                c.text += line[p++];
        } else {
            const std::size_t start = p;
            while (p < line.size() && (separator == 0 || line[p] != separator))
                ++p;
            std::size_t end = p;
            while (end > start && blank(line[end - 1]))
                --end;
            c.text.assign(line.substr(start, end - start));
        }
        cells.push_back(std::move(c));
        if (p >= line.size())
            return;
        ++p; // the separator
    }
}

bool isNumberCell(const cell& c, bool decimalComma)
{
    return c.wellFormed && !c.text.empty() && parseCsvNumber(c.text, decimalComma).has_value();
}

// What the reader learns about one column of the file.
struct columnState {
    std::string header;
    std::vector<extended> values;
    std::int64_t numbers = 0;
    std::int64_t emptyRow = 0;  // the first empty cell since the last number, 0 for none
    std::int64_t gapRow = 0;    // an empty cell above a number, 0 for none
    std::int64_t badRow = 0;    // the first cell that is not a number, 0 for none
    std::string badText;
};

// The first problem of the numeric columns, by row and then by column; empty when there is none.
std::string firstProblem(const std::vector<columnState>& columns)
{
    std::int64_t bestRow = std::numeric_limits<std::int64_t>::max();
    std::string message;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const columnState& col = columns[c];
        if (col.numbers == 0)
            continue;
        if (col.badRow != 0 && col.badRow < bestRow) {
            bestRow = col.badRow;
            std::string shown = col.badText.substr(0, kShownCellLength);
            if (shown.size() < col.badText.size())
                shown += "...";
            message = std::string(kInvalidNumericInput) + " in row " + std::to_string(col.badRow) +
                      ", column " + std::to_string(c + 1) + " : \"" + shown + "\"";
        }
        if (col.gapRow != 0 && col.gapRow < bestRow) {
            bestRow = col.gapRow;
            message = "Missing value in row " + std::to_string(col.gapRow) + ", column " +
                      std::to_string(c + 1);
        }
    }
    return message;
}

std::string columnName(const columnState& col, std::size_t index, const std::string& baseName,
                       bool single)
{
    if (!normaliseName(col.header).empty())
        return col.header;
    return single ? baseName : baseName + "_" + std::to_string(index + 1);
}

// The column headed <prefix>.imaginar that completes the column headed <prefix>.real, if any.
std::size_t imaginaryPartner(const std::vector<columnState>& columns, std::size_t realColumn,
                             const std::vector<bool>& used)
{
    const std::string& h = columns[realColumn].header;
    if (!endsWithIgnoringCase(h, kCsvRealSuffix))
        return columns.size();
    const std::string_view prefix = std::string_view(h).substr(0, h.size() - std::string_view(kCsvRealSuffix).size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::string& other = columns[c].header;
        if (!used[c] && c != realColumn && columns[c].numbers > 0 &&
            endsWithIgnoringCase(other, kCsvImaginarySuffix) &&
            equalsIgnoringCase(std::string_view(other).substr(0, other.size() - std::string_view(kCsvImaginarySuffix).size()), prefix))
            return c;
    }
    return columns.size();
}

std::vector<pendingVariable> makeVariables(std::vector<columnState>& columns, bool header,
                                           const std::string& shownPath,
                                           const std::string& baseName)
{
    const auto numeric = std::count_if(columns.begin(), columns.end(),
                                       [](const columnState& c) { return c.numbers > 0; });
    // Pairs first, so an imaginary column before its real one is not taken alone.
    std::vector<bool> used(columns.size(), false);
    std::vector<std::size_t> partner(columns.size(), columns.size());
    for (std::size_t c = 0; header && c < columns.size(); ++c) {
        if (columns[c].numbers == 0 || used[c])
            continue;
        partner[c] = imaginaryPartner(columns, c, used);
        if (partner[c] < columns.size())
            used[partner[c]] = true;
    }

    std::vector<pendingVariable> out;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].numbers == 0 || (used[c] && partner[c] == columns.size()))
            continue;
        pendingVariable v;
        v.description = "Loaded from : " + shownPath;
        if (partner[c] < columns.size()) {
            columnState& imaginary = columns[partner[c]];
            const std::string& h = columns[c].header;
            v.name = h.substr(0, h.size() - std::string_view(kCsvRealSuffix).size());
            if (normaliseName(v.name).empty())
                v.name = baseName + "_" + std::to_string(c + 1);
            v.isComplex = true;
            v.re = std::move(columns[c].values);
            v.im = std::move(imaginary.values);
            const std::size_t n = std::max(v.re.size(), v.im.size());
            v.re.resize(n);
            v.im.resize(n);
            v.description += " (columns " + std::to_string(c + 1) + ", " +
                             std::to_string(partner[c] + 1) + ")";
        } else {
            v.name = columnName(columns[c], c, baseName, numeric == 1);
            v.re = std::move(columns[c].values);
            v.description += " (column " + std::to_string(c + 1) + ")";
        }
        out.push_back(std::move(v));
    }
    return out;
}

} // namespace

std::optional<extended> parseCsvNumber(std::string_view cell, bool decimalComma)
{
    std::string_view t = cell;
    const bool negative = !t.empty() && t[0] == '-';
    std::string_view unsignedPart = t;
    if (!t.empty() && (t[0] == '-' || t[0] == '+'))
        unsignedPart.remove_prefix(1);
    if (equalsIgnoringCase(unsignedPart, "nan"))
        return std::numeric_limits<extended>::quiet_NaN();
    if (equalsIgnoringCase(unsignedPart, "inf") || equalsIgnoringCase(unsignedPart, "infinity"))
        return negative ? -std::numeric_limits<extended>::infinity()
                        : std::numeric_limits<extended>::infinity();

    std::string withPoint;
    if (decimalComma) {
        const std::size_t comma = t.find(',');
        if (comma != std::string_view::npos) {
            if (t.find('.') != std::string_view::npos || t.find(',', comma + 1) != std::string_view::npos)
                return std::nullopt;
            withPoint.assign(t);
            withPoint[comma] = '.';
            t = withPoint;
        }
    }
    // The state file's reader takes any plain decimal form, correctly rounded; "+1" and "1."
    // and ".5" included, but nothing after the number.
    extended value = 0;
    if (t.empty() || t == "Nan" || t == "+Inf" || t == "-Inf" || !parseStateReal(t, value))
        return std::nullopt;
    return value;
}

csvContents parseCsvText(std::string_view text, const std::string& shownPath,
                         const std::string& baseName, std::int64_t rowLimit)
{
    csvContents result;
    lineReader lines(text);
    std::string_view line;
    char separator = 0;
    bool found = false;
    while (!found && lines.next(line)) {
        separator = detectSeparator(line);
        found = !isBlankLine(line, separator);
    }
    if (!found) {
        result.error = "No column of numbers in the file";
        return result;
    }
    // A comma is a decimal mark where it cannot separate cells: beside semicolons, or in a
    // file of one column.
    const bool decimalComma = separator == ';' || separator == 0;

    std::vector<columnState> columns;
    std::vector<cell> cells;
    splitCells(line, separator, cells);
    const bool header = std::any_of(cells.begin(), cells.end(), [&](const cell& c) {
        return !(c.wellFormed && c.text.empty()) && !isNumberCell(c, decimalComma);
    });
    std::int64_t firstDataRow = 0;
    if (header) {
        for (const cell& c : cells)
            columns.push_back(columnState{c.text, {}, 0, 0, 0, 0, {}});
    }

    bool lineIsData = !header;
    for (;;) {
        if (lineIsData && !isBlankLine(line, separator)) {
            const std::int64_t row = lines.number();
            ++result.rows;
            if (result.rows <= rowLimit) {
                if (firstDataRow == 0)
                    firstDataRow = row;
                splitCells(line, separator, cells);
                while (columns.size() < cells.size()) {
                    columns.emplace_back();
                    // A column that starts below the first data row has empty cells above.
                    if (row != firstDataRow)
                        columns.back().emptyRow = firstDataRow;
                }
                for (std::size_t c = 0; c < columns.size(); ++c) {
                    columnState& col = columns[c];
                    if (c >= cells.size() || (cells[c].wellFormed && cells[c].text.empty())) {
                        if (col.emptyRow == 0)
                            col.emptyRow = row;
                        continue;
                    }
                    const std::optional<extended> value =
                        cells[c].wellFormed ? parseCsvNumber(cells[c].text, decimalComma) : std::nullopt;
                    if (!value) {
                        if (col.badRow == 0) {
                            col.badRow = row;
                            col.badText = cells[c].text;
                        }
                        continue;
                    }
                    if (col.emptyRow != 0 && col.gapRow == 0)
                        col.gapRow = col.emptyRow;
                    col.emptyRow = 0;
                    ++col.numbers;
                    if (col.badRow == 0 && col.gapRow == 0)
                        col.values.push_back(*value);
                }
            }
        }
        lineIsData = true;
        if (!lines.next(line))
            break;
    }

    result.error = firstProblem(columns);
    if (!result.error.empty())
        return result;
    result.variables = makeVariables(columns, header, shownPath, baseName);
    if (result.variables.empty())
        result.error = "No column of numbers in the file";
    return result;
}

std::vector<tdspvarPtr> importCsvText(std::string_view text, const std::string& shownPath,
                                      const std::string& baseName, tworkspace& workspace,
                                      importCallbacks& callbacks)
{
    csvContents contents;
    try {
        contents = parseCsvText(text, shownPath, baseName, kMaxVariableSamples);
    } catch (const std::bad_alloc&) {
        callbacks.showError(ioErrorMessage(ENOMEM, false));
        return {};
    }
    if (!contents.error.empty()) {
        callbacks.showError(contents.error);
        return {};
    }
    if (contents.rows > kMaxVariableSamples &&
        !callbacks.keepFirstPart(contents.rows, kMaxVariableSamples, 0))
        return {};
    if (!settleNames(contents.variables, workspace, callbacks))
        return {};
    return addVariables(contents.variables, workspace);
}

std::vector<tdspvarPtr> importCsvFile(const std::string& path, tworkspace& workspace,
                                      importCallbacks& callbacks)
{
    fileContents text;
    std::string message;
    if (!readWholeFile(path, text, message)) {
        callbacks.showError(message);
        return {};
    }
    return importCsvText(text.view(), fullPath(path), baseNameOf(path), workspace, callbacks);
}
