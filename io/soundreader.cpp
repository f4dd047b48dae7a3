#include "io/soundfile.h"

#include "io/fileaccess.h"
#include "io/soundmemory.h"

#include <sndfile.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <bit>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

constexpr sf_count_t kBlockFrames = 4096;

struct closeSound {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using soundHandle = std::unique_ptr<SNDFILE, closeSound>;

std::string libraryMessage(SNDFILE* f)
{
    std::string text = sf_strerror(f);
    if (text.empty())
        text = "unknown error";
    return "Cannot read the sound file : " + text;
}

std::string channelSuffix(int channel, int channels)
{
    if (channels == 2)
        return channel == 0 ? "_l" : "_r";
    return "_" + std::to_string(channel + 1);
}

// The x87 format's fields at an extended's address: significand in the first 8 bytes, sign and
// exponent in the next 2.
static_assert(std::endian::native == std::endian::little);

// Widens every `stride`-th double from `from` into `to`, exactly, and returns the largest bit
// pattern of a magnitude (NaN left out), which orders like the magnitudes. Normal numbers and
// zeros are rebuilt with integer stores; the x87 unit, slow at storing 80 bits, only takes the
// rare subnormal, infinite or NaN sample.
std::uint64_t widen(const double* from, int stride, std::size_t count, extended* to)
{
    constexpr std::uint64_t kMagnitude = ~(std::uint64_t{1} << 63);
    constexpr std::uint64_t kInfinity = std::uint64_t{0x7ff} << 52;
    std::uint64_t peak = 0;
    for (std::size_t i = 0; i < count; ++i, from += stride) {
        const auto bits = std::bit_cast<std::uint64_t>(*from);
        const std::uint64_t magnitude = bits & kMagnitude;
        const auto exponent = static_cast<unsigned>(magnitude >> 52);
        if (magnitude <= kInfinity)
            peak = std::max(peak, magnitude);
        if ((exponent == 0 && magnitude != 0) || exponent == 0x7ff) {
            to[i] = *from;
            continue;
        }
        const std::uint64_t significand =
            magnitude == 0 ? 0 : (std::uint64_t{1} << 63) | (magnitude << 11);
        const auto signAndExponent = static_cast<std::uint16_t>(
            ((bits >> 48) & 0x8000) | (magnitude == 0 ? 0 : exponent - 1023 + 16383));
        unsigned char* out = reinterpret_cast<unsigned char*>(to + i);
        std::memcpy(out, &significand, 8);
        std::memcpy(out + 8, &signAndExponent, 2);
    }
    return peak;
}

struct channelData {
    std::vector<extended> samples;
    std::uint64_t peak = 0; // bit pattern of the largest magnitude
};

// Reads up to `frames` frames into one sample vector per channel, converted exactly from the
// library's doubles. Stops early at the end of the data. False on a read error.
bool readChannels(SNDFILE* f, int channels, sf_count_t frames, std::vector<channelData>& out)
{
    out.assign(static_cast<std::size_t>(channels), {});
    for (channelData& c : out)
        c.samples.reserve(static_cast<std::size_t>(frames)); // address space only until filled
    std::vector<double> block(static_cast<std::size_t>(kBlockFrames * channels));
    sf_count_t done = 0;
    while (done < frames) {
        const sf_count_t want = std::min(kBlockFrames, frames - done);
        const sf_count_t got = sf_readf_double(f, block.data(), want);
        if (got <= 0)
            break;
        for (int c = 0; c < channels; ++c) {
            channelData& data = out[static_cast<std::size_t>(c)];
            const std::size_t start = data.samples.size();
            data.samples.resize(start + static_cast<std::size_t>(got));
            data.peak = std::max(data.peak, widen(block.data() + c, channels, static_cast<std::size_t>(got),
                                                  data.samples.data() + start));
        }
        done += got;
        if (got < want)
            break;
    }
    return sf_error(f) == SF_ERR_NO_ERROR;
}

soundImport importOpened(SNDFILE* f, const SF_INFO& info, const std::string& shownPath,
                         const std::string& baseName, tworkspace& workspace,
                         importCallbacks& callbacks)
{
    if (info.channels < 1 || info.channels > kMaxSoundChannels) {
        callbacks.showError("Cannot read the sound file : " + std::to_string(info.channels) +
                            " channels (at most " + std::to_string(kMaxSoundChannels) + ")");
        return {};
    }
    if (info.samplerate < 1) {
        callbacks.showError("Cannot read the sound file : invalid sample rate");
        return {};
    }
    // A length the library does not know (SF_COUNT_MAX) is read up to the largest variable.
    sf_count_t frames = std::clamp<sf_count_t>(info.frames, 0, SF_COUNT_MAX);
    if (frames == SF_COUNT_MAX)
        frames = kMaxVariableSamples;
    if (frames > kMaxVariableSamples) {
        if (!callbacks.keepFirstPart(frames, kMaxVariableSamples, info.samplerate))
            return {};
        frames = kMaxVariableSamples;
    }

    std::vector<channelData> channels;
    try {
        if (!readChannels(f, info.channels, frames, channels)) {
            callbacks.showError(libraryMessage(f));
            return {};
        }
    } catch (const std::bad_alloc&) {
        callbacks.showError(ioErrorMessage(ENOMEM, false));
        return {};
    }

    std::vector<pendingVariable> pending(channels.size());
    const std::string rate = std::to_string(info.samplerate) + " Hz";
    for (std::size_t c = 0; c < channels.size(); ++c) {
        pendingVariable& v = pending[c];
        const int channel = static_cast<int>(c);
        v.name = info.channels == 1 ? baseName : baseName + channelSuffix(channel, info.channels);
        v.description = "Loaded from : " + shownPath + " (" + rate;
        if (info.channels > 1)
            v.description += ", channel " + std::to_string(c + 1) + " of " + std::to_string(info.channels);
        v.description += ")";
        v.re = std::move(channels[c].samples);
        v.peak = std::bit_cast<double>(channels[c].peak);
    }
    if (!settleNames(pending, workspace, callbacks))
        return {};
    return {addVariables(pending, workspace), info.samplerate};
}

} // namespace

soundImport importSoundFile(const std::string& path, tworkspace& workspace,
                            importCallbacks& callbacks)
{
    {
        // The program's own words for a missing or unreadable file, and no folder or pipe
        // handed to the library.
        inputFile probe;
        if (!probe.open(path)) {
            callbacks.showError(probe.errorMessage());
            return {};
        }
    }
    SF_INFO info{};
    const soundHandle f(sf_open(path.c_str(), SFM_READ, &info));
    if (!f) {
        callbacks.showError(libraryMessage(nullptr));
        return {};
    }
    return importOpened(f.get(), info, fullPath(path), baseNameOf(path), workspace, callbacks);
}

soundImport importSoundData(std::string_view bytes, const std::string& shownPath,
                            const std::string& baseName, tworkspace& workspace,
                            importCallbacks& callbacks)
{
    soundMemory memory{std::string(bytes), 0};
    SF_INFO info{};
    const soundHandle f(sf_open_virtual(soundMemory::io(), SFM_READ, &info, &memory));
    if (!f) {
        callbacks.showError(libraryMessage(nullptr));
        return {};
    }
    return importOpened(f.get(), info, shownPath, baseName, workspace, callbacks);
}

void sampleRateBook::remember(const std::vector<tdspvarPtr>& variables, int sampleRate)
{
    if (sampleRate <= 0)
        return;
    std::erase_if(rates_, [](const auto& entry) { return entry.first.expired(); });
    for (const auto& v : variables)
        rates_.emplace_back(v, sampleRate);
    lastRate_ = sampleRate;
}

int sampleRateBook::rateFor(const std::vector<tdspvarPtr>& variables) const
{
    for (const auto& v : variables)
        for (const auto& [known, rate] : rates_)
            if (known.lock() == v)
                return rate;
    return lastRate_ > 0 ? lastRate_ : kDefaultSampleRate;
}
