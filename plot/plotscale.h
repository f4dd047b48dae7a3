// The arithmetic of the graph window's plot and cursor readout, as plain functions.
// They turn a plot mode and the samples of one or two variables into the plot's flags, value
// range, scales and pixel positions, and a mouse position into the readout lines. Nothing here
// draws or needs a widget, so the plot worker and the tests call them alike.
//
// Three guards keep the picture honest where the plain rules would mislead: samples that are not
// finite take no part in the value range (they are drawn as gaps or clamped strokes, see
// roundedPixel); a range whose spread is below kFlatRange of its magnitude (a complex
// exponential's modulus, constant up to rounding) is drawn as a constant signal is, a line along
// the top; and the guard that keeps the linear Y rule's division defined is relative to the
// signal's magnitude, so a signal of 1e-300 is drawn at full height like any other.
#pragma once

#include "core/extended.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class tdspvar;

namespace plotGeometry {
inline constexpr int kWidth = 384;   // the plot bitmap's size in pixels
inline constexpr int kHeight = 289;
inline constexpr int kMiddle = kHeight / 2;            // y of phase 0
inline constexpr int kLabelRightLimit = kWidth - 60;   // X labels stay left of this
inline constexpr int kBottomLabelY = kHeight - 16;     // top of the X labels
inline constexpr int kMinimumLabelY = kHeight - 30;    // top of the minimum's label
inline constexpr int kEdgeLabelX = kWidth - 25;        // the label of the right edge
inline constexpr extended kPhaseScale = 40;            // pixels per radian of phase
inline constexpr int kYLowLimit = -1000;               // plotted y is kept in this range
inline constexpr int kYHighLimit = 1500;
inline constexpr int kRepaintEvery = 128;              // curve segments between repaints
} // namespace plotGeometry

// A range whose spread is at most this fraction of its magnitude is drawn as a constant.
inline constexpr extended kFlatRange = 1e-12L;

// What the graph window's toggles ask of a plot.
struct plotMode {
    bool noComplexData = false; // the polar toggle is disabled; no effect on drawing
    bool polar = false;         // the polar toggle is enabled and down
    bool logY = false;
    bool logX = false;
    friend bool operator==(const plotMode&, const plotMode&) = default;
};

// The mode of the toggles' states: a disabled polar toggle means no complex data, whatever its
// state.
plotMode plotModeOf(bool logXDown, bool polarEnabled, bool polarDown, bool logYDown);

struct plotFlags {
    bool complexData = false; // some selected variable has imaginary parts
    bool modulusView = false; // modulus and phase instead of real and imaginary parts
    bool logX = false;
    bool logY = false;
    bool second = false;      // a second variable is drawn
};
plotFlags plotPassFlags(plotMode mode, const tdspvar* first, const tdspvar* second);

// The plotted quantity's range: start with the empty range, let each variable contribute. Only
// finite contributions count.
struct plotRange {
    extended maximum = -1e100L;
    extended minimum = 1e100L;
};
void scanPlotRange(const tdspvar& variable, const plotFlags& flags, plotRange& range);

// Scales of one pass: the range after the modulus floors and the logarithmic limit, the Y scale
// of the logarithmic axis and the X factor of the logarithmic axis.
struct plotScale {
    bool logX = false;
    bool logY = false;
    extended maximum = 0;
    extended minimum = 0;
    extended yScale = 0.1L;
    extended xFactor = 0;
    std::int64_t count = 0; // N1, the first variable's sample count
    bool flat = false;      // constant up to rounding: every finite value is drawn at the top
};
plotScale makePlotScale(const plotRange& range, const plotFlags& flags, std::int64_t count);

// The x of sample index `index` of the first variable.
int plotX(const plotScale& scale, std::int64_t index);
// The y of a plotted value (modulus, real or imaginary part), limited to -1000 ... 1500; none
// for a value that is not a number.
std::optional<int> plotY(const plotScale& scale, extended value);
// The y of a phase in radians: 144 - 40 phase.
std::optional<int> phaseY(extended phase);

// The step table 1, 2, 5, 10, 20, 50, ... indexed from 1. The graph uses entries 1 to 15
// (up to 50000): as the labelled values of the logarithmic X axis, and as the candidates for the
// linear X axis's step, which continues the progression for variables of more than 999,999 samples.
inline constexpr int kGridStepCount = 15;
std::int64_t gridStepValue(int j);
// The linear X grid's step: the first table value s with 20 s >= count, where count is N1 + 1.
std::int64_t linearGridStep(std::int64_t count);

// The text of a Y range label: the value, or 20 log10(value) and " db" on a logarithmic Y axis.
std::string yRangeLabel(extended value, bool logY, char decimalSeparator);

// Cursor readout. `x` is the mouse's x in the plot; the fraction of the length it reads.
extended readoutFraction(int x, bool logX);
std::int64_t readoutIndex(std::int64_t count, extended fraction);
// "Panta : " and the change from modulus a (at index) to b (at index + 1), in dB with logY and
// per decade of the index with logX.
std::string slopeLine(extended a, extended b, std::int64_t index, bool logY, bool logX,
                      char decimalSeparator);
// The readout's lines for one variable, or two (`second` may be null).
std::vector<std::string> readoutLines(const tdspvar& first, const tdspvar* second, int x,
                                      bool logX, bool logY, char decimalSeparator);
// The same at given sample indices (a cursor moved by the keyboard, a zoomed view).
std::vector<std::string> readoutLinesAt(const tdspvar& first, std::int64_t firstIndex,
                                        const tdspvar* second, std::int64_t secondIndex, bool logX,
                                        bool logY, char decimalSeparator);
