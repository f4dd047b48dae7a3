#include "io/csvfile.h"

#include "io/fileaccess.h"
#include "io/importnames.h"
#include "io/iotexts.h"
#include "io/statefile.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <new>

namespace {

constexpr std::size_t kShownCellLength = 40; // of a bad cell, in the message

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() &&
           equalsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

std::vector<std::string> cellTexts(const std::vector<csvCell>& cells)
{
    std::vector<std::string> texts;
    for (const csvCell& c : cells)
        texts.push_back(c.text);
    return texts;
}

// Walks the rows of a text under `format`: `onHeader` gets the cells that name the columns (only
// when the format has a header, and only if there is a data row), then `onData` every data row
// until it returns false. Titles and comments are passed over. The header is the first data row
// when it holds labels above numbers, else the last title, else a comment that names the
// columns, else the first row whatever it holds.
template <typename OnHeader, typename OnData>
void walkTable(std::string_view text, const csvFormat& format, OnHeader onHeader, OnData onData)
{
    csvRowReader rows(text, format.separator, format.decimal);
    csvRow row, title, comment, second;
    bool titled = false;
    bool commented = false;
    bool found = false;
    while (!found && rows.next(row)) {
        if (row.kind == csvRow::role::comment) {
            comment = row;
            commented = true;
        } else if (row.kind == csvRow::role::title) {
            title = row;
            titled = true;
            commented = false;
        } else {
            found = true;
        }
    }
    if (!found)
        return;
    bool haveSecond = false;
    while (!haveSecond && rows.next(second))
        haveSecond = second.kind == csvRow::role::data;
    if (format.header) {
        const bool firstNames = (haveSecond && labelsAboveNumbers(row, second)) ||
                                (!titled && !(commented && commentNamesColumns(comment, row)));
        onHeader(firstNames ? row.cells : titled ? title.cells : comment.cells);
        if (!firstNames && !onData(row))
            return;
    } else if (!onData(row)) {
        return;
    }
    if (!haveSecond || !onData(second))
        return;
    while (rows.next(row))
        if (row.kind == csvRow::role::data && !onData(row))
            return;
}

// What the reader learns about one column of the file.
struct columnState {
    std::string header;
    bool taken = true;
    std::vector<extended> values;
    std::int64_t numbers = 0;
    std::int64_t texts = 0;
    std::int64_t emptyRow = 0;     // the first empty cell since the last number, 0 for none
    std::int64_t gapRow = 0;       // an empty cell above a number, 0 for none
    std::int64_t badRow = 0;       // the first cell that is not a number, 0 for none
    std::string badText;
    std::int64_t malformedRow = 0; // the first cell that looks like a number but is none
    std::string malformedText;
};

std::string invalidCellMessage(std::int64_t row, std::size_t column, const std::string& text)
{
    std::string shown = text.substr(0, kShownCellLength);
    if (shown.size() < text.size())
        shown += "...";
    return fillText(kInvalidCellText, {kInvalidNumericInput, std::to_string(row), std::to_string(column + 1), shown});
}

// The first problem of the columns taken, by row and then by column; empty when there is none.
// A column of numbers may hold no label and no gap; a column without numbers is a column of
// labels only if none of its cells looks like a number in a form the reader does not take.
std::string firstProblem(const std::vector<columnState>& columns)
{
    std::int64_t bestRow = std::numeric_limits<std::int64_t>::max();
    std::string message;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const columnState& col = columns[c];
        const std::int64_t bad = col.numbers > 0 ? col.badRow : col.malformedRow;
        if (bad != 0 && bad < bestRow) {
            bestRow = bad;
            message = invalidCellMessage(bad, c, col.numbers > 0 ? col.badText : col.malformedText);
        }
        if (col.numbers > 0 && col.gapRow != 0 && col.gapRow < bestRow) {
            bestRow = col.gapRow;
            message = fillText(kMissingValueText, {std::to_string(col.gapRow), std::to_string(c + 1)});
        }
    }
    return message;
}

void readCell(columnState& col, const csvCell& cell, std::int64_t row)
{
    if (cell.kind == cellKind::empty) {
        if (col.emptyRow == 0)
            col.emptyRow = row;
        return;
    }
    if (cell.kind != cellKind::number) {
        if (col.badRow == 0) {
            col.badRow = row;
            col.badText = cell.text;
        }
        if (cell.kind == cellKind::malformed && col.malformedRow == 0) {
            col.malformedRow = row;
            col.malformedText = cell.text;
        }
        col.texts += cell.kind == cellKind::text ? 1 : 0;
        return;
    }
    if (col.emptyRow != 0 && col.gapRow == 0)
        col.gapRow = col.emptyRow;
    col.emptyRow = 0;
    ++col.numbers;
    if (col.badRow == 0 && col.gapRow == 0)
        col.values.push_back(cell.value);
}

std::string columnName(const columnState& col, std::size_t index, const std::string& baseName,
                       bool single)
{
    if (!importedName(col.header).empty())
        return col.header;
    return single ? baseName : baseName + "_" + std::to_string(index + 1);
}

// The column headed <prefix>.imaginar that completes the column headed <prefix>.real, if any.
std::size_t imaginaryPartner(const std::vector<columnState>& columns, std::size_t realColumn,
                             const std::vector<bool>& used)
{
    const std::string& h = columns[realColumn].header;
    const std::size_t realLength = std::string_view(kCsvRealSuffix).size();
    const std::size_t imaginaryLength = std::string_view(kCsvImaginarySuffix).size();
    if (!endsWithIgnoringCase(h, kCsvRealSuffix))
        return columns.size();
    const std::string_view prefix = std::string_view(h).substr(0, h.size() - realLength);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::string& other = columns[c].header;
        if (!used[c] && c != realColumn && columns[c].numbers > 0 &&
            endsWithIgnoringCase(other, kCsvImaginarySuffix) &&
            equalsIgnoringCase(std::string_view(other).substr(0, other.size() - imaginaryLength), prefix))
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
            if (importedName(v.name).empty())
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

std::string leftOutNote(const std::vector<int>& columns)
{
    if (columns.empty())
        return {};
    std::string list;
    for (const int c : columns)
        list += (list.empty() ? "" : ", ") + std::to_string(c);
    return fillText(columns.size() == 1 ? kColumnLeftOutText : kColumnsLeftOutText, {list});
}

} // namespace

csvContents parseCsvText(std::string_view text, const std::string& shownPath,
                         const std::string& baseName, std::int64_t rowLimit,
                         const csvChoices& choices)
{
    csvContents result;
    std::vector<columnState> columns;
    const auto addColumns = [&](std::size_t count) {
        while (columns.size() < count) {
            const std::size_t c = columns.size();
            columns.emplace_back();
            columns.back().taken = c >= choices.takeColumns.size() || choices.takeColumns[c];
        }
    };
    std::int64_t firstDataRow = 0;
    walkTable(
        text, choices.format,
        [&](const std::vector<csvCell>& cells) {
            addColumns(cells.size());
            for (std::size_t c = 0; c < cells.size(); ++c)
                columns[c].header = cells[c].text;
        },
        [&](const csvRow& row) {
            if (++result.rows > rowLimit)
                return true; // only counted
            if (firstDataRow == 0)
                firstDataRow = row.line;
            const std::size_t known = columns.size();
            addColumns(row.cells.size());
            // A column that starts below the first data row has empty cells above.
            for (std::size_t c = known; c < columns.size() && row.line != firstDataRow; ++c)
                columns[c].emptyRow = firstDataRow;
            for (std::size_t c = 0; c < columns.size(); ++c)
                if (columns[c].taken)
                    readCell(columns[c], c < row.cells.size() ? row.cells[c] : csvCell{}, row.line);
            return true;
        });

    result.error = firstProblem(columns);
    if (!result.error.empty())
        return result;
    for (std::size_t c = 0; c < columns.size(); ++c)
        if (columns[c].taken && columns[c].numbers == 0 && columns[c].texts > 0)
            result.leftOutColumns.push_back(static_cast<int>(c + 1));
    result.variables = makeVariables(columns, choices.format.header, shownPath, baseName);
    if (result.variables.empty())
        result.error = KELMO_TEXT("Texts", "No column of numbers in the file");
    return result;
}

csvPreview previewCsvText(std::string_view text, const csvFormat& format, std::size_t rowCount)
{
    csvPreview preview;
    walkTable(
        text, format,
        [&](const std::vector<csvCell>& cells) {
            preview.header = cellTexts(cells);
            preview.columnCount = std::max(preview.columnCount, cells.size());
        },
        [&](const csvRow& row) {
            if (preview.rows.size() >= rowCount)
                return false;
            preview.rows.push_back(row);
            preview.columnCount = std::max(preview.columnCount, row.cells.size());
            return true;
        });
    return preview;
}

columnImport importCsvText(std::string_view text, const std::string& shownPath,
                           const std::string& baseName, tworkspace& workspace,
                           importCallbacks& callbacks, const std::optional<csvChoices>& choices)
{
    columnImport result;
    csvContents contents;
    try {
        const csvChoices reading = choices ? *choices : csvChoices{detectCsvFormat(text).format, {}};
        contents = parseCsvText(text, shownPath, baseName, kMaxVariableSamples, reading);
    } catch (const std::bad_alloc&) {
        callbacks.showError(ioErrorMessage(ENOMEM, false));
        return result;
    }
    if (!contents.error.empty()) {
        callbacks.showError(contents.error);
        return result;
    }
    if (contents.rows > kMaxVariableSamples &&
        !callbacks.keepFirstPart(contents.rows, kMaxVariableSamples, 0))
        return result;
    if (!settleNames(contents.variables, workspace, callbacks))
        return result;
    result.variables = addVariables(contents.variables, workspace);
    result.leftOutColumns = std::move(contents.leftOutColumns);
    result.note = leftOutNote(result.leftOutColumns);
    return result;
}

columnImport importCsvFile(const std::string& path, tworkspace& workspace, importCallbacks& callbacks,
                           const std::optional<csvChoices>& choices)
{
    fileContents text;
    std::string message;
    if (!readWholeFile(path, text, message)) {
        callbacks.showError(message);
        return {};
    }
    return importCsvText(text.view(), fullPath(path), baseNameOf(path), workspace, callbacks, choices);
}
