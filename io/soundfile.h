// Sound files (WAV, FLAC, OGG/Vorbis, Opus, MP3, AIFF and the other formats the installed
// libsndfile reads) as signals. Importing makes one real variable per channel, named after the
// file ("VOICE" for a mono voice.wav, "VOICE_L" and "VOICE_R" for a stereo one, "VOICE_1" ...
// for more channels), with the samples at full scale +-1 as the library delivers them, and
// described "Loaded from : <path> (<rate> Hz)". A file longer than a variable can be asks whether
// to keep its first part; a file cut short imports what it holds and says how much is missing.
// Exporting writes the chosen variables as the channels of one file: WAV as 32-bit floats or
// 16/24-bit integers, or FLAC with 16/24-bit integers. Integers are either scaled so that the
// largest magnitude is full scale, or stored as they are (full scale +-1, what lies beyond is
// clipped and counted), which gives back the very samples of an imported file of that width.
// Everything runs on the calling (GUI) thread; the library's errors reach the user as messages.
#pragma once

#include "core/variable.h"
#include "io/signalimport.h"
#include "io/soundprobe.h" // soundFileExtensions(), for the import's file filter

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr int kMaxSoundChannels = 32;
inline constexpr int kDefaultSampleRate = 8000;
inline constexpr int kMaxSampleRate = 1000000;

struct soundImport {
    std::vector<tdspvarPtr> variables; // empty when nothing was created
    int sampleRate = 0;
    // Samples per channel that the file announced and that it held; fewer read than expected
    // means the file was cut short or damaged (the import then says so through showError).
    std::int64_t samplesExpected = 0;
    std::int64_t samplesRead = 0;
};

// Imports the sound file at `path`, described with its absolute path.
soundImport importSoundFile(const std::string& path, tworkspace& workspace,
                            importCallbacks& callbacks);
// The same for a whole sound file held in memory.
soundImport importSoundData(std::string_view bytes, const std::string& shownPath,
                            const std::string& baseName, tworkspace& workspace,
                            importCallbacks& callbacks);

enum class soundEncoding {
    float32, // WAV
    pcm16,   // WAV
    pcm24,   // WAV
    flac16,
    flac24,
};
using wavEncoding = soundEncoding; // the name the export dialog was written against

// How integer encodings map the values: the largest magnitude of the chosen variables to full
// scale, or the values as they are (+-1 full scale).
enum class sampleScaling { toPeak, asStored };

struct soundExportOptions {
    int sampleRate = kDefaultSampleRate;
    soundEncoding encoding = soundEncoding::float32;
    sampleScaling scaling = sampleScaling::toPeak; // integer encodings only
};

struct soundExportResult {
    bool written = false;
    // Integer encodings: samples that could not be stored as they are (beyond full scale,
    // infinite or not a number) and were clipped to the nearest value (0 for NaN).
    std::int64_t clippedSamples = 0;
};

// The file of the real parts of `variables`, one channel each, in order; a shorter variable is
// followed by silence. False with `message` set when the library refuses (no variable, too many
// channels, a sample rate outside 1 ... kMaxSampleRate or beyond what the format takes).
bool encodeSound(const std::vector<tdspvarPtr>& variables, const soundExportOptions& options,
                 std::string& bytes, std::string& message, std::int64_t& clippedSamples);
// Writes that file through a temporary file, so that a failure leaves an old file as it was;
// errors are shown through `callbacks`; the clipped count goes back to the caller to show.
soundExportResult saveSoundFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                                const soundExportOptions& options, loadCallbacks& callbacks);

// The same with integers scaled to the peak.
bool encodeWav(const std::vector<tdspvarPtr>& variables, int sampleRate, wavEncoding encoding,
               std::string& bytes, std::string& message);
bool saveWavFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                 int sampleRate, wavEncoding encoding, loadCallbacks& callbacks);

// The sample rate proposed for an export: the first chosen signal's own rate (a whole number of
// hertz the files take), else the rate an import or export gave one of the variables while it
// lives, else the rate of the last import, else kDefaultSampleRate.
class sampleRateBook {
public:
    void remember(const std::vector<tdspvarPtr>& variables, int sampleRate);
    int rateFor(const std::vector<tdspvarPtr>& variables) const;

private:
    std::vector<std::pair<std::weak_ptr<tdspvar>, int>> rates_;
    int lastRate_ = 0;
};
