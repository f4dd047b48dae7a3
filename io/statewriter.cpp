#include "core/samplerate.h"
#include "io/fileaccess.h"
#include "io/statefile.h"
#include "io/statenumber.h"

#include <charconv>
#include <cstring>

namespace {

constexpr std::size_t kChunk = std::size_t{1} << 16;
// The longest sample line: two numbers, the separating blank and CR LF.
constexpr std::size_t kLongestSampleLine = 2 * kStateNumberWidth + 3;

// Collects the text in a fixed buffer and hands it to the sink in pieces.
class chunkWriter {
public:
    explicit chunkWriter(const std::function<bool(std::string_view)>& sink)
        : sink_(sink), buffer_(kChunk + kLongestSampleLine)
    {
    }
    // Room for `size` more bytes, flushing first when the chunk is full; null once the sink
    // has refused.
    char* reserve(std::size_t size)
    {
        if (used_ + size > buffer_.size() && !flush())
            return nullptr;
        if (size > buffer_.size())
            buffer_.resize(size);
        return buffer_.data() + used_;
    }
    void commit(std::size_t size) { used_ += size; }
    bool append(std::string_view text)
    {
        char* p = reserve(text.size());
        if (!p)
            return false;
        std::memcpy(p, text.data(), text.size());
        commit(text.size());
        return true;
    }
    bool full() const { return used_ >= kChunk; }
    bool flush()
    {
        if (failed_)
            return false;
        if (used_ > 0 && !sink_(std::string_view(buffer_.data(), used_)))
            failed_ = true;
        used_ = 0;
        return !failed_;
    }

private:
    const std::function<bool(std::string_view)>& sink_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    bool failed_ = false;
};

// "kind N name", without the line end.
std::string headerText(const tdspvar& v)
{
    std::string line = v.isComplex() ? "2 " : "1 ";
    line += std::to_string(v.sampleCount());
    line += ' ';
    for (const char c : v.name())
        if (static_cast<unsigned char>(c) >= 32)
            line += c;
    return line;
}

std::string headerLine(const tdspvar& v)
{
    return headerText(v) + "\r\n";
}

// A description on one line: backslashes doubled, bytes below 32 as \xHH.
std::string escapedText(const std::string& text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (byte < 32) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

// The trailer's entry of the variable in block `ordinal`; empty when it carries nothing to keep.
std::string infoEntry(const tdspvar& v, int ordinal)
{
    const variableInfo& info = v.info();
    if (info == variableInfo{})
        return {};
    std::string entry = "variable " + std::to_string(ordinal) + ' ' + headerText(v) + "\r\n";
    if (!info.description.empty())
        entry += "description " + escapedText(info.description) + "\r\n";
    if (isValidSampleRate(info.sampleRate)) {
        char rate[32];
        const auto [end, error] = std::to_chars(rate, rate + sizeof rate, info.sampleRate);
        if (error == std::errc())
            entry += "rate " + std::string(rate, end) + "\r\n";
    }
    if (info.domain == signalDomain::spectrum)
        entry += "domain spectrum\r\n";
    return entry;
}

// The info of the variables after the closing line, when any has some.
bool writeInfoTrailer(const std::vector<tdspvarPtr>& variables, chunkWriter& out)
{
    std::string trailer;
    int ordinal = 0;
    for (const auto& v : variables)
        if (v)
            trailer += infoEntry(*v, ++ordinal);
    if (trailer.empty())
        return true;
    return out.append(std::string(kInfoTrailerMark) + "\r\n") && out.append(trailer) && out.append("end\r\n");
}

bool writeBlock(const tdspvar& v, chunkWriter& out)
{
    if (!out.append(headerLine(v)))
        return false;
    const std::size_t n = v.real().size();
    const std::size_t lineLength = (v.isComplex() ? 2 * kStateNumberWidth + 1 : kStateNumberWidth) + 2;
    for (std::size_t i = 0; i < n; ++i) {
        char* p = out.reserve(lineLength);
        if (!p)
            return false;
        formatStateNumber(v.real()[i], p);
        p += kStateNumberWidth;
        if (v.isComplex()) {
            *p++ = ' ';
            formatStateNumber(i < v.imag().size() ? v.imag()[i] : 0, p);
            p += kStateNumberWidth;
        }
        p[0] = '\r';
        p[1] = '\n';
        out.commit(lineLength);
        if (out.full() && !out.flush())
            return false;
    }
    return true;
}

} // namespace

void writeStateText(const std::vector<tdspvarPtr>& variables,
                    const std::function<bool(std::string_view)>& sink)
{
    chunkWriter out(sink);
    for (const auto& v : variables)
        if (v && !writeBlock(*v, out))
            return;
    if (out.append("0\r\n") && writeInfoTrailer(variables, out))
        out.flush();
}

std::string stateText(const std::vector<tdspvarPtr>& variables)
{
    return collectText([&](const textSink& sink) { writeStateText(variables, sink); });
}

bool saveStateFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                   loadCallbacks& callbacks)
{
    std::string message;
    if (saveText(path, [&](const textSink& sink) { writeStateText(variables, sink); }, message))
        return true;
    callbacks.showError(message);
    return false;
}
