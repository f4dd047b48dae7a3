// tdspvar: the signal variable, a named period of N real or complex samples.
// This is the data side that every part shares: the samples, periodic index access, linear and
// tapered-sinc interpolation and the display peak. It knows nothing of drawing: the strip that
// shows the variable and its thumbnail live in ui/.
//
// A variable is read by everyone and changed by nobody but the workspace (tworkspace), which
// replaces its samples, name or details as a whole and announces each change, so whoever shows
// the variable learns of it. What dsp/ and io/ produce for a variable is a signalSamples value.
//
// The workspace owns each variable through a shared_ptr; anything that may outlive a dialog (a
// drawing worker, a background sampling run) keeps its own shared_ptr, so a removed variable is
// freed only when its last reader lets go. Only the GUI thread changes variables.
#pragma once

#include "core/extended.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The most samples a variable may hold: 2^20, sixteen times the longest sampled formula, room for
// a few convolutions of long signals and for about 24 seconds of sound at 44.1 kHz. Readers of
// files refuse larger counts and operations refuse larger results, so no header or operand can
// make the program allocate beyond it.
inline constexpr int kMaxVariableSamples = 1 << 20;

// The samples of a variable as a value: what a sampling run, an operation or a file reader makes,
// and what the workspace stores.
struct signalSamples {
    std::vector<extended> re;
    std::vector<extended> im; // re.size() entries when complex, none otherwise
    bool isComplex = false;
    // The display peak when the maker fixes it (the generation dialog takes it over the complex
    // samples also for a real variable); when empty it is computed from the samples on storing.
    std::optional<extended> peak;

    // A real signal, and a complex one whose imaginary parts are made to match the count.
    static signalSamples real(std::vector<extended> re);
    static signalSamples complex(std::vector<extended> re, std::vector<extended> im);

    int count() const { return static_cast<int>(re.size()); }
    // Sets the count and the kind; a real one keeps no imaginary parts. New samples are 0.
    void resize(int count, bool complex);
};

// Whether a variable's samples are a signal in time or the bins of its spectrum (a direct
// transform's result, which keeps the rate of the signal it came from).
enum class signalDomain { time, spectrum };

// What a variable carries besides its name and samples.
struct variableInfo {
    std::string description; // one line shown under the name
    double sampleRate = 0;   // in Hz; 0 when the samples have none
    signalDomain domain = signalDomain::time;
    friend bool operator==(const variableInfo&, const variableInfo&) = default;
};

// The display peak of `samples`: the largest modulus, at least kDisplayPeakFloor.
inline constexpr extended kDisplayPeakFloor = 1e-10L;
extended displayPeak(const signalSamples& samples);

class tdspvar {
public:
    // The samples' display peak is theirs when set, else computed; imaginary parts are made to
    // match the count of a complex variable and dropped from a real one.
    explicit tdspvar(std::string name = {}, signalSamples samples = {}, variableInfo info = {});

    const std::string& name() const { return name_; } // as stored; compared without regard to case
    const variableInfo& info() const { return info_; }
    const std::string& description() const { return info_.description; }
    double sampleRate() const { return info_.sampleRate; }
    bool isComplex() const { return complex_; }
    const std::vector<extended>& real() const { return re; }
    const std::vector<extended>& imag() const { return im; } // empty for a real variable
    extended peak() const { return peak_; } // display peak: largest modulus, at least 1e-10
    int sampleCount() const { return static_cast<int>(re.size()); }
    // A copy of the samples with their display peak, as replaceSamples() takes them back.
    signalSamples samples() const;

    // Periodic index access: -1 reads sample N-1, N reads sample 0; an empty variable reads 0.
    extended realSample(std::int64_t index) const;
    extended imagSample(std::int64_t index) const;
    extended sampleModulus(std::int64_t index) const;

    // Interpolated access at position x (period 1, sample i at x = i/N) with `order` neighbours
    // on each side: 0 is linear, n > 0 a tapered sinc over 2n samples, n < 0 gives 0.
    extended interpolatedRealPart(int order, extended x) const;
    extended interpolatedImagPart(int order, extended x) const;
    // Both parts at once; the sinc weights are computed once for the two.
    complexValue interpolatedValue(int order, extended x) const;
    extended interpolatedModulus(int order, extended x) const;
    extended interpolatedPhase(int order, extended x) const;

    // Both parts read at the M positions k / M, k = 0 .. M-1, M = out.size(): the resampling onto
    // M points. Each value is what interpolatedValue(order, k / M) gives, up to rounding; reads
    // whose positions mirror each other (k and M - k) share their sinc weights, so the pass costs
    // about half the weights of single reads.
    void resampleOnto(int order, std::span<complexValue> out) const;

    // The tapered-sinc weight: 1 for |t| < 0.001, else (2 sin(u)/u) / (e^(0.01u) + 1), u = pi|t|.
    static extended kernel(extended t);

private:
    friend class tworkspace; // the one writer

    void store(signalSamples samples);

    // Where a position falls on the sample grid: p = x * N, i = trunc(p), f = p - i.
    struct gridPosition {
        std::int64_t i = 0;
        extended p = 0;
        extended f = 0;
        bool valid = false; // false for an empty variable or a non-finite position
    };
    gridPosition locate(extended x) const;
    // The parts asked for at one position: the exact sample where its shortcut applies, otherwise
    // linear (order 0) or tapered sinc, the sinc weights computed once for both parts.
    complexValue readAt(int order, const gridPosition& at, bool real, bool imag) const;

    std::string name_;
    variableInfo info_;
    bool complex_ = false;
    std::vector<extended> re; // exactly sampleCount() entries
    std::vector<extended> im; // sampleCount() entries when complex, none otherwise
    extended peak_ = kDisplayPeakFloor;
};

using tdspvarPtr = std::shared_ptr<tdspvar>;
