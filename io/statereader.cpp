#include "core/samplerate.h"
#include "io/fileaccess.h"
#include "io/iotexts.h"
#include "io/statefile.h"
#include "io/statenumber.h"
#include "io/statescanner.h"

#include <cerrno>
#include <charconv>
#include <new>

namespace {

enum class readResult { ok, endOfFile, invalid };

readResult readReal(stateScanner& in, extended& value)
{
    const std::string_view t = in.token();
    if (t.empty())
        return readResult::endOfFile;
    return parseStateReal(t, value) ? readResult::ok : readResult::invalid;
}

// A count the program could have written: never negative, never above the largest variable.
bool countIsValid(std::int32_t count) { return count >= 0 && count <= kMaxVariableSamples; }

// Reads the samples of one block into `v`; missing numbers stay 0.
readResult readSamples(stateScanner& in, signalSamples& v)
{
    const std::size_t n = v.re.size();
    for (std::size_t j = 0; j < n; ++j) {
        readResult r = readReal(in, v.re[j]);
        if (r == readResult::ok && v.isComplex)
            r = readReal(in, v.im[j]);
        if (r != readResult::ok)
            return r;
        in.skipLine(); // text after the last number of a sample line is ignored
    }
    return readResult::ok;
}

// A block loaded into the workspace, as its header line read, for the trailer to find.
struct loadedBlock {
    int ordinal = 0;
    bool isComplex = false;
    std::int32_t count = 0;
    std::string headerName; // normalised
    tdspvarPtr variable;
};

std::string unescapedText(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') {
            out += '\\';
            ++i;
        } else if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            unsigned value = 0;
            const auto [end, error] = std::from_chars(text.data() + i + 2, text.data() + i + 4, value, 16);
            if (error == std::errc() && end == text.data() + i + 4) {
                out += static_cast<char>(value);
                i += 3;
            } else {
                out += text[i];
            }
        } else {
            out += text[i];
        }
    }
    return out;
}

// Splits off the first word of `line` (up to a blank); `line` keeps the rest after that blank.
std::string_view firstWord(std::string_view& line)
{
    const std::size_t blank = line.find(' ');
    const std::string_view word = line.substr(0, blank);
    line = blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
    return word;
}

// The block a "variable <k> <kind> <N> <name>" entry names, when it was loaded and matches.
loadedBlock* blockOf(std::string_view entry, std::vector<loadedBlock>& blocks)
{
    std::int32_t ordinal = 0, kind = 0, count = 0;
    if (!parseStateInteger(firstWord(entry), ordinal) || !parseStateInteger(firstWord(entry), kind) ||
        !parseStateInteger(firstWord(entry), count))
        return nullptr;
    for (loadedBlock& b : blocks)
        if (b.ordinal == ordinal)
            return b.isComplex == (kind > 1) && b.count == count && b.headerName == normaliseName(entry)
                       ? &b
                       : nullptr;
    return nullptr;
}

// Reads the lines after the closing "0" line, if they are the info trailer, and gives the loaded
// variables the info they name.
void readInfoTrailer(stateScanner& in, std::vector<loadedBlock>& blocks, tworkspace& workspace)
{
    in.skipLine(); // the rest of the closing line
    if (in.restOfLine() != kInfoTrailerMark)
        return;
    std::vector<std::pair<tdspvarPtr, variableInfo>> changed;
    variableInfo* target = nullptr;
    while (!in.atEnd()) {
        std::string_view line = in.restOfLine();
        const std::string_view key = firstWord(line);
        if (key == "end")
            break;
        if (key == "variable") {
            loadedBlock* block = blockOf(line, blocks);
            target = nullptr;
            if (block) {
                changed.emplace_back(block->variable, block->variable->info());
                target = &changed.back().second;
            }
        } else if (target && key == "description") {
            target->description = unescapedText(line);
        } else if (target && key == "rate") {
            double rate = 0;
            if (readSampleRate(line, rate) == sampleRateEntry::accepted)
                target->sampleRate = rate;
        } else if (target && key == "domain" && line == "spectrum") {
            target->domain = signalDomain::spectrum;
        }
    }
    for (auto& [variable, info] : changed)
        workspace.setInfo(variable, std::move(info));
}

} // namespace

std::string invalidSampleCountMessage(int ordinal)
{
    return fillText(kInvalidSampleCountText, {std::to_string(ordinal)});
}

namespace {

int loadState(stateScanner& in, const std::string& shownPath, tworkspace& workspace, loadCallbacks& callbacks)
{
    int ordinal = 0;
    int created = 0;
    bool ignoreAll = false;
    std::string error;
    std::vector<loadedBlock> blocks;

    for (;;) {
        in.skipWhite();
        if (in.atEnd())
            break;
        ++ordinal;
        std::int32_t kind = 0;
        if (!parseStateInteger(in.token(), kind)) {
            error = kInvalidNumericInput;
            break;
        }
        if (kind == 0) {
            readInfoTrailer(in, blocks, workspace);
            break;
        }
        const bool isComplex = kind > 1;
        std::int32_t count = 0;
        bool truncated = false;
        if (const std::string_view t = in.token(); t.empty())
            truncated = true; // the count reads as 0
        else if (!parseStateInteger(t, count)) {
            error = kInvalidNumericInput;
            break;
        }
        std::string name = normaliseName(in.restOfLine());
        const std::string headerName = name;
        // Nothing is allocated from a count beyond the largest variable. A valid count whose
        // block the file cuts short keeps what was read, padded with zeros (below).
        if (!countIsValid(count)) {
            error = invalidSampleCountMessage(ordinal);
            break;
        }

        if (!workspace.nameIsValid(name)) {
            dialogAnswer answer = dialogAnswer::ignoreAll;
            if (!ignoreAll) {
                std::string typed;
                answer = callbacks.askName(name, true, typed);
                if (answer == dialogAnswer::ok)
                    name = typed;
            }
            if (answer == dialogAnswer::ignoreAll)
                ignoreAll = true;
            if (answer == dialogAnswer::skip || answer == dialogAnswer::ignoreAll) {
                for (std::int32_t j = 0; j < count && !in.atEnd(); ++j)
                    in.skipLine();
                continue;
            }
            if (answer != dialogAnswer::ok)
                break; // Cancel: what is loaded stays, and nothing is said
        }

        signalSamples samples;
        try {
            samples.resize(count, isComplex);
        } catch (const std::bad_alloc&) {
            error = ioErrorMessage(ENOMEM, false);
            break;
        }
        const readResult r = readSamples(in, samples);
        // A variable that stays is shown with what it holds, also when the load stops here.
        const tdspvarPtr variable =
            workspace.add(name, std::move(samples),
                          {.description = "Variable #" + std::to_string(ordinal) + " in file " + shownPath});
        blocks.push_back({ordinal, isComplex, count, headerName, variable});
        ++created;
        if (r == readResult::invalid) {
            error = kInvalidNumericInput;
            break;
        }
        if (truncated || r == readResult::endOfFile) {
            error = kReadBeyondEndOfFile;
            break;
        }
    }
    // A read that failed ended the text where it failed; that is what went wrong.
    if (!in.readError().empty())
        error = in.readError();
    if (!error.empty())
        callbacks.showError(error);
    return created;
}

} // namespace

int loadStateText(std::string_view text, const std::string& shownPath, tworkspace& workspace,
                  loadCallbacks& callbacks)
{
    stateScanner in(text);
    return loadState(in, shownPath, workspace, callbacks);
}

int loadStateStream(inputFile& file, const std::string& shownPath, tworkspace& workspace,
                    loadCallbacks& callbacks, std::size_t chunkBytes)
{
    stateScanner in(file, chunkBytes);
    return loadState(in, shownPath, workspace, callbacks);
}

int loadStateFile(const std::string& path, tworkspace& workspace, loadCallbacks& callbacks)
{
    inputFile file;
    if (!file.open(path)) {
        callbacks.showError(file.errorMessage());
        return 0;
    }
    return loadStateStream(file, fullPath(path), workspace, callbacks, kStateChunkBytes);
}
