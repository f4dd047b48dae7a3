// State files of 16 complex variables of 65536 samples (51 MB): our writer and reader against a
// plain C implementation of the same format (one snprintf per line, strtold per number); loading
// from the file (read in chunks) against the way it was loaded before (the whole file read into
// memory, then parsed) and against its floor (the cheapest read of the file, 256 KiB chunks into
// one buffer, plus the parse of the text already in memory); and the heap that a load holds at
// its peak, counted by this program's operator new. Interleaved rounds (bench/rounds.h); each
// comparison prints the median ratio and its spread over the rounds.
#include "io/fileaccess.h"
#include "io/statefile.h"
#include "io/statenumber.h"
#include "io/statescanner.h"
#include "rounds.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

// Every heap allocation of the program, counted: the bytes live now and the most at any time.
namespace heap {
std::size_t live = 0;
std::size_t peak = 0;
} // namespace heap

void* operator new(std::size_t size)
{
    auto* block = static_cast<std::size_t*>(std::malloc(size + 16));
    if (!block)
        throw std::bad_alloc();
    *block = size;
    heap::live += size;
    heap::peak = std::max(heap::peak, heap::live);
    return block + 2;
}
void operator delete(void* p) noexcept
{
    if (!p)
        return;
    auto* block = static_cast<std::size_t*>(p) - 2;
    heap::live -= *block;
    std::free(block);
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete[](void* p) noexcept { operator delete(p); }
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }
void operator delete[](void* p, std::size_t) noexcept { operator delete(p); }

namespace {

constexpr int kVariables = 16;
constexpr int kSamples = 65536;

struct silentCallbacks : loadCallbacks {
    dialogAnswer askName(const std::string&, bool, std::string&) override { return dialogAnswer::skip; }
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
            signalSamples samples;
            samples.resize(kSamples, true);
            for (int i = 0; i < kSamples; ++i) {
                const extended x = static_cast<extended>(i) / kSamples;
                samples.re[static_cast<std::size_t>(i)] = std::sin(2 * kPi * (k + 1) * x) * (k + 1);
                samples.im[static_cast<std::size_t>(i)] = i % 16 == 0 ? 0 : noise(rng) * 1000;
            }
            out.push_back(std::make_shared<tdspvar>("VAR_" + std::to_string(k), std::move(samples)));
        }
        return out;
    }();
    return vars;
}

// --- the plain C reference: one snprintf per line, strtold per number ---

// printf writes at least two exponent digits; the format has four. Pads the exponent of the
// number that ends at `end` (one past its last digit) in place, moving the rest of the line up to
// `lineEnd` along; returns the line's new end.
char* widenExponent(char* end, char* lineEnd)
{
    char* sign = end;
    while (sign[-1] != 'E')
        --sign;
    const auto digits = static_cast<std::size_t>(end - sign - 1);
    const std::size_t pad = digits < 4 ? 4 - digits : 0;
    std::memmove(end + pad, end, static_cast<std::size_t>(lineEnd - end));
    std::memmove(sign + 1 + pad, sign + 1, digits);
    std::memset(sign + 1, '0', pad);
    return lineEnd + pad;
}

// One number alone, for the lines that hold a value that is not finite (none in the data here).
std::string plainNumber(extended x)
{
    char t[48];
    if (!std::isfinite(x)) {
        std::snprintf(t, sizeof t, "%23s", std::isnan(x) ? "Nan" : x < 0 ? "-Inf" : "+Inf");
        return t;
    }
    const int n = std::snprintf(t, sizeof t, "% .14LE", x);
    char* end = widenExponent(t + n, t + n);
    if (x == 0)
        t[0] = ' ';
    return std::string(t, static_cast<std::size_t>(end - t));
}

void appendPlainLine(std::string& out, const tdspvar& v, std::size_t i)
{
    const extended re = v.real()[i];
    const extended im = v.isComplex() ? v.imag()[i] : 0;
    if (!std::isfinite(re) || !std::isfinite(im)) {
        out += plainNumber(re);
        if (v.isComplex())
            out += ' ' + plainNumber(im);
        out += "\r\n";
        return;
    }
    char line[128];
    const int n = v.isComplex() ? std::snprintf(line, sizeof line, "% .14LE % .14LE\r\n", re, im)
                              : std::snprintf(line, sizeof line, "% .14LE\r\n", re);
    char* afterFirst = std::strchr(line, 'E') + 2; // the first exponent's digits
    while (*afterFirst >= '0' && *afterFirst <= '9')
        ++afterFirst;
    char* end = widenExponent(afterFirst, line + n);
    if (re == 0)
        line[0] = ' '; // also for -0
    if (v.isComplex()) {
        end = widenExponent(end - 2, end);
        if (im == 0)
            line[kStateNumberWidth + 1] = ' ';
    }
    out.append(line, static_cast<std::size_t>(end - line));
}

std::string plainSave(const std::vector<tdspvarPtr>& vars)
{
    std::string out;
    for (const auto& v : vars) {
        char header[128];
        out += std::string(header, static_cast<std::size_t>(std::snprintf(
                                       header, sizeof header, "%d %d %s\r\n", v->isComplex() ? 2 : 1,
                                       v->sampleCount(), v->name().c_str())));
        for (std::size_t i = 0; i < v->real().size(); ++i)
            appendPlainLine(out, *v, i);
    }
    out += "0\r\n";
    return out;
}

void plainLoad(std::string_view text, tworkspace& w)
{
    const std::string copy(text); // strtold needs a terminated string
    const char* p = copy.c_str();
    char* end = nullptr;
    for (int ordinal = 1;; ++ordinal) {
        const long kind = std::strtol(p, &end, 10);
        if (end == p || kind == 0)
            return;
        const long count = std::strtol(end, &end, 10);
        const char* lineEnd = std::strchr(end, '\r');
        const std::string name = normaliseName(std::string(static_cast<const char*>(end), lineEnd ? lineEnd : end));
        p = lineEnd ? lineEnd + 2 : end;
        signalSamples samples;
        samples.resize(static_cast<int>(count), kind > 1);
        for (long i = 0; i < count; ++i) {
            samples.re[static_cast<std::size_t>(i)] = std::strtold(p, &end);
            p = end;
            if (kind > 1) {
                samples.im[static_cast<std::size_t>(i)] = std::strtold(p, &end);
                p = end;
            }
        }
        w.add(name, std::move(samples), {.description = "Variable #" + std::to_string(ordinal) + " in file P"});
    }
}

// The floor of reading a file: read() into one reused buffer of the chunk size, every byte
// looked at once (summed), as the cheapest reader does.
std::size_t plainChunkedRead(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    static std::vector<char> chunk(kStateChunkBytes);
    std::size_t total = 0;
    unsigned sum = 0;
    for (ssize_t got; (got = ::read(fd, chunk.data(), chunk.size())) > 0;) {
        total += static_cast<std::size_t>(got);
        for (ssize_t k = 0; k < got; ++k)
            sum += static_cast<unsigned char>(chunk[static_cast<std::size_t>(k)]);
    }
    ::close(fd);
    benchmark::DoNotOptimize(sum);
    return total;
}

// Loading as it was done before: the whole file read into memory, then parsed.
int wholeFileLoad(const std::string& path, tworkspace& w, loadCallbacks& cb)
{
    fileContents text;
    std::string message;
    if (!readWholeFile(path, text, message))
        return 0;
    return loadStateText(text.view(), fullPath(path), w, cb);
}

// The most heap the call held beyond what was live before it.
std::size_t peakHeapOf(const std::function<void()>& call)
{
    const std::size_t before = heap::live;
    heap::peak = before;
    call();
    return heap::peak - before;
}

// One line of the summary: our time and the reference's, and the ratio, each as the median over
// the interleaved rounds with its spread.
void report(const char* what, const char* reference, const std::function<void()>& ours,
            const std::function<void()>& theirs)
{
    const auto seconds = benchrounds::interleaved({ours, theirs});
    std::printf("%-16s ours %s, %s %s; time ours/reference = %s\n", what,
                benchrounds::millisecondsText(seconds[0]).c_str(), reference,
                benchrounds::millisecondsText(seconds[1]).c_str(),
                benchrounds::ratioText(benchrounds::ratios(seconds[0], seconds[1])).c_str());
}

} // namespace

int main()
{
    const std::string text = stateText(variables());
    const double megabytes = static_cast<double>(text.size()) / 1e6;
    silentCallbacks cb;
    std::printf("state file: %d complex variables x %d samples, %.1f MB; %d interleaved rounds on "
                "the thread's CPU clock, medians (smallest-largest)\n",
                kVariables, kSamples, megabytes, benchrounds::kRounds);

    // Both implementations write the same bytes and read the same values.
    tworkspace ours;
    tworkspace plain;
    loadStateText(text, "P", ours, cb);
    plainLoad(text, plain);
    bool same = plainSave(variables()) == text;
    for (std::size_t k = 0; k < kVariables; ++k)
        same = same && ours.variables()[k]->real() == plain.variables()[k]->real() &&
               ours.variables()[k]->imag() == plain.variables()[k]->imag();
    std::printf("same bytes and values as the plain C implementation: %s\n", same ? "yes" : "NO");

    report("save (text)", "one snprintf per line",
           [] { benchmark::DoNotOptimize(stateText(variables())); },
           [] { benchmark::DoNotOptimize(plainSave(variables())); });
    report("load (text)", "strtold per number",
           [&] {
               tworkspace w;
               loadStateText(text, "P", w, cb);
           },
           [&] {
               tworkspace w;
               plainLoad(text, w);
           });

    const std::string path = (std::filesystem::temp_directory_path() / "kelmo-bench-io.var").string();
    saveStateFile(path, variables(), cb);
    report("load (file)", "whole file read, then parsed",
           [&] {
               tworkspace w;
               loadStateFile(path, w, cb);
           },
           [&] {
               tworkspace w;
               wholeFileLoad(path, w, cb);
           });
    report("load (file)", "parse in memory + floor read",
           [&] {
               tworkspace w;
               loadStateFile(path, w, cb);
           },
           [&] {
               benchmark::DoNotOptimize(plainChunkedRead(path));
               tworkspace w;
               loadStateText(text, "P", w, cb);
           });
    const double samplesMegabytes = kVariables * kSamples * 2.0 * sizeof(extended) / 1e6;
    std::size_t chunked = 0, whole = 0;
    {
        tworkspace w;
        chunked = peakHeapOf([&] { loadStateFile(path, w, cb); });
    }
    {
        tworkspace w;
        whole = peakHeapOf([&] { wholeFileLoad(path, w, cb); });
    }
    std::printf("peak heap of a load: %.1f MB in chunks, %.1f MB whole (the samples are %.1f MB, "
                "one chunk %.2f MB)\n",
                static_cast<double>(chunked) / 1e6, static_cast<double>(whole) / 1e6, samplesMegabytes,
                static_cast<double>(kStateChunkBytes) / 1e6);

    // Through files, with the flush to the disk and the rename: our own figures only, in
    // seconds of the wall clock, since the disk's time is no CPU time.
    std::vector<double> save;
    std::vector<double> load;
    for (int r = 0; r < benchrounds::kRounds; ++r) {
        const auto t0 = std::chrono::steady_clock::now();
        saveStateFile(path, variables(), cb);
        const auto t1 = std::chrono::steady_clock::now();
        tworkspace w;
        loadStateFile(path, w, cb);
        const auto t2 = std::chrono::steady_clock::now();
        save.push_back(std::chrono::duration<double>(t1 - t0).count());
        load.push_back(std::chrono::duration<double>(t2 - t1).count());
    }
    std::printf("through files: save %.0f MB/s (with fsync), load %.0f MB/s (medians)\n",
                megabytes / benchrounds::summarise(save).median,
                megabytes / benchrounds::summarise(load).median);
    std::filesystem::remove(path);
    return same ? 0 : 1;
}
