// Saving and loading 16 complex variables of 65536 samples as state-file text: our number
// formatting and reading against a plain printf/strtold implementation of the same format.
#include "io/fileaccess.h"
#include "io/statefile.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

namespace {

constexpr int kVariables = 16;
constexpr int kSamples = 65536;

struct silentCallbacks : loadCallbacks {
    int askName(const std::string&, bool, std::string&) override { return answerSkip; }
    void showError(const std::string&) override {}
};

// Waves, noise and a few exact zeros: the kind of values a workspace holds.
const std::vector<tdspvarPtr>& variables()
{
    static const std::vector<tdspvarPtr> vars = [] {
        std::vector<tdspvarPtr> out;
        std::mt19937 rng(3);
        std::uniform_real_distribution<double> noise(-1, 1);
        for (int k = 0; k < kVariables; ++k) {
            auto v = std::make_shared<tdspvar>("VAR_" + std::to_string(k));
            v->resize(kSamples, true);
            for (int i = 0; i < kSamples; ++i) {
                const extended x = static_cast<extended>(i) / kSamples;
                v->re[static_cast<std::size_t>(i)] = std::sin(2 * kPi * (k + 1) * x) * (k + 1);
                v->im[static_cast<std::size_t>(i)] = i % 16 == 0 ? 0 : noise(rng) * 1000;
            }
            out.push_back(v);
        }
        return out;
    }();
    return vars;
}

// --- the naive reference: printf to format, strtold to read ---

void naiveNumber(std::string& out, extended value)
{
    char text[48];
    if (std::isnan(value) || std::isinf(value)) {
        std::snprintf(text, sizeof text, "%23s", std::isnan(value) ? "Nan" : value < 0 ? "-Inf" : "+Inf");
        out += text;
        return;
    }
    std::snprintf(text, sizeof text, "% .14LE", value); // " 1.00000000000000E+00"
    char* e = std::strchr(text, 'E');
    const int exponent = std::atoi(e + 1);
    std::snprintf(e, sizeof text - static_cast<std::size_t>(e - text), "E%c%04d",
                  exponent < 0 ? '-' : '+', std::abs(exponent));
    if (value == 0)
        text[0] = ' ';
    out += text;
}

std::string naiveSave(const std::vector<tdspvarPtr>& vars)
{
    std::string out;
    for (const auto& v : vars) {
        out += (v->isComplex ? "2 " : "1 ") + std::to_string(v->sampleCount()) + " " + v->name + "\r\n";
        for (int i = 0; i < v->sampleCount(); ++i) {
            naiveNumber(out, v->re[static_cast<std::size_t>(i)]);
            if (v->isComplex) {
                out += ' ';
                naiveNumber(out, v->im[static_cast<std::size_t>(i)]);
            }
            out += "\r\n";
        }
    }
    out += "0\r\n";
    return out;
}

void naiveLoad(const std::string& text, tworkspace& w)
{
    const char* p = text.c_str();
    char* end = nullptr;
    for (int ordinal = 1;; ++ordinal) {
        const long kind = std::strtol(p, &end, 10);
        if (end == p || kind == 0)
            return;
        const long count = std::strtol(end, &end, 10);
        const char* lineEnd = std::strchr(end, '\r');
        const std::string name = normaliseName(std::string(static_cast<const char*>(end), lineEnd ? lineEnd : end));
        p = lineEnd ? lineEnd + 2 : end;
        const auto v = w.createVariable(name);
        v->description = "Variable #" + std::to_string(ordinal) + " in file P";
        v->resize(static_cast<int>(count), kind > 1);
        for (long i = 0; i < count; ++i) {
            v->re[static_cast<std::size_t>(i)] = std::strtold(p, &end);
            p = end;
            if (kind > 1) {
                v->im[static_cast<std::size_t>(i)] = std::strtold(p, &end);
                p = end;
            }
        }
        v->computeDisplayPeak();
    }
}

const std::string& savedText()
{
    static const std::string text = stateText(variables());
    return text;
}

void BM_SaveOurs(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(stateText(variables()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(savedText().size()));
}
BENCHMARK(BM_SaveOurs)->Unit(benchmark::kMillisecond);

void BM_SaveNaive(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(naiveSave(variables()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(savedText().size()));
}
BENCHMARK(BM_SaveNaive)->Unit(benchmark::kMillisecond);

void BM_LoadOurs(benchmark::State& state)
{
    silentCallbacks cb;
    for (auto _ : state) {
        tworkspace w;
        loadStateText(savedText(), "P", w, cb);
        benchmark::DoNotOptimize(w.variables().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(savedText().size()));
}
BENCHMARK(BM_LoadOurs)->Unit(benchmark::kMillisecond);

void BM_LoadNaive(benchmark::State& state)
{
    for (auto _ : state) {
        tworkspace w;
        naiveLoad(savedText(), w);
        benchmark::DoNotOptimize(w.variables().data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(savedText().size()));
}
BENCHMARK(BM_LoadNaive)->Unit(benchmark::kMillisecond);

template <typename F> double bestSeconds(F&& f, int rounds = 3)
{
    double best = 1e300;
    for (int r = 0; r < rounds; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

void printSummary()
{
    const double megabytes = static_cast<double>(savedText().size()) / 1e6;
    silentCallbacks cb;
    const double saveOurs = bestSeconds([] { benchmark::DoNotOptimize(stateText(variables())); });
    const double saveNaive = bestSeconds([] { benchmark::DoNotOptimize(naiveSave(variables())); });
    const double loadOurs = bestSeconds([&] {
        tworkspace w;
        loadStateText(savedText(), "P", w, cb);
    });
    const double loadNaive = bestSeconds([] {
        tworkspace w;
        naiveLoad(savedText(), w);
    });

    // The same through files, with the flush to the disk and the rename.
    const std::string path = (std::filesystem::temp_directory_path() / "kelmo-bench-io.var").string();
    const double saveFile = bestSeconds([&] { saveStateFile(path, variables(), cb); }, 1);
    const double loadFile = bestSeconds([&] {
        tworkspace w;
        loadStateFile(path, w, cb);
    }, 1);
    std::filesystem::remove(path);

    // Both implementations read the same values and write the same bytes.
    tworkspace ours;
    tworkspace naive;
    loadStateText(savedText(), "P", ours, cb);
    naiveLoad(savedText(), naive);
    bool same = naiveSave(variables()) == savedText();
    for (int k = 0; k < kVariables; ++k)
        same = same && ours.variables()[static_cast<std::size_t>(k)]->re ==
                           naive.variables()[static_cast<std::size_t>(k)]->re &&
               ours.variables()[static_cast<std::size_t>(k)]->im ==
                   naive.variables()[static_cast<std::size_t>(k)]->im;

    std::printf("state file, %d complex variables x %d samples (%.1f MB): save %.0f MB/s, naive "
                "%.0f MB/s, ours/naive = %.1fx; load %.0f MB/s, naive %.0f MB/s, ours/naive = "
                "%.1fx; through files: save %.0f MB/s, load %.0f MB/s; same bytes and values: %s\n",
                kVariables, kSamples, megabytes, megabytes / saveOurs, megabytes / saveNaive,
                saveNaive / saveOurs, megabytes / loadOurs, megabytes / loadNaive,
                loadNaive / loadOurs, megabytes / saveFile, megabytes / loadFile,
                same ? "yes" : "NO");
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    printSummary();
    return 0;
}
