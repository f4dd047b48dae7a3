#include "io/fileaccess.h"
#include "io/statefile.h"
#include "io/statenumber.h"

#include <cerrno>
#include <new>

namespace {

constexpr char kEndOfFileMark = 26;

// Walks the text of a state file by tokens and lines.
class stateScanner {
public:
    explicit stateScanner(std::string_view text) : p_(text.data()), end_(p_ + text.size()) {}

    bool atEnd() const { return p_ == end_; }

    void skipWhite()
    {
        while (p_ != end_ && static_cast<unsigned char>(*p_) <= 32)
            ++p_;
    }
    // The next run of bytes above code 32; empty at the end of the text.
    std::string_view token()
    {
        skipWhite();
        const char* start = p_;
        while (p_ != end_ && static_cast<unsigned char>(*p_) > 32)
            ++p_;
        return {start, static_cast<std::size_t>(p_ - start)};
    }
    // The rest of the current line; the line end (CR, CR LF or LF) is consumed.
    std::string_view restOfLine()
    {
        const char* start = p_;
        while (p_ != end_ && *p_ != '\r' && *p_ != '\n')
            ++p_;
        const std::string_view line(start, static_cast<std::size_t>(p_ - start));
        if (p_ != end_ && *p_++ == '\r' && p_ != end_ && *p_ == '\n')
            ++p_;
        return line;
    }

private:
    const char* p_;
    const char* end_;
};

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
        in.restOfLine(); // text after the last number of a sample line is ignored
    }
    return readResult::ok;
}

} // namespace

std::string invalidSampleCountMessage(int ordinal)
{
    return "Invalid sample count in variable #" + std::to_string(ordinal);
}

int loadStateText(std::string_view text, const std::string& shownPath, tworkspace& workspace,
                  loadCallbacks& callbacks)
{
    if (const std::size_t mark = text.find(kEndOfFileMark); mark != std::string_view::npos)
        text = text.substr(0, mark);
    stateScanner in(text);
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
                    in.restOfLine();
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
    if (!error.empty())
        callbacks.showError(error);
    return created;
}

int loadStateFile(const std::string& path, tworkspace& workspace, loadCallbacks& callbacks)
{
    fileContents text;
    std::string message;
    if (!readWholeFile(path, text, message)) {
        callbacks.showError(message);
        return 0;
    }
    return loadStateText(text.view(), fullPath(path), workspace, callbacks);
}
