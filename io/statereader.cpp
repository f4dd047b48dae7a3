#include "io/fileaccess.h"
#include "io/statefile.h"
#include "io/statenumber.h"
#include "io/statescanner.h"

#include <cerrno>
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

} // namespace

std::string invalidSampleCountMessage(int ordinal)
{
    return "Invalid sample count in variable #" + std::to_string(ordinal);
}

namespace {

int loadState(stateScanner& in, const std::string& shownPath, tworkspace& workspace, loadCallbacks& callbacks)
{
    int ordinal = 0;
    int created = 0;
    bool ignoreAll = false;
    std::string error;

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
        if (kind == 0)
            break;
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
        workspace.add(name, std::move(samples),
                      {.description = "Variable #" + std::to_string(ordinal) + " in file " + shownPath});
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
