// spectrumAxis: the frequency axis of a spectrum view. A transform result of N bins holds bin k
// at frequency k fs / N (fs the signal's sample rate in Hz, or 1 when the signal has none: then
// frequencies are in cycles per sample), and bins N/2 and above are the negative frequencies
// k fs / N - fs, as the program's transform folds them (dsp/fourier.h).
//
// The view shows the bins in one of three layouts, as shown positions 0, 1, ... in increasing
// frequency: every bin at 0 .. fs; every bin reordered to -fs/2 .. fs/2 (the negative
// frequencies first); or, for the transform of a real signal, whose negative frequencies mirror
// the positive ones, bins 0 .. N/2 only, 0 .. fs/2. Positions are what a view range zooms over.
#pragma once

#include "core/extended.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class spectrumLayout { full, centred, oneSided };
enum class frequencyUnit { hertz, cyclesPerSample };

// "Hz", or "cicluri/esantion" for a signal without a sample rate.
std::string_view unitText(frequencyUnit unit);
// The axis titles of the spectrum view: "Frecventa [Hz]" and "|X| [dB]".
std::string frequencyTitle(frequencyUnit unit);
inline constexpr std::string_view kLevelTitle = "|X| [dB]";

class spectrumAxis {
public:
    // `bins` is the transform's sample count N; `rate` the sample rate in Hz. A rate that is not
    // a positive finite number counts as none.
    spectrumAxis(std::int64_t bins, std::optional<extended> rate, spectrumLayout layout);

    std::int64_t binCount() const { return bins_; }
    spectrumLayout layout() const { return layout_; }
    frequencyUnit unit() const { return unit_; }
    // The frequency step between neighbouring bins, fs / N (0 without bins).
    extended binSpacing() const { return spacing_; }

    // How many positions the layout shows: N, or N/2 + 1 one-sided.
    std::int64_t shownCount() const;
    // The stored bin shown at `position` (taken modulo the shown count).
    std::int64_t binAt(std::int64_t position) const;
    // The frequency at a shown position; fractional positions lie between bins.
    extended frequencyAt(extended position) const;
    // The shown position nearest to `frequency`, kept on the axis (0 for NaN).
    std::int64_t positionNearest(extended frequency) const;

private:
    std::int64_t offset() const; // the shown position of bin 0

    std::int64_t bins_ = 0;
    spectrumLayout layout_;
    frequencyUnit unit_;
    extended spacing_ = 0;
};
