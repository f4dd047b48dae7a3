// Importing a 65536-frame stereo WAV file as two variables (open, read, widen to 80 bits, name,
// create, display peak) against libsndfile reading the same file into one buffer of floats, the
// least a program can do to get at the samples; into doubles, the precision the import reads in;
// and into doubles followed by a plain loop that widens them into two vectors of 80-bit values,
// the floor for what the import has to deliver. Both read from the page cache, and the allocator keeps the memory it was given (mallopt),
// so neither side's figure depends on when the C library hands pages back to the kernel. Rounds
// alternate between the sides, and the ratio of each round is reported as a median and a range.
#include "io/soundfile.h"

#include <sndfile.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int kFrames = 65536;
constexpr int kRounds = 9;
constexpr int kRepeats = 40; // imports per timed round

struct silentCallbacks : importCallbacks {
    int askName(const std::string&, bool, std::string&) override { return answerCancel; }
    void showError(const std::string& message) override { std::fprintf(stderr, "%s\n", message.c_str()); }
    bool keepFirstPart(std::int64_t, std::int64_t, int) override { return true; }
};

std::string makeFile(const std::filesystem::path& folder, wavEncoding encoding, const char* name)
{
    std::vector<tdspvarPtr> channels;
    for (int c = 0; c < 2; ++c) {
        auto v = std::make_shared<tdspvar>("C");
        v->re.resize(kFrames);
        for (int i = 0; i < kFrames; ++i)
            v->re[static_cast<std::size_t>(i)] = 0.8L * std::sin(0.01L * i * (c + 1)) + 0.1L * std::sin(1.3L * i);
        channels.push_back(v);
    }
    const std::string path = (folder / name).string();
    silentCallbacks cb;
    if (!saveWavFile(path, channels, 44100, encoding, cb))
        std::exit(1);
    return path;
}

double importOurs(const std::string& path)
{
    silentCallbacks cb;
    double sum = 0;
    for (int r = 0; r < kRepeats; ++r) {
        tworkspace w;
        const soundImport in = importSoundFile(path, w, cb);
        if (in.variables.size() != 2)
            std::exit(1);
        sum += static_cast<double>(in.variables[1]->peak);
    }
    return sum;
}

template <typename Sample, typename Read>
double readReference(const std::string& path, Read read, bool widen = false)
{
    double sum = 0;
    for (int r = 0; r < kRepeats; ++r) {
        SF_INFO info{};
        SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
        if (!f)
            std::exit(1);
        std::vector<Sample> samples(static_cast<std::size_t>(info.frames * info.channels));
        if (read(f, samples.data(), info.frames) != info.frames)
            std::exit(1);
        sf_close(f);
        sum += static_cast<double>(samples.back());
        if (widen) {
            std::vector<std::vector<extended>> channels(static_cast<std::size_t>(info.channels),
                                                        std::vector<extended>(static_cast<std::size_t>(info.frames)));
            for (std::size_t i = 0; i < static_cast<std::size_t>(info.frames); ++i)
                for (std::size_t c = 0; c < channels.size(); ++c)
                    channels[c][i] = samples[i * channels.size() + c];
            sum += static_cast<double>(channels.back().back());
        }
    }
    return sum;
}

template <typename F> double seconds(F&& f)
{
    const auto t0 = std::chrono::steady_clock::now();
    volatile double keep = f();
    (void)keep;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void measure(const char* label, const std::string& path)
{
    struct reference {
        const char* name;
        std::function<double()> run;
        std::vector<double> seconds;
    };
    std::vector<reference> references = {
        {"float read", [&] { return readReference<float>(path, sf_readf_float); }, {}},
        {"double read", [&] { return readReference<double>(path, sf_readf_double); }, {}},
        {"double read + widening loop", [&] { return readReference<double>(path, sf_readf_double, true); }, {}}};
    importOurs(path); // warm the page cache and the allocator
    for (reference& r : references)
        r.run();
    std::vector<double> ours;
    for (int round = 0; round < kRounds; ++round) {
        ours.push_back(seconds([&] { return importOurs(path); }) / kRepeats);
        for (reference& r : references)
            r.seconds.push_back(seconds(r.run) / kRepeats);
    }
    std::printf("%s: import %.3f ms\n", label, median(ours) * 1e3);
    for (const reference& r : references) {
        std::vector<double> ratios;
        for (std::size_t round = 0; round < ours.size(); ++round)
            ratios.push_back(ours[round] / r.seconds[round]);
        std::printf("  vs libsndfile %-28s %.3f ms: ratio median %.2fx (range %.2f to %.2f, %d rounds)\n",
                    r.name, median(r.seconds) * 1e3, median(ratios),
                    *std::min_element(ratios.begin(), ratios.end()),
                    *std::max_element(ratios.begin(), ratios.end()), kRounds);
    }
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
