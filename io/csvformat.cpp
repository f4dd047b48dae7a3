#include "io/csvformat.h"

#include "io/csvcells.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <tuple>

namespace {

// The readings tried, in the order of preference among equally good ones: a decimal point before
// a decimal comma for the same separator (digits grouped by three read as they are written), and
// one column with a decimal comma before two columns split at the comma.
constexpr csvFormat kCandidates[] = {
    {csvSeparator::tab, decimalMark::point},        {csvSeparator::tab, decimalMark::comma},
    {csvSeparator::semicolon, decimalMark::point},  {csvSeparator::semicolon, decimalMark::comma},
    {csvSeparator::whitespace, decimalMark::point}, {csvSeparator::whitespace, decimalMark::comma},
    {csvSeparator::none, decimalMark::point},       {csvSeparator::none, decimalMark::comma},
    {csvSeparator::comma, decimalMark::point},
};

// Which separators the first lines hold outside quotes; runs of blanks count only between cells.
struct separatorsSeen {
    bool tab = false, semicolon = false, comma = false, blanks = false;

    bool has(csvSeparator s) const
    {
        switch (s) {
        case csvSeparator::tab: return tab;
        case csvSeparator::semicolon: return semicolon;
        case csvSeparator::comma: return comma;
        case csvSeparator::whitespace: return blanks;
        case csvSeparator::none: return true;
        }
        return false;
    }
};

separatorsSeen scanSeparators(std::string_view text)
{
    separatorsSeen seen;
    bool quoted = false;
    bool cellSeen = false; // something other than blanks since the line began
    bool blankRun = false;
    std::int64_t lines = 0;
    for (std::size_t p = 0; p < text.size() && lines < kDetectionLines; ++p) {
        const char c = text[p];
        if (c == '\n' || c == '\r') {
            quoted = cellSeen = blankRun = false;
            ++lines;
            continue;
        }
        if (c == '"')
            quoted = !quoted;
        if (quoted)
            continue;
        seen.tab = seen.tab || c == '\t';
        seen.semicolon = seen.semicolon || c == ';';
        seen.comma = seen.comma || c == ',';
        if (c == ' ' || c == '\t') {
            blankRun = cellSeen;
        } else {
            seen.blanks = seen.blanks || blankRun;
            blankRun = false;
            cellSeen = true;
        }
    }
    return seen;
}

// How well one reading explains the first lines of the text.
struct readingFit {
    csvFormat format;
    std::int64_t misfits = 0; // cells in data rows that are no numbers, separators left in labels
    std::int64_t uneven = 0;  // rows (the header included) whose cell count is not the usual one
    std::int64_t numbers = 0;
    std::uint64_t fingerprint = 14695981039346656037ULL; // of the cells and values it reads

    void mix(const void* data, std::size_t size)
    {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i)
            fingerprint = (fingerprint ^ bytes[i]) * 1099511628211ULL;
    }
    auto rank() const { return std::make_tuple(misfits, uneven); }
};

// Text cells holding a comma or a semicolon that the reading does not take as its separator:
// a label such as "a,b" under a one-column reading says that the comma separates cells.
int strayMarks(const csvRow& row, csvSeparator separator)
{
    int count = 0;
    for (const csvCell& c : row.cells) {
        if (c.kind != cellKind::text)
            continue;
        if ((separator != csvSeparator::comma && c.text.find(',') != std::string::npos) ||
            (separator != csvSeparator::semicolon && c.text.find(';') != std::string::npos))
            ++count;
    }
    return count;
}

readingFit evaluate(std::string_view text, csvFormat format)
{
    readingFit fit;
    fit.format = format;
    csvRowReader rows(text, format.separator, format.decimal);
    csvRow row;
    std::map<std::size_t, std::int64_t> cellCounts;
    std::size_t titleCells = 0;
    bool titled = false;
    csvRow comment;
    bool commentBeforeData = false;
    csvRow first;
    std::int64_t dataRows = 0;
    bool headerFromFirstRow = false;
    while (rows.next(row) && row.line <= kDetectionLines) {
        if (row.kind == csvRow::role::comment) {
            if (dataRows == 0) {
                comment = row;
                commentBeforeData = true;
            }
            continue;
        }
        fit.misfits += strayMarks(row, format.separator);
        const char kind = row.kind == csvRow::role::title ? 't' : 'd';
        fit.mix(&kind, 1);
        for (const csvCell& c : row.cells) {
            fit.mix(&c.kind, sizeof c.kind);
            if (c.kind == cellKind::number)
                fit.mix(&c.value, 10);
            else
                fit.mix(c.text.data(), c.text.size() + 1);
        }
        if (row.kind == csvRow::role::title) {
            titled = true;
            titleCells = row.cells.size();
            commentBeforeData = false;
            continue;
        }
        if (++dataRows == 1)
            first = row;
        else if (dataRows == 2)
            headerFromFirstRow = labelsAboveNumbers(first, row);
        fit.misfits += row.malformed + row.texts;
        fit.numbers += row.numbers;
        ++cellCounts[row.cells.size()];
    }
    if (cellCounts.empty())
        return fit;
    const auto usual = std::max_element(cellCounts.begin(), cellCounts.end(), [](const auto& a, const auto& b) {
                           return a.second < b.second;
                       })->first;
    for (const auto& [count, rowsWith] : cellCounts)
        fit.uneven += count == usual ? 0 : rowsWith;
    if (headerFromFirstRow)
        fit.misfits -= first.texts; // those labels are names
    else if (titled && titleCells != usual)
        ++fit.uneven;
    fit.format.header = titled || headerFromFirstRow ||
                        (commentBeforeData && commentNamesColumns(comment, first));
    return fit;
}

} // namespace

csvDetection detectCsvFormat(std::string_view text)
{
    csvDetection result;
    csvRow row;
    csvRowReader probe(text, csvSeparator::none, decimalMark::point);
    probe.next(row);
    const std::optional<csvSeparator> named = probe.namedSeparator();
    result.separatorLine = named.has_value();
    const separatorsSeen seen = scanSeparators(text);

    std::vector<readingFit> fits;
    for (const csvFormat& candidate : kCandidates) {
        if (named ? candidate.separator != *named : !seen.has(candidate.separator))
            continue;
        fits.push_back(evaluate(text, candidate));
    }
    // The best reading first, the preference order kept among equals.
    std::stable_sort(fits.begin(), fits.end(), [](const readingFit& a, const readingFit& b) {
        if (a.numbers == 0 || b.numbers == 0)
            return a.numbers > b.numbers;
        return a.rank() < b.rank();
    });
    result.format = fits.front().format;
    for (std::size_t k = 1; k < fits.size(); ++k) {
        const readingFit& f = fits[k];
        if (f.numbers == 0 || f.rank() != fits.front().rank())
            break;
        const bool sameReading = std::any_of(fits.begin(), fits.begin() + static_cast<std::ptrdiff_t>(k),
                                             [&](const readingFit& g) { return g.fingerprint == f.fingerprint; });
        if (!sameReading)
            result.alternatives.push_back(f.format);
    }
    result.certain = result.alternatives.empty();
    return result;
}
