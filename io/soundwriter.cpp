#include "io/soundfile.h"

#include "io/fileaccess.h"
#include "io/soundmemory.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <new>

namespace {

constexpr std::size_t kBlockFrames = 4096;
constexpr extended kPcm16FullScale = 32767;

std::string libraryMessage(SNDFILE* f)
{
    return std::string("Cannot write the sound file : ") + sf_strerror(f);
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

std::int16_t pcm16(extended x, extended scale)
{
    if (std::isnan(x))
        return 0;
    const extended s = std::clamp(x * scale, -kPcm16FullScale, kPcm16FullScale);
    return static_cast<std::int16_t>(std::lrint(s));
}

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

} // namespace

bool encodeWav(const std::vector<tdspvarPtr>& variables, int sampleRate, wavEncoding encoding,
               std::string& bytes, std::string& message)
{
    if (variables.empty()) {
        message = "Cannot write the sound file : no variable chosen";
        return false;
    }
    if (variables.size() > static_cast<std::size_t>(kMaxSoundChannels)) {
        message = "Cannot write the sound file : " + std::to_string(variables.size()) +
                  " channels (at most " + std::to_string(kMaxSoundChannels) + ")";
        return false;
    }
    if (sampleRate < 1 || sampleRate > kMaxSampleRate) {
        message = "Cannot write the sound file : invalid sample rate";
        return false;
    }
    std::size_t frames = 0;
    for (const auto& v : variables)
        frames = std::max(frames, v->real().size());

    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = static_cast<int>(variables.size());
    info.format = SF_FORMAT_WAV | (encoding == wavEncoding::pcm16 ? SF_FORMAT_PCM_16 : SF_FORMAT_FLOAT);
    soundMemory memory;
    SNDFILE* f = sf_open_virtual(soundMemory::io(), SFM_WRITE, &info, &memory);
    if (!f) {
        message = libraryMessage(nullptr);
        return false;
    }
    bool written = false;
    try {
        if (encoding == wavEncoding::pcm16) {
            const extended peak = realPeak(variables);
            const extended scale = peak > 0 ? kPcm16FullScale / peak : 0;
            written = writeFrames<short>(
                variables, frames, [&](extended x) { return pcm16(x, scale); },
                [&](const short* p, sf_count_t n) { return sf_writef_short(f, p, n); });
        } else {
            written = writeFrames<float>(
                variables, frames, [](extended x) { return static_cast<float>(x); },
                [&](const float* p, sf_count_t n) { return sf_writef_float(f, p, n); });
        }
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

bool saveWavFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                 int sampleRate, wavEncoding encoding, loadCallbacks& callbacks)
{
    std::string bytes;
    std::string message;
    if (!encodeWav(variables, sampleRate, encoding, bytes, message)) {
        callbacks.showError(message);
        return false;
    }
    atomicFileWriter file(path);
    if (!file.open() || !file.write(bytes.data(), bytes.size()) || !file.commit()) {
        callbacks.showError(file.errorMessage());
        return false;
    }
    return true;
}
