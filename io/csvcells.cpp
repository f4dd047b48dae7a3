#include "io/csvcells.h"

#include "io/statenumber.h"

#include <algorithm>
#include <limits>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

char separatorChar(csvSeparator separator)
{
    switch (separator) {
    case csvSeparator::tab: return '\t';
    case csvSeparator::semicolon: return ';';
    case csvSeparator::comma: return ',';
    case csvSeparator::whitespace:
    case csvSeparator::none: break;
    }
    return 0;
}

// Digits grouped by three with points, "12.345.678" (after an optional sign), into plain digits;
// false for anything else, a leading zero group ("0.500") included.
bool ungroupDigits(std::string_view integer, std::string& out)
{
    if (!integer.empty() && (integer[0] == '-' || integer[0] == '+')) {
        out += integer[0];
        integer.remove_prefix(1);
    }
    std::size_t group = 0;
    bool first = true;
    for (std::size_t p = 0; p <= integer.size(); ++p) {
        if (p == integer.size() || integer[p] == '.') {
            if (first ? (group == 0 || group > 3 || integer[0] == '0') : group != 3)
                return false;
            first = false;
            group = 0;
        } else if (isDigit(integer[p])) {
            out += integer[p];
            ++group;
        } else {
            return false;
        }
    }
    return true;
}

// A number written with a decimal comma, into the point form the state file's reader takes.
bool commaToPoint(std::string_view text, std::string& out)
{
    const std::size_t exponent = std::min(text.find_first_of("eE"), text.size());
    const std::string_view mantissa = text.substr(0, exponent);
    const std::size_t comma = std::min(mantissa.find(','), mantissa.size());
    const std::string_view integer = mantissa.substr(0, comma);
    const std::string_view fraction = mantissa.substr(std::min(comma + 1, mantissa.size()));
    if (fraction.find_first_of(".,") != std::string_view::npos)
        return false;
    // Digits on both sides of the comma: "1," and ",5" are more likely cells than numbers.
    if (comma < mantissa.size() &&
        (integer.empty() || !isDigit(integer.back()) || fraction.empty() || !isDigit(fraction[0])))
        return false;
    if (integer.find('.') == std::string_view::npos)
        out.assign(integer);
    else if (!ungroupDigits(integer, out))
        return false;
    if (comma < mantissa.size())
        out.append(".").append(fraction);
    out.append(text.substr(exponent));
    return true;
}

// Whether a cell that is no number still looks like one, in some notation the reader does not
// take: a sign (the typographic minus too), digits with points, commas, blanks or apostrophes
// between them, an exponent, a percent sign.
bool looksNumeric(std::string_view s)
{
    constexpr std::string_view kMinusSign = "\xE2\x88\x92"; // U+2212
    std::size_t p = 0;
    if (s.substr(0, kMinusSign.size()) == kMinusSign)
        p += kMinusSign.size();
    else if (p < s.size() && (s[p] == '-' || s[p] == '+'))
        ++p;
    int digits = 0;
    for (; p < s.size() && (isDigit(s[p]) || s[p] == '.' || s[p] == ',' || s[p] == ' ' || s[p] == '\''); ++p)
        digits += isDigit(s[p]) ? 1 : 0;
    if (digits == 0)
        return false;
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
        ++p;
        if (p < s.size() && (s[p] == '-' || s[p] == '+'))
            ++p;
        const std::size_t start = p;
        while (p < s.size() && isDigit(s[p]))
            ++p;
        if (p == start)
            return false;
    }
    if (p < s.size() && s[p] == '%')
        ++p;
    return p == s.size();
}

// One quoted cell from the opening quote at `p`; returns the position after the closing quote.
std::size_t readQuoted(std::string_view line, std::size_t p, csvCell& c, bool& closed)
{
    ++p;
    closed = false;
    while (p < line.size()) {
        if (line[p] == '"') {
            if (p + 1 < line.size() && line[p + 1] == '"') {
                c.text += '"';
                p += 2;
                continue;
            }
            closed = true;
            return p + 1;
        }
        c.text += line[p++];
    }
    return p;
}

// Runs of blanks separate the cells; blanks at the ends of the line separate nothing.
void splitOnBlanks(std::string_view line, std::vector<csvCell>& cells)
{
    std::size_t p = 0;
    for (;;) {
        while (p < line.size() && isBlank(line[p]))
            ++p;
        if (p >= line.size())
            return;
        csvCell c;
        if (line[p] == '"') {
            bool closed = false;
            p = readQuoted(line, p, c, closed);
            c.wellFormed = closed && (p == line.size() || isBlank(line[p]));
        }
        while (p < line.size() && !isBlank(line[p]))
            c.text += line[p++];
        cells.push_back(std::move(c));
    }
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

std::optional<extended> parseCsvNumber(std::string_view cell, decimalMark mark)
{
    std::string_view unsignedPart = cell;
    const bool negative = !cell.empty() && cell[0] == '-';
    if (!cell.empty() && (cell[0] == '-' || cell[0] == '+'))
        unsignedPart.remove_prefix(1);
    if (equalsIgnoringCase(unsignedPart, "nan"))
        return std::numeric_limits<extended>::quiet_NaN();
    if (equalsIgnoringCase(unsignedPart, "inf") || equalsIgnoringCase(unsignedPart, "infinity"))
        return negative ? -std::numeric_limits<extended>::infinity()
                        : std::numeric_limits<extended>::infinity();

    std::string withPoint;
    if (mark == decimalMark::comma) {
        if (!commaToPoint(cell, withPoint))
            return std::nullopt;
        cell = withPoint;
    } else if (cell.find(',') != std::string_view::npos) {
        return std::nullopt;
    }
    // The state file's reader takes any plain decimal form, correctly rounded; "+1" and "1." and
    // ".5" included, but nothing after the number.
    extended value = 0;
    if (cell.empty() || !parseStateReal(cell, value))
        return std::nullopt;
    return value;
}

void classifyCell(csvCell& cell, decimalMark mark)
{
    if (cell.wellFormed && cell.text.empty()) {
        cell.kind = cellKind::empty;
        return;
    }
    const std::optional<extended> value =
        cell.wellFormed ? parseCsvNumber(cell.text, mark) : std::nullopt;
    if (value) {
        cell.kind = cellKind::number;
        cell.value = *value;
    } else {
        cell.kind = looksNumeric(cell.text) ? cellKind::malformed : cellKind::text;
    }
}

std::optional<csvSeparator> separatorLineOf(std::string_view line)
{
    if (line.size() == 7 && line.front() == '"' && line.back() == '"')
        line = line.substr(1, 5);
    if (line.size() != 5 || !equalsIgnoringCase(line.substr(0, 4), "sep="))
        return std::nullopt;
    switch (line[4]) {
    case '\t': return csvSeparator::tab;
    case ';': return csvSeparator::semicolon;
    case ',': return csvSeparator::comma;
    case ' ': return csvSeparator::whitespace;
    default: return std::nullopt;
    }
}

void splitCells(std::string_view line, csvSeparator separator, std::vector<csvCell>& cells)
{
    cells.clear();
    if (separator == csvSeparator::whitespace) {
        splitOnBlanks(line, cells);
        return;
    }
    const char sep = separatorChar(separator);
    const auto isSeparator = [&](char c) { return sep != 0 && c == sep; };
    const auto blank = [&](char c) { return isBlank(c) && !isSeparator(c); };
    std::size_t p = 0;
    for (;;) {
        csvCell c;
        while (p < line.size() && blank(line[p]))
            ++p;
        if (p < line.size() && line[p] == '"') {
            bool closed = false;
            p = readQuoted(line, p, c, closed);
            while (p < line.size() && blank(line[p]))
                ++p;
            c.wellFormed = closed && (p == line.size() || isSeparator(line[p]));
            while (p < line.size() && !isSeparator(line[p])) // what follows a bad quote
                c.text += line[p++];
        } else {
            const std::size_t start = p;
            while (p < line.size() && !isSeparator(line[p]))
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

csvRowReader::csvRowReader(std::string_view text, csvSeparator separator, decimalMark mark)
    : text_(text), separator_(separator), mark_(mark)
{
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") // a UTF-8 byte-order mark
        text_.remove_prefix(3);
}

bool csvRowReader::nextLine(std::string_view& line)
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

bool csvRowReader::next(csvRow& row)
{
    std::string_view line;
    while (nextLine(line)) {
        if (number_ == 1 && (named_ = separatorLineOf(line)))
            continue;
        const std::size_t first = std::min(line.find_first_not_of(" \t\f\v"), line.size());
        const bool comment = first < line.size() && line[first] == '#';
        if (comment)
            line.remove_prefix(first + 1);
        const char sep = separatorChar(separator_);
        const bool blank = std::all_of(line.begin(), line.end(),
                                       [&](char c) { return isBlank(c) || (sep != 0 && c == sep); });
        if (blank && !comment)
            continue;
        row.line = number_;
        splitCells(line, separator_, row.cells);
        row.numbers = row.malformed = row.texts = 0;
        for (csvCell& c : row.cells) {
            classifyCell(c, mark_);
            row.numbers += c.kind == cellKind::number ? 1 : 0;
            row.malformed += c.kind == cellKind::malformed ? 1 : 0;
            row.texts += c.kind == cellKind::text ? 1 : 0;
        }
        if (comment) {
            row.kind = csvRow::role::comment;
        } else {
            inData_ = inData_ || row.numbers > 0 || row.malformed > 0;
            row.kind = inData_ ? csvRow::role::data : csvRow::role::title;
        }
        return true;
    }
    return false;
}

bool commentNamesColumns(const csvRow& comment, const csvRow& firstData)
{
    return !comment.cells.empty() && comment.cells.size() == firstData.cells.size() &&
           comment.texts == static_cast<int>(comment.cells.size());
}

bool labelsAboveNumbers(const csvRow& first, const csvRow& second)
{
    for (std::size_t c = 0; c < std::min(first.cells.size(), second.cells.size()); ++c)
        if (first.cells[c].kind == cellKind::text && second.cells[c].kind == cellKind::number)
            return true;
    return false;
}
