// Arbitrary bytes as text columns. The first byte says how many of the following bytes script the
// name-correction answers, whether a long file is kept, and whether the reading is the guessed one
// or one chosen by the next byte (separator, decimal mark, header, a column left out); the rest is
// the file. The guess, the preview and the import agree on the layout; whatever loads keeps the
// kind/array invariant, and written out as columns it reads back to the same values, bit for bit.
#include "io/csvfile.h"
#include "scriptedanswers.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

struct scriptCallbacks : scriptedAnswers<importCallbacks> {
    bool keep = false;
    bool keepFirstPart(std::int64_t, std::int64_t, int) override { return keep; }
};

// Answers every clash with a fresh name, so a second reading keeps every column.
struct freshNames : importCallbacks {
    int serial = 0;
    dialogAnswer askName(const std::string&, bool, std::string& typedName) override
    {
        typedName = "FUZZ_" + std::to_string(++serial);
        return dialogAnswer::ok;
    }
    void showError(const std::string&) override {}
    bool keepFirstPart(std::int64_t, std::int64_t, int) override { return true; }
};

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

void checkInvariants(const tworkspace& w)
{
    for (const auto& v : w.variables())
        check(v->isComplex() ? v->imag().size() == v->real().size() : v->imag().empty());
}

bool sameValue(extended a, extended b)
{
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, 10) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    scriptCallbacks cb;
    std::string_view file = cb.takeScript(data, size);
    cb.keep = data[0] & 8;
    std::optional<csvChoices> choices;
    if ((data[0] & 16) && !file.empty()) {
        const auto pick = static_cast<unsigned char>(file[0]);
        file.remove_prefix(1);
        csvChoices chosen;
        chosen.format.separator = static_cast<csvSeparator>(pick % 5);
        chosen.format.decimal = (pick & 8) ? decimalMark::comma : decimalMark::point;
        chosen.format.header = pick & 16;
        chosen.takeColumns.assign(pick >> 5, true);
        if (!chosen.takeColumns.empty())
            chosen.takeColumns.back() = false;
        choices = chosen;
    }
    const csvDetection guess = detectCsvFormat(file);
    check(guess.certain == guess.alternatives.empty());
    const csvFormat format = choices ? choices->format : guess.format;
    const csvPreview preview = previewCsvText(file, format, 8);
    check(preview.rows.size() <= 8);
    for (const csvRow& row : preview.rows)
        check(row.kind == csvRow::role::data && row.cells.size() <= preview.columnCount);

    tworkspace w;
    w.add("A", {});
    const std::vector<tdspvarPtr> loaded = importCsvText(file, "F", "BASE", w, cb, choices).variables;
    checkInvariants(w);
    check(static_cast<std::size_t>(w.variableCount()) == loaded.size() + 1);
    if (loaded.empty())
        return 0;

    // A header made only of names that read as numbers ("1", "inf") is taken for data; such
    // names are left out of the round trip.
    bool header = false;
    for (const auto& v : loaded)
        header = header || v->isComplex() || !parseCsvNumber(asciiLower(v->name()), decimalMark::point);
    if (!header)
        return 0;

    tworkspace again;
    freshNames fresh;
    const std::vector<tdspvarPtr> back = importCsvText(csvText(loaded), "G", "BASE", again, fresh).variables;
    check(back.size() == loaded.size());
    for (std::size_t k = 0; k < back.size(); ++k) {
        check(back[k]->isComplex() == loaded[k]->isComplex());
        check(back[k]->real().size() == loaded[k]->real().size());
        for (std::size_t i = 0; i < back[k]->real().size(); ++i) {
            check(sameValue(back[k]->real()[i], loaded[k]->real()[i]));
            if (back[k]->isComplex())
                check(sameValue(back[k]->imag()[i], loaded[k]->imag()[i]));
        }
    }
    return 0;
}
