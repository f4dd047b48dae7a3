#include "io/soundfile.h"

#include "io/fileaccess.h"
#include "io/iotexts.h"
#include "io/samplewidening.h"
#include "io/soundmemory.h"
#include "io/soundprobe.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cerrno>
#include <cstdint>
#include <new>

namespace {

constexpr sf_count_t kBlockFrames = 4096;
constexpr std::size_t kHeadBytes = 65536; // read for the frame count a header announces

struct closeSound {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using soundHandle = std::unique_ptr<SNDFILE, closeSound>;

constexpr const char* kEmptySoundFile = KELMO_TEXT("Texts", "Cannot read the sound file : the file is empty");

std::string libraryMessage(SNDFILE* f)
{
    std::string text = sf_strerror(f);
    if (text.empty())
        text = KELMO_TEXT("Texts", "unknown error");
    return fillText(kSoundUnreadableText, {text});
}

std::string channelSuffix(int channel, int channels)
{
    if (channels == 2)
        return channel == 0 ? "_l" : "_r";
    return "_" + std::to_string(channel + 1);
}

struct channelData {
    std::vector<extended> samples;
    widenedPeak peak;
};

// Reads up to `frames` frames in blocks of `Sample`, the type the library hands over without
// converting (or converting exactly), and widens each channel into its vector. Stops early at
// the end of the data. False on a read error.
template <typename Sample, typename Read>
bool readBlocks(SNDFILE* f, int channels, sf_count_t frames, Read read, std::vector<channelData>& out)
{
    std::vector<Sample> block(static_cast<std::size_t>(kBlockFrames * channels));
    sf_count_t done = 0;
    while (done < frames) {
        const sf_count_t want = std::min(kBlockFrames, frames - done);
        const sf_count_t got = read(f, block.data(), want);
        if (got <= 0)
            break;
        for (int c = 0; c < channels; ++c) {
            channelData& data = out[static_cast<std::size_t>(c)];
            const std::size_t start = data.samples.size();
            data.samples.resize(start + static_cast<std::size_t>(got));
            widenSamples(block.data() + c, channels, static_cast<std::size_t>(got),
                         data.samples.data() + start, data.peak);
        }
        done += got;
        if (got < want)
            break;
    }
    return sf_error(f) == SF_ERR_NO_ERROR;
}

// Reads up to `frames` frames into one sample vector per channel, with the values the library's
// doubles at full scale +-1 would have. Integer and float data are read as they are stored, which
// spares the library's conversion; everything else comes as doubles.
bool readChannels(SNDFILE* f, const SF_INFO& info, sf_count_t frames, std::vector<channelData>& out)
{
    out.assign(static_cast<std::size_t>(info.channels), {});
    for (channelData& c : out)
        c.samples.reserve(static_cast<std::size_t>(frames)); // address space only until filled
    switch (info.format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_16:
        return readBlocks<std::int16_t>(f, info.channels, frames, sf_readf_short, out);
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_PCM_32: // left-justified in 32 bits: x / 2^31 is the library's double
        return readBlocks<std::int32_t>(f, info.channels, frames, sf_readf_int, out);
    case SF_FORMAT_FLOAT:
        return readBlocks<float>(f, info.channels, frames, sf_readf_float, out);
    default:
        return readBlocks<double>(f, info.channels, frames, sf_readf_double, out);
    }
}

// The message for a file that held fewer frames than it announced (or than the library could
// read before an error); empty when it held them all.
std::string shortfallMessage(SNDFILE* f, std::int64_t expected, std::int64_t read)
{
    const bool failed = sf_error(f) != SF_ERR_NO_ERROR;
    if (read >= expected && !failed)
        return {};
    std::string message =
        fillText(kSoundIncompleteText, {std::to_string(std::max(expected, read)), std::to_string(read)});
    if (failed)
        message += "\n" + std::string(sf_strerror(f));
    return message;
}

soundImport importOpened(SNDFILE* f, const SF_INFO& info, std::string_view head,
                         const std::string& shownPath, const std::string& baseName,
                         tworkspace& workspace, importCallbacks& callbacks)
{
    if (info.channels < 1 || info.channels > kMaxSoundChannels) {
        callbacks.showError(
            fillText(kSoundReadChannelsText, {std::to_string(info.channels), std::to_string(kMaxSoundChannels)}));
        return {};
    }
    if (info.samplerate < 1) {
        callbacks.showError(KELMO_TEXT("Texts", "Cannot read the sound file : invalid sample rate"));
        return {};
    }
    // A length the library does not know (SF_COUNT_MAX) is read up to the largest variable. A
    // file cut short announces more frames in its header than the library counts.
    sf_count_t frames = std::clamp<sf_count_t>(info.frames, 0, SF_COUNT_MAX);
    const bool lengthKnown = frames != SF_COUNT_MAX;
    std::int64_t expected = lengthKnown ? std::max<std::int64_t>(frames, announcedFrames(head)) : 0;
    if (!lengthKnown)
        frames = kMaxVariableSamples;
    if (frames > kMaxVariableSamples) {
        if (!callbacks.keepFirstPart(frames, kMaxVariableSamples, info.samplerate))
            return {};
        frames = kMaxVariableSamples;
        expected = std::min<std::int64_t>(expected, frames);
    }

    std::vector<channelData> channels;
    try {
        // A read error ends the reading; what came before it is kept and the message says so.
        if (!readChannels(f, info, frames, channels) && channels[0].samples.empty()) {
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
        v.sampleRate = info.samplerate;
        v.re = std::move(channels[c].samples);
        v.peak = channels[c].peak.value();
    }
    const auto read = static_cast<std::int64_t>(pending[0].re.size());
    if (!settleNames(pending, workspace, callbacks))
        return {};
    soundImport result{addVariables(pending, workspace), info.samplerate, std::max(expected, read), read};
    // As after any file error, what the file held stays; the message says what is missing.
    if (const std::string shortfall = shortfallMessage(f, expected, read); !shortfall.empty())
        callbacks.showError(shortfall);
    else if (read == 0)
        callbacks.showError(KELMO_TEXT("Texts", "The sound file holds no samples"));
    return result;
}

} // namespace

soundImport importSoundFile(const std::string& path, tworkspace& workspace,
                            importCallbacks& callbacks)
{
    std::string head;
    {
        // The program's own words for a missing or unreadable file, and no folder or pipe
        // handed to the library.
        inputFile probe;
        if (probe.open(path)) {
            head.resize(static_cast<std::size_t>(std::min<std::uint64_t>(probe.size(), kHeadBytes)));
            head.resize(probe.read(head.data(), head.size()));
        }
        if (probe.failed()) {
            callbacks.showError(probe.errorMessage());
            return {};
        }
        if (probe.size() == 0) {
            callbacks.showError(kEmptySoundFile);
            return {};
        }
    }
    SF_INFO info{};
    const soundHandle f(sf_open(path.c_str(), SFM_READ, &info));
    if (!f) {
        callbacks.showError(libraryMessage(nullptr));
        return {};
    }
    return importOpened(f.get(), info, head, fullPath(path), baseNameOf(path), workspace, callbacks);
}

soundImport importSoundData(std::string_view bytes, const std::string& shownPath,
                            const std::string& baseName, tworkspace& workspace,
                            importCallbacks& callbacks)
{
    if (bytes.empty()) {
        callbacks.showError(kEmptySoundFile);
        return {};
    }
    soundMemory memory{std::string(bytes), 0};
    SF_INFO info{};
    const soundHandle f(sf_open_virtual(soundMemory::io(), SFM_READ, &info, &memory));
    if (!f) {
        callbacks.showError(libraryMessage(nullptr));
        return {};
    }
    return importOpened(f.get(), info, bytes.substr(0, kHeadBytes), shownPath, baseName, workspace,
                        callbacks);
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
    for (const auto& v : variables) {
        const double own = v->sampleRate();
        if (v->info().domain == signalDomain::time && own >= 1 && own <= kMaxSampleRate &&
            own == std::floor(own))
            return static_cast<int>(own);
    }
    for (const auto& v : variables)
        for (const auto& [known, rate] : rates_)
            if (known.lock() == v)
                return rate;
    return lastRate_ > 0 ? lastRate_ : kDefaultSampleRate;
}
