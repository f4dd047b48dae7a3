#include "io/soundfile.h"

#include "io/fileaccess.h"
#include "io/iotexts.h"
#include "io/soundmemory.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <new>

namespace {

constexpr std::size_t kBlockFrames = 4096;

std::string libraryMessage(SNDFILE* f)
{
    return fillText(kSoundUnwritableText, {sf_strerror(f)});
}

// The largest finite magnitude of the real parts, 0 for none.
extended realPeak(const std::vector<tdspvarPtr>& variables)
{
    extended peak = 0;
    for (const auto& v : variables)
        for (const extended x : v->real())
            if (std::isfinite(x))
                peak = std::max(peak, std::fabs(x));
    return peak;
}

// Integer samples of `bits` bits: the value x is stored as round(x * scale), clipped to what the
// width holds. As stored, full scale is 2^(bits-1), so that x = n / 2^(bits-1), as the reader
// gives it, comes back as n; scaled to the peak, the peak becomes 2^(bits-1) - 1.
class integerSamples {
public:
    integerSamples(int bits, sampleScaling scaling, extended peak)
        : high_(std::ldexp(extended{1}, bits - 1) - 1),
          low_(scaling == sampleScaling::asStored ? -high_ - 1 : -high_)
    {
        if (scaling == sampleScaling::asStored)
            scale_ = high_ + 1;
        else
            scale_ = peak > 0 ? high_ / peak : 0;
    }
    long operator()(extended x)
    {
        const extended s = std::rint(x * scale_);
        if (!(s >= low_ && s <= high_)) { // NaN included
            ++clipped_;
            return std::isnan(s) ? 0 : static_cast<long>(s < low_ ? low_ : high_);
        }
        return static_cast<long>(s);
    }
    std::int64_t clipped() const { return clipped_; }

private:
    extended high_;
    extended low_;
    extended scale_ = 0;
    std::int64_t clipped_ = 0;
};

// Interleaves the real parts frame by frame, in blocks, and hands each block to the library.
template <typename Sample, typename Convert, typename Write>
bool writeFrames(const std::vector<tdspvarPtr>& variables, std::size_t frames, Convert convert,
                 Write write)
{
    const std::size_t channels = variables.size();
    std::vector<Sample> block(kBlockFrames * channels);
    for (std::size_t start = 0; start < frames; start += kBlockFrames) {
        const std::size_t count = std::min(kBlockFrames, frames - start);
        for (std::size_t c = 0; c < channels; ++c) {
            const std::vector<extended>& re = variables[c]->real();
            for (std::size_t i = 0; i < count; ++i) {
                const std::size_t index = start + i;
                block[i * channels + c] = index < re.size() ? convert(re[index]) : Sample{0};
            }
        }
        if (write(block.data(), static_cast<sf_count_t>(count)) != static_cast<sf_count_t>(count))
            return false;
    }
    return true;
}

int libraryFormat(soundEncoding encoding)
{
    switch (encoding) {
    case soundEncoding::float32: return SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    case soundEncoding::pcm16: return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    case soundEncoding::pcm24: return SF_FORMAT_WAV | SF_FORMAT_PCM_24;
    case soundEncoding::flac16: return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case soundEncoding::flac24: return SF_FORMAT_FLAC | SF_FORMAT_PCM_24;
    }
    return SF_FORMAT_WAV | SF_FORMAT_FLOAT;
}

int integerBits(soundEncoding encoding)
{
    switch (encoding) {
    case soundEncoding::pcm16:
    case soundEncoding::flac16: return 16;
    case soundEncoding::pcm24:
    case soundEncoding::flac24: return 24;
    case soundEncoding::float32: break;
    }
    return 0;
}

// Writes every frame into the open file; the clipped count goes to `clipped`.
bool writeSamples(SNDFILE* f, const std::vector<tdspvarPtr>& variables, std::size_t frames,
                  const soundExportOptions& options, std::int64_t& clipped)
{
    const int bits = integerBits(options.encoding);
    if (bits == 0)
        return writeFrames<float>(
            variables, frames, [](extended x) { return static_cast<float>(x); },
            [&](const float* p, sf_count_t n) { return sf_writef_float(f, p, n); });
    integerSamples convert(bits, options.scaling, realPeak(variables));
    bool written = false;
    if (bits == 16) {
        written = writeFrames<short>(
            variables, frames, [&](extended x) { return static_cast<short>(convert(x)); },
            [&](const short* p, sf_count_t n) { return sf_writef_short(f, p, n); });
    } else { // the library takes 24 bits left-justified in an int
        written = writeFrames<int>(
            variables, frames, [&](extended x) { return static_cast<int>(convert(x) * 256); },
            [&](const int* p, sf_count_t n) { return sf_writef_int(f, p, n); });
    }
    clipped = convert.clipped();
    return written;
}

} // namespace

bool encodeSound(const std::vector<tdspvarPtr>& variables, const soundExportOptions& options,
                 std::string& bytes, std::string& message, std::int64_t& clippedSamples)
{
    clippedSamples = 0;
    if (variables.empty()) {
        message = KELMO_TEXT("Texts", "Cannot write the sound file : no variable chosen");
        return false;
    }
    if (variables.size() > static_cast<std::size_t>(kMaxSoundChannels)) {
        message = fillText(kSoundWriteChannelsText,
                           {std::to_string(variables.size()), std::to_string(kMaxSoundChannels)});
        return false;
    }
    if (options.sampleRate < 1 || options.sampleRate > kMaxSampleRate) {
        message = KELMO_TEXT("Texts", "Cannot write the sound file : invalid sample rate");
        return false;
    }
    std::size_t frames = 0;
    for (const auto& v : variables)
        frames = std::max(frames, v->real().size());

    SF_INFO info{};
    info.samplerate = options.sampleRate;
    info.channels = static_cast<int>(variables.size());
    info.format = libraryFormat(options.encoding);
    soundMemory memory;
    SNDFILE* f = sf_open_virtual(soundMemory::io(), SFM_WRITE, &info, &memory);
    if (!f) {
        message = libraryMessage(nullptr);
        return false;
    }
    bool written = false;
    try {
        written = writeSamples(f, variables, frames, options, clippedSamples);
    } catch (const std::bad_alloc&) {
        sf_close(f);
        message = ioErrorMessage(ENOMEM, true);
        return false;
    }
    if (!written)
        message = sf_error(f) != SF_ERR_NO_ERROR ? libraryMessage(f) : ioErrorMessage(ENOMEM, true);
    // Closing writes the final chunk sizes into the header.
    if (sf_close(f) != 0 && written) {
        message = libraryMessage(nullptr);
        written = false;
    }
    if (written)
        bytes = std::move(memory.bytes);
    return written;
}

soundExportResult saveSoundFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                                const soundExportOptions& options, loadCallbacks& callbacks)
{
    soundExportResult result;
    std::string bytes;
    std::string message;
    if (!encodeSound(variables, options, bytes, message, result.clippedSamples)) {
        callbacks.showError(message);
        return result;
    }
    atomicFileWriter file(path);
    if (!file.open() || !file.write(bytes.data(), bytes.size()) || !file.commit()) {
        callbacks.showError(file.errorMessage());
        return result;
    }
    result.written = true;
    return result;
}

bool encodeWav(const std::vector<tdspvarPtr>& variables, int sampleRate, wavEncoding encoding,
               std::string& bytes, std::string& message)
{
    std::int64_t clipped = 0;
    return encodeSound(variables, {sampleRate, encoding, sampleScaling::toPeak}, bytes, message, clipped);
}

bool saveWavFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                 int sampleRate, wavEncoding encoding, loadCallbacks& callbacks)
{
    return saveSoundFile(path, variables, {sampleRate, encoding, sampleScaling::toPeak}, callbacks).written;
}
