#include "io/dspimport.h"

#include "io/fileaccess.h"

#include <bit>

namespace {

constexpr std::size_t kNameBytes = 8;
constexpr std::size_t kKindOffset = 10;
constexpr std::size_t kCountOffset = 12;
constexpr std::uint16_t kComplexKind = 2;

struct dspHeader {
    std::string name;
    std::uint16_t kind = 0;
    std::uint16_t count = 0;

    // The size the header announces, with the kind as written.
    std::uint64_t fileSize() const
    {
        return kDspHeaderSize + std::uint64_t{kind} * 4 * std::uint64_t{count};
    }
    bool isComplex() const { return kind == kComplexKind; }
    // The sample bytes that are read: 4 per real sample, 8 per complex one.
    std::size_t usedSampleBytes() const { return (isComplex() ? 8u : 4u) * std::size_t{count}; }
};

std::uint32_t littleEndian(const char* p, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}

dspHeader readHeader(const char* h)
{
    dspHeader header;
    for (std::size_t i = 0; i < kNameBytes && h[i] != 0; ++i)
        header.name += h[i];
    header.kind = static_cast<std::uint16_t>(littleEndian(h + kKindOffset, 2));
    header.count = static_cast<std::uint16_t>(littleEndian(h + kCountOffset, 2));
    return header;
}

// The single-precision value at `p`, converted exactly.
extended sampleAt(const char* p)
{
    return static_cast<extended>(std::bit_cast<float>(littleEndian(p, 4)));
}

// `samples` holds at least header.usedSampleBytes() bytes.
tdspvarPtr makeVariable(const dspHeader& header, std::string_view samples,
                        const std::string& shownPath, tworkspace& workspace,
                        loadCallbacks& callbacks)
{
    std::string name = normaliseName(header.name);
    if (!workspace.nameIsValid(name)) {
        std::string typed;
        if (callbacks.askName(name, false, typed) != dialogAnswer::ok)
            return nullptr;
        name = typed;
    }
    signalSamples v;
    v.resize(header.count, header.isComplex());
    const char* p = samples.data();
    for (std::size_t i = 0; i < header.count; ++i) {
        if (header.isComplex()) {
            v.re[i] = sampleAt(p + 8 * i);
            v.im[i] = sampleAt(p + 8 * i + 4);
        } else {
            v.re[i] = sampleAt(p + 4 * i);
        }
    }
    return workspace.add(asciiLower(name), std::move(v), {.description = "Loaded from : " + shownPath});
}

} // namespace

tdspvarPtr importDspData(std::string_view bytes, const std::string& shownPath,
                         tworkspace& workspace, loadCallbacks& callbacks)
{
    if (bytes.size() < kDspHeaderSize)
        return nullptr;
    const dspHeader header = readHeader(bytes.data());
    const std::string_view samples = bytes.substr(kDspHeaderSize);
    if (bytes.size() != header.fileSize() || samples.size() < header.usedSampleBytes())
        return nullptr;
    return makeVariable(header, samples, shownPath, workspace, callbacks);
}

tdspvarPtr importDspFile(const std::string& path, tworkspace& workspace, loadCallbacks& callbacks)
{
    inputFile file;
    if (!file.open(path)) {
        callbacks.showError(file.errorMessage());
        return nullptr;
    }
    char head[kDspHeaderSize];
    if (file.read(head, kDspHeaderSize) < kDspHeaderSize) {
        if (file.failed())
            callbacks.showError(file.errorMessage());
        return nullptr;
    }
    const dspHeader header = readHeader(head);
    if (file.size() != header.fileSize() ||
        file.size() - kDspHeaderSize < header.usedSampleBytes())
        return nullptr;
    std::string samples(header.usedSampleBytes(), '\0');
    if (file.read(samples.data(), samples.size()) < samples.size()) {
        if (file.failed())
            callbacks.showError(file.errorMessage());
        return nullptr; // the file shrank: never a sample from beyond what was read
    }
    return makeVariable(header, samples, fullPath(path), workspace, callbacks);
}
