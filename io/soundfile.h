// Sound files (WAV, FLAC, OGG/Vorbis, AIFF and the other formats libsndfile knows) as signals.
// Importing makes one real variable per channel, named after the file ("voice" for a mono
// voice.wav, "voice_l" and "voice_r" for a stereo one, "voice_1" ... for more channels), with the
// samples at full scale +-1 as the library delivers them, and described
// "Loaded from : <path> (<rate> Hz)". A file longer than a variable can be asks whether to keep
// its first part. Exporting writes the chosen variables as the channels of one WAV file, as
// 32-bit floats or as 16-bit integers scaled so that the largest magnitude is full scale.
// Everything runs on the calling (GUI) thread; the library's errors reach the user as messages.
#pragma once

#include "core/variable.h"
#include "io/signalimport.h"

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
};

// Imports the sound file at `path`, described with its absolute path.
soundImport importSoundFile(const std::string& path, tworkspace& workspace,
                            importCallbacks& callbacks);
// The same for a whole sound file held in memory.
soundImport importSoundData(std::string_view bytes, const std::string& shownPath,
                            const std::string& baseName, tworkspace& workspace,
                            importCallbacks& callbacks);

enum class wavEncoding { float32, pcm16 };

// The WAV file of the real parts of `variables`, one channel each, in order; a shorter variable
// is followed by silence. False with `message` set when the library refuses (no variable, too
// many channels, a sample rate outside 1 ... kMaxSampleRate).
bool encodeWav(const std::vector<tdspvarPtr>& variables, int sampleRate, wavEncoding encoding,
               std::string& bytes, std::string& message);
// Writes that file through a temporary file, so that a failure leaves an old file as it was;
// errors are shown through `callbacks`. True when the file was written.
bool saveWavFile(const std::string& path, const std::vector<tdspvarPtr>& variables,
                 int sampleRate, wavEncoding encoding, loadCallbacks& callbacks);

// The sample rates of imported sound, kept for the export: a variable's own rate while it lives,
// else the rate of the last import, else kDefaultSampleRate.
class sampleRateBook {
public:
    void remember(const std::vector<tdspvarPtr>& variables, int sampleRate);
    int rateFor(const std::vector<tdspvarPtr>& variables) const;

private:
    std::vector<std::pair<std::weak_ptr<tdspvar>, int>> rates_;
    int lastRate_ = 0;
};
