// Importing a 65536-frame stereo WAV file as two variables (open, read, widen to 80 bits, name,
// create, display peak) against libsndfile reading the same file into one buffer of floats, the
// least a program can do to get at the samples; into doubles, the precision the import reads in;
// and into doubles followed by a plain loop that widens them into two vectors of 80-bit values,
// the floor for what the import has to deliver. All read from the page cache, and the allocator
// keeps the memory it was given (mallopt), so no figure depends on when the C library hands pages
// back to the kernel. Rounds alternate between the contenders on this thread's CPU clock, and
// the ratio of each round is reported as a median and a spread.
#include "io/soundfile.h"
#include "rounds.h"

#include <sndfile.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int kFrames = 65536;
constexpr int kRepeats = 40; // imports per contender and round

struct silentCallbacks : importCallbacks {
    dialogAnswer askName(const std::string&, bool, std::string&) override { return dialogAnswer::cancel; }
    void showError(const std::string& message) override { std::fprintf(stderr, "%s\n", message.c_str()); }
    bool keepFirstPart(std::int64_t, std::int64_t, int) override { return true; }
};

std::string makeFile(const std::filesystem::path& folder, wavEncoding encoding, const char* name)
{
    std::vector<tdspvarPtr> channels;
    for (int c = 0; c < 2; ++c) {
        signalSamples samples;
        for (int i = 0; i < kFrames; ++i)
            samples.re.push_back(0.8L * std::sin(0.01L * i * (c + 1)) + 0.1L * std::sin(1.3L * i));
        channels.push_back(std::make_shared<tdspvar>("C", std::move(samples)));
    }
    const std::string path = (folder / name).string();
    silentCallbacks cb;
    if (!saveWavFile(path, channels, 44100, encoding, cb))
        std::exit(1);
    return path;
}

void importOurs(const std::string& path)
{
    silentCallbacks cb;
    tworkspace w;
    if (importSoundFile(path, w, cb).variables.size() != 2)
        std::exit(1);
}

template <typename Sample, typename Read>
void readReference(const std::string& path, Read read, bool widen = false)
{
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f)
        std::exit(1);
    std::vector<Sample> samples(static_cast<std::size_t>(info.frames * info.channels));
    if (read(f, samples.data(), info.frames) != info.frames)
        std::exit(1);
    sf_close(f);
    if (widen) {
        std::vector<std::vector<extended>> channels(static_cast<std::size_t>(info.channels),
                                                    std::vector<extended>(static_cast<std::size_t>(info.frames)));
        for (std::size_t i = 0; i < static_cast<std::size_t>(info.frames); ++i)
            for (std::size_t c = 0; c < channels.size(); ++c)
                channels[c][i] = samples[i * channels.size() + c];
        benchmark::DoNotOptimize(channels.back().back());
    }
    benchmark::DoNotOptimize(samples.back());
}

void measure(const char* label, const std::string& path)
{
    const char* names[] = {"float read", "double read", "double read + widening loop"};
    const auto s = benchrounds::interleaved(
        {[&] { importOurs(path); }, [&] { readReference<float>(path, sf_readf_float); },
         [&] { readReference<double>(path, sf_readf_double); },
         [&] { readReference<double>(path, sf_readf_double, true); }},
        kRepeats);
    std::printf("%s: import %s\n", label, benchrounds::millisecondsText(s[0]).c_str());
    for (std::size_t r = 1; r < s.size(); ++r)
        std::printf("  vs libsndfile %-28s %s: ratio %s\n", names[r - 1],
                    benchrounds::millisecondsText(s[r]).c_str(),
                    benchrounds::ratioText(benchrounds::ratios(s[0], s[r])).c_str());
}

} // namespace

int main()
{
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("kelmo-bench-sound-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    measure("stereo 16-bit PCM WAV", makeFile(folder, wavEncoding::pcm16, "pcm16.wav"));
    measure("stereo float WAV", makeFile(folder, wavEncoding::float32, "float.wav"));
    std::filesystem::remove_all(folder);
    return 0;
}
