#include "io/soundfile.h"
#include "importcallbacks.h"

#include <sndfile.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

tdspvarPtr makeVariable(const std::string& name, std::vector<extended> re)
{
    return std::make_shared<tdspvar>(name, signalSamples::real(std::move(re)));
}

// A sound file written by the library itself, with `channels` interleaved in `samples`.
void writeSound(const std::string& path, int format, int channels, int rate,
                const std::vector<double>& samples)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr) << sf_strerror(nullptr);
    sf_writef_double(f, samples.data(), static_cast<sf_count_t>(samples.size()) / channels);
    sf_close(f);
}

} // namespace

TEST(SoundFile, FloatWavRoundTripNamesChannelsAfterTheFile)
{
    temporaryFolder folder;
    const std::string path = folder.file("voice.wav");
    const auto left = makeVariable("L", {0.1L, -0.75L, 1.5L, 1e-30L});
    const auto right = makeVariable("R", {-1, 0.333333333333L}); // shorter: silence after it
    scriptedCallbacks errors;
    ASSERT_TRUE(saveWavFile(path, {left, right}, 44100, wavEncoding::float32, errors));

    tworkspace w;
    scriptedImportCallbacks cb;
    const soundImport in = importSoundFile(path, w, cb);
    ASSERT_TRUE(cb.script.errors.empty()) << cb.script.errors.front();
    EXPECT_EQ(in.sampleRate, 44100);
    ASSERT_EQ(in.variables.size(), 2u);
    EXPECT_EQ(in.variables[0]->name(), "VOICE_L");
    EXPECT_EQ(in.variables[1]->name(), "VOICE_R");
    EXPECT_EQ(in.variables[1]->description(), "Loaded from : " + path + " (44100 Hz, channel 2 of 2)");
    EXPECT_EQ(in.variables[0]->sampleRate(), 44100); // every channel carries the file's rate
    EXPECT_EQ(in.variables[1]->sampleRate(), 44100);
    EXPECT_EQ(in.variables[0]->real(), (std::vector<extended>{0.1f, -0.75f, 1.5f, 1e-30f}));
    EXPECT_EQ(in.variables[1]->real(), (std::vector<extended>{-1, 0.333333333333f, 0, 0}));
    EXPECT_FALSE(in.variables[0]->isComplex());
    EXPECT_EQ(in.variables[0]->peak(), 1.5f);

    // A mono file: the base name alone, the description with the rate only.
    const std::string mono = folder.file("la 440.wav");
    ASSERT_TRUE(saveWavFile(mono, {left}, 8000, wavEncoding::float32, errors));
    const soundImport one = importSoundFile(mono, w, cb);
    ASSERT_EQ(one.variables.size(), 1u);
    EXPECT_EQ(one.variables[0]->name(), "LA440");
    EXPECT_EQ(one.variables[0]->description(), "Loaded from : " + mono + " (8000 Hz)");
}

TEST(SoundFile, Pcm16IsScaledToThePeakAndOtherFormatsRead)
{
    temporaryFolder folder;
    const std::string path = folder.file("p.wav");
    const auto v = makeVariable("V", {0.5L, -2, 1, std::nanl("")});
    scriptedCallbacks errors;
    ASSERT_TRUE(saveWavFile(path, {v}, 8000, wavEncoding::pcm16, errors));
    std::string bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 44u + 4 * 2);
    const std::string data = bytes.substr(44);
    std::vector<std::int16_t> pcm(4);
    std::memcpy(pcm.data(), data.data(), 8);
    EXPECT_EQ(pcm, (std::vector<std::int16_t>{8192, -32767, 16384, 0})); // 16383.5 rounds to even

    // The formats the import names, written by the library, read back within their precision.
    struct formatCase {
        const char* file;
        int format;
        long double tolerance;
    };
    const formatCase formats[] = {{"a.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1.0L / 32768},
                                  {"a.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_24, 1.0L / 8388608},
                                  {"a.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 0.05L},
                                  {"a.opus", SF_FORMAT_OGG | SF_FORMAT_OPUS, 0.05L},
                                  {"a.mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 0.05L}};
    const std::vector<std::string> readable = soundFileExtensions();
    std::vector<double> tone(4000);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.5 * std::sin(2 * M_PI * 440 * static_cast<double>(i) / 16000);
    for (const formatCase& f : formats) {
        SCOPED_TRACE(f.file);
        const std::string extension = std::filesystem::path(f.file).extension().string().substr(1);
        if (std::find(readable.begin(), readable.end(), extension) == readable.end())
            continue; // the installed library does not decode it
        writeSound(folder.file(f.file), f.format, 1, 16000, tone);
        tworkspace w;
        scriptedImportCallbacks cb;
        const soundImport in = importSoundFile(folder.file(f.file), w, cb);
        ASSERT_EQ(in.variables.size(), 1u) << (cb.script.errors.empty() ? "" : cb.script.errors[0]);
        EXPECT_EQ(in.sampleRate, 16000);
        ASSERT_EQ(in.variables[0]->real().size(), tone.size());
        long double worst = 0;
        for (std::size_t i = 0; i < tone.size(); ++i)
            worst = std::max(worst, std::fabs(in.variables[0]->real()[i] - tone[i]));
        EXPECT_LE(worst, f.tolerance);
    }
}

TEST(SoundFile, SamplesAreTheLibrarysDoublesWhateverTheStorage)
{
    // Whatever type the import reads a format in, each sample must be the value the library's own
    // double read gives, bit for bit, and the peak the largest magnitude (NaN left out).
    temporaryFolder folder;
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> wave;
    for (int i = 0; i < 5000; ++i)
        wave.push_back(std::sin(i * 0.37) * (i % 7 == 0 ? 0.9 : 0.3) - (i == 9 ? 0.6 : 0.0));
    std::vector<double> special = wave;
    special.insert(special.end(), {0.0, -0.0, std::numeric_limits<double>::denorm_min(), -1e-310,
                                   1e-40, -inf, std::numeric_limits<double>::quiet_NaN(), 1e30});
    struct formatCase {
        const char* file;
        int format;
        const std::vector<double>& samples;
    };
    const formatCase cases[] = {
        {"s16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, wave}, {"s24.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, wave},
        {"s32.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_32, wave}, {"u8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, wave},
        {"f.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, special}, {"d.wav", SF_FORMAT_WAV | SF_FORMAT_DOUBLE, special},
        {"s24.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, wave}, {"s8.aiff", SF_FORMAT_AIFF | SF_FORMAT_PCM_S8, wave},
        {"ulaw.wav", SF_FORMAT_WAV | SF_FORMAT_ULAW, wave}};
    for (const formatCase& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = folder.file(c.file);
        writeSound(path, c.format, 2, 8000, c.samples);
        SF_INFO info{};
        SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
        ASSERT_NE(f, nullptr);
        ASSERT_GT(info.frames, 0);
        ASSERT_LT(info.frames, 10000);
        std::vector<double> reference(static_cast<std::size_t>(info.frames * 2));
        sf_readf_double(f, reference.data(), info.frames);
        sf_close(f);

        tworkspace w;
        scriptedImportCallbacks cb;
        const soundImport in = importSoundFile(path, w, cb);
        ASSERT_EQ(in.variables.size(), 2u);
        for (std::size_t ch = 0; ch < 2; ++ch) {
            const tdspvar& v = *in.variables[ch];
            ASSERT_EQ(v.real().size(), static_cast<std::size_t>(info.frames));
            extended peak = 1e-10L;
            for (std::size_t i = 0; i < v.real().size(); ++i) {
                const double r = reference[2 * i + ch];
                const extended expected = r;
                if (std::isnan(r)) {
                    ASSERT_TRUE(std::isnan(v.real()[i])) << i;
                    continue;
                }
                ASSERT_EQ(std::memcmp(&v.real()[i], &expected, 10), 0) << i << ": " << r;
                peak = std::max(peak, std::fabs(expected));
            }
            EXPECT_EQ(v.peak(), peak);
        }
    }
}

TEST(SoundFile, BadFilesGiveMessagesAndCreateNothing)
{
    temporaryFolder folder;
    std::string wav;
    std::string message;
    ASSERT_TRUE(encodeWav({makeVariable("V", std::vector<extended>(100, 0.25L))}, 8000,
                          wavEncoding::pcm16, wav, message));
    writeBytes(folder.file("text.wav"), "this is not a sound");
    writeBytes(folder.file("cut.wav"), wav.substr(0, 20));
    writeBytes(folder.file("empty.wav"), "");
    struct badCase {
        std::string path;
        std::string messageStart;
    };
    const badCase cases[] = {{folder.file("none.wav"), "File not found"},
                             {folder.file("none/a.wav"), "Path not found"},
                             {folder.path.string(), "File access denied"},
                             {folder.file("text.wav"), "Cannot read the sound file : "},
                             {folder.file("cut.wav"), "Cannot read the sound file : "},
                             {folder.file("empty.wav"), "Cannot read the sound file : "}};
    for (const badCase& c : cases) {
        SCOPED_TRACE(c.path);
        tworkspace w;
        scriptedImportCallbacks cb;
        EXPECT_TRUE(importSoundFile(c.path, w, cb).variables.empty());
        EXPECT_EQ(w.variableCount(), 0);
        ASSERT_EQ(cb.script.errors.size(), 1u);
        EXPECT_EQ(cb.script.errors[0].rfind(c.messageStart, 0), 0u) << cb.script.errors[0];
        if (c.messageStart.back() == ' ') { // the library's own words follow
            EXPECT_GT(cb.script.errors[0].size(), c.messageStart.size() + 3);
        }
    }

    // The writer refuses what a WAV file cannot hold, and a failed write keeps the old file.
    scriptedCallbacks cb;
    const auto v = makeVariable("V", {1});
    EXPECT_FALSE(saveWavFile(folder.file("x.wav"), {}, 8000, wavEncoding::float32, cb));
    EXPECT_FALSE(saveWavFile(folder.file("x.wav"), {v}, 0, wavEncoding::float32, cb));
    EXPECT_FALSE(saveWavFile(folder.file("x.wav"), std::vector<tdspvarPtr>(kMaxSoundChannels + 1, v),
                             8000, wavEncoding::float32, cb));
    EXPECT_EQ(cb.errors.size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(folder.file("x.wav")));
    writeBytes(folder.file("old.wav"), "old");
    EXPECT_FALSE(saveWavFile(folder.file("old.wav/x"), {v}, 8000, wavEncoding::float32, cb));
    EXPECT_EQ(readBytes(folder.file("old.wav")), "old");
}

TEST(SoundFile, LongFileAsksAboutTheFirstPart)
{
    std::string wav;
    std::string message;
    const auto v = makeVariable("V", std::vector<extended>(kMaxVariableSamples + 10, 0.5L));
    ASSERT_TRUE(encodeWav({v}, 44100, wavEncoding::pcm16, wav, message));
    for (const bool keep : {false, true}) {
        tworkspace w;
        scriptedImportCallbacks cb;
        cb.keep = keep;
        const soundImport in = importSoundData(wav, "/s/long.wav", "LONG", w, cb);
        ASSERT_EQ(cb.questions.size(), 1u);
        EXPECT_EQ(cb.questions[0].available, kMaxVariableSamples + 10);
        EXPECT_EQ(cb.questions[0].kept, kMaxVariableSamples);
        EXPECT_EQ(cb.questions[0].sampleRate, 44100);
        ASSERT_EQ(w.variableCount(), keep ? 1 : 0);
        if (keep) {
            EXPECT_EQ(in.variables[0]->sampleCount(), kMaxVariableSamples);
        }
    }
}

TEST(SoundFile, RateBookPrefersTheVariablesOwnRate)
{
    sampleRateBook book;
    const auto a = makeVariable("A", {});
    auto b = makeVariable("B", {});
    const auto c = makeVariable("C", {});
    EXPECT_EQ(book.rateFor({a}), kDefaultSampleRate);
    book.remember({a}, 22050);
    book.remember({b}, 48000);
    EXPECT_EQ(book.rateFor({c, a}), 22050);
    EXPECT_EQ(book.rateFor({c}), 48000); // the last import's
    b.reset();                            // a freed variable keeps no rate
    book.remember({c}, 11025);
    EXPECT_EQ(book.rateFor({a}), 22050);
    // A signal that knows its rate is exported at it; a spectrum's rate is not a playing rate.
    const auto own = std::make_shared<tdspvar>("D", signalSamples{}, variableInfo{.description = {}, .sampleRate = 44100});
    const auto spectrum = std::make_shared<tdspvar>(
        "E", signalSamples{}, variableInfo{.description = {}, .sampleRate = 44100, .domain = signalDomain::spectrum});
    EXPECT_EQ(book.rateFor({own, a}), 44100);
    EXPECT_EQ(book.rateFor({spectrum, a}), 22050);
}

TEST(SoundFile, IntegersStoredAsTheyAreComeBackBitForBit)
{
    // Every sample of an integer file, the extremes included, survives import and export "as
    // stored" in the same width, WAV or FLAC.
    struct roundTrip {
        const char* file;
        int format;
        soundEncoding encoding;
        int bits;
    };
    const roundTrip cases[] = {{"a16.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, soundEncoding::pcm16, 16},
                               {"a24.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, soundEncoding::pcm24, 24},
                               {"a16.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, soundEncoding::flac16, 16},
                               {"a24.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_24, soundEncoding::flac24, 24}};
    temporaryFolder folder;
    for (const roundTrip& c : cases) {
        SCOPED_TRACE(c.file);
        const int full = 1 << (c.bits - 1);
        std::vector<int> stored = {-full, full - 1, 0, -1, 1};
        for (int i = 0; i < 6000; ++i)
            stored.push_back(static_cast<int>(std::lround(std::sin(i * 0.05) * 0.8 * full)) + i % 3);
        std::vector<int> shifted; // the library's int samples are left-justified in 32 bits
        for (const int x : stored)
            shifted.push_back(x * (1 << (32 - c.bits)));
        const std::string in = folder.file(c.file);
        SF_INFO info{};
        info.samplerate = 44100;
        info.channels = 1;
        info.format = c.format;
        SNDFILE* f = sf_open(in.c_str(), SFM_WRITE, &info);
        ASSERT_NE(f, nullptr);
        sf_writef_int(f, shifted.data(), static_cast<sf_count_t>(shifted.size()));
        sf_close(f);

        tworkspace w;
        scriptedImportCallbacks cb;
        const soundImport imported = importSoundFile(in, w, cb);
        ASSERT_EQ(imported.variables.size(), 1u);
        const std::string out = folder.file(std::string("out_") + c.file);
        scriptedCallbacks errors;
        const soundExportResult result = saveSoundFile(out, imported.variables,
                                                       {44100, c.encoding, sampleScaling::asStored}, errors);
        ASSERT_TRUE(result.written) << errors.errors.front();
        EXPECT_EQ(result.clippedSamples, 0);

        info = {};
        f = sf_open(out.c_str(), SFM_READ, &info);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(info.format, c.format);
        std::vector<int> back(shifted.size() + 1);
        ASSERT_EQ(sf_readf_int(f, back.data(), static_cast<sf_count_t>(back.size())),
                  static_cast<sf_count_t>(shifted.size()));
        sf_close(f);
        back.pop_back();
        EXPECT_EQ(back, shifted);
        if (c.encoding == soundEncoding::pcm16) { // the data chunk too, byte for byte
            EXPECT_EQ(readBytes(out).substr(44), readBytes(in).substr(44));
        }
    }

    // Beyond full scale: clipped and counted; +1 itself is one step too far for an integer.
    const auto v = makeVariable("V", {1, -1, 1.5L, std::nanl(""), 0.5L, -0x1p-15L});
    std::string bytes;
    std::string message;
    std::int64_t clipped = 0;
    ASSERT_TRUE(encodeSound({v}, {8000, soundEncoding::pcm16, sampleScaling::asStored}, bytes, message, clipped));
    EXPECT_EQ(clipped, 3);
    std::vector<std::int16_t> pcm(6);
    std::memcpy(pcm.data(), bytes.data() + 44, 12);
    EXPECT_EQ(pcm, (std::vector<std::int16_t>{32767, -32768, 32767, 0, 16384, -1}));
}

TEST(SoundFile, FilesCutShortImportWhatTheyHoldAndSaySo)
{
    temporaryFolder folder;
    std::vector<double> tone(10000);
    for (std::size_t i = 0; i < tone.size(); ++i)
        tone[i] = 0.5 * std::sin(0.01 * static_cast<double>(i));
    writeSound(folder.file("w.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, tone);
    writeSound(folder.file("w.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1, 8000, tone);
    writeSound(folder.file("none.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 8000, {});
    const std::string wav = readBytes(folder.file("w.wav"));
    const std::string flac = readBytes(folder.file("w.flac"));
    writeBytes(folder.file("cut.wav"), wav.substr(0, 44 + 2 * 5000 + 1)); // half a sample more
    writeBytes(folder.file("cut.flac"), flac.substr(0, flac.size() / 2));
    struct partCase {
        std::string file;
        std::int64_t expected;
        std::int64_t readAtMost; // read exactly this many when the format cuts cleanly
        bool exact;
        std::string messageStart;
    };
    const partCase cases[] = {
        {"cut.wav", 10000, 5000, true, "The sound file is incomplete : 10000 samples expected, 5000 read"},
        {"cut.flac", 10000, 9999, false, "The sound file is incomplete : 10000 samples expected, "},
        {"none.wav", 0, 0, true, "The sound file holds no samples"},
    };
    for (const partCase& c : cases) {
        SCOPED_TRACE(c.file);
        tworkspace w;
        scriptedImportCallbacks cb;
        const soundImport in = importSoundFile(folder.file(c.file), w, cb);
        ASSERT_EQ(in.variables.size(), 1u);
        EXPECT_EQ(in.samplesExpected, c.expected);
        EXPECT_EQ(in.variables[0]->real().size(), static_cast<std::size_t>(in.samplesRead));
        if (c.exact) {
            EXPECT_EQ(in.samplesRead, c.readAtMost);
        } else {
            EXPECT_GT(in.samplesRead, 0);
            EXPECT_LE(in.samplesRead, c.readAtMost);
        }
        for (std::size_t i = 0; i < in.variables[0]->real().size(); ++i)
            ASSERT_NEAR(static_cast<double>(in.variables[0]->real()[i]), tone[i], 1.0 / 32768) << i;
        ASSERT_EQ(cb.script.errors.size(), 1u);
        EXPECT_EQ(cb.script.errors[0].rfind(c.messageStart, 0), 0u) << cb.script.errors[0];
    }
}
