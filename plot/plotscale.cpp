#include "plot/plotscale.h"

#include "core/numformat.h"
#include "core/variable.h"
#include "plot/pixel.h"
#include "plot/plottexts.h"

#include <algorithm>
#include <cmath>

using namespace plotGeometry;

namespace {

constexpr extended kModulusMaximumFloor = 1e-998L;
constexpr extended kModulusMinimumFloor = 1e-999L;
constexpr extended kLogValueFloor = 1e-1000L;   // smallest value a logarithmic Y axis plots
constexpr extended kLogScaleFloor = 0.1L;       // the log axis spans at most 1/0.1 = 10 units
constexpr extended kLinearSpanGuard = 1e-100L;  // times the magnitude: keeps the division defined
constexpr extended kSlopeFloor = 1e-100L;       // moduli below this count as this in dB slopes

} // namespace

plotMode plotModeOf(bool logXDown, bool polarEnabled, bool polarDown, bool logYDown)
{
    return {.noComplexData = !polarEnabled, .polar = polarEnabled && polarDown, .logY = logYDown, .logX = logXDown};
}

plotFlags plotPassFlags(plotMode mode, const tdspvar* first, const tdspvar* second)
{
    plotFlags f;
    f.second = second != nullptr;
    f.complexData = (first && first->isComplex()) || (second && second->isComplex());
    f.logY = mode.logY;
    f.logX = mode.logX;
    f.modulusView = mode.polar || f.logY;
    return f;
}

void scanPlotRange(const tdspvar& variable, const plotFlags& flags, plotRange& range)
{
    const auto take = [&range](extended v) {
        if (!std::isfinite(v))
            return;
        if (v > range.maximum)
            range.maximum = v;
        if (v < range.minimum)
            range.minimum = v;
    };
    const int n = variable.sampleCount();
    for (int i = 0; i < n; ++i) {
        if (flags.modulusView) {
            take(variable.sampleModulus(i));
        } else {
            take(variable.realSample(i));
            if (flags.complexData)
                take(variable.imagSample(i));
        }
    }
}

plotScale makePlotScale(const plotRange& range, const plotFlags& flags, std::int64_t count)
{
    plotScale s;
    s.logX = flags.logX;
    s.logY = flags.logY;
    s.count = count;
    s.maximum = range.maximum;
    s.minimum = range.minimum;
    if (s.maximum < s.minimum) // no finite sample at all: as if every sample were 0
        s.maximum = s.minimum = 0;
    // Constant up to rounding: one value, drawn along the top as a constant signal is.
    const extended magnitude = std::max(std::fabs(s.maximum), std::fabs(s.minimum));
    s.flat = s.maximum - s.minimum <= kFlatRange * magnitude;
    if (s.flat)
        s.minimum = s.maximum;
    if (flags.modulusView) {
        if (s.maximum < kModulusMaximumFloor)
            s.maximum = kModulusMaximumFloor;
        if (s.minimum < kModulusMinimumFloor)
            s.minimum = kModulusMinimumFloor;
    }
    if (flags.logY) {
        // A constant modulus has no logarithmic span; it keeps the widest axis rather than an
        // infinite scale, so it is drawn along the top instead of at undefined heights.
        const extended span = std::log(s.maximum) - std::log(s.minimum);
        s.yScale = span > 0 ? 1 / span : kLogScaleFloor;
        if (!(s.yScale >= kLogScaleFloor))
            s.yScale = kLogScaleFloor;
        s.minimum = std::exp(std::log(s.maximum) - 1 / s.yScale);
    }
    s.xFactor = count > 0 ? (kWidth - 1) / std::log(static_cast<extended>(count) + 1) : 0;
    return s;
}

int plotX(const plotScale& scale, std::int64_t index)
{
    if (scale.count <= 0)
        return 0;
    if (scale.logX)
        return static_cast<int>(std::trunc(std::log(static_cast<extended>(index) + 1) * scale.xFactor));
    return static_cast<int>((static_cast<std::int64_t>(kWidth - 1) * index) / scale.count);
}

std::optional<int> plotY(const plotScale& scale, extended value)
{
    if (scale.logY) {
        if (value < kLogValueFloor)
            value = kLogValueFloor;
        return roundedPixel(kHeight * (std::log(scale.maximum) - std::log(value)) * scale.yScale,
                            kYLowLimit, kYHighLimit);
    }
    if (scale.flat && std::isfinite(value))
        return 0;
    const extended magnitude = std::max(std::fabs(scale.maximum), std::fabs(scale.minimum));
    return roundedPixel(kHeight * (scale.maximum - value) /
                            (scale.maximum - scale.minimum + kLinearSpanGuard * magnitude),
                        kYLowLimit, kYHighLimit);
}

std::optional<int> phaseY(extended phase)
{
    return roundedPixel(kMiddle - kPhaseScale * phase, kYLowLimit, kYHighLimit);
}

std::int64_t gridStepValue(int j)
{
    static constexpr std::int64_t kMantissas[] = {1, 2, 5};
    std::int64_t decade = 1;
    for (int k = (j - 1) / 3; k > 0; --k)
        decade *= 10;
    return kMantissas[(j - 1) % 3] * decade;
}

std::int64_t linearGridStep(std::int64_t count)
{
    int j = 1;
    while (20 * gridStepValue(j) < count)
        ++j;
    return gridStepValue(j);
}

std::string yRangeLabel(extended value, bool logY, char decimalSeparator)
{
    if (logY)
        return formatGeneral(20 * std::log10(value), 5, decimalSeparator) + " db";
    return formatGeneral(value, 5, decimalSeparator);
}

extended readoutFraction(int x, bool logX)
{
    // A position left of the plot (the mouse held down and dragged out) reads the left edge.
    if (x < 0)
        x = 0;
    extended fraction = static_cast<extended>(x) / kWidth;
    if (logX)
        fraction = std::exp(fraction) / std::exp(1.0L);
    if (fraction >= 1)
        fraction = 1;
    return fraction;
}

std::int64_t readoutIndex(std::int64_t count, extended fraction)
{
    return static_cast<std::int64_t>(std::trunc(static_cast<extended>(count) * fraction));
}

std::string slopeLine(extended a, extended b, std::int64_t index, bool logY, bool logX,
                      char decimalSeparator)
{
    extended slope;
    std::string unit;
    if (logY) {
        if (a < kSlopeFloor)
            a = kSlopeFloor;
        if (b < kSlopeFloor)
            b = kSlopeFloor;
        slope = 20 * (std::log(b) - std::log(a)) / std::log(10.0L);
        unit = "db";
    } else {
        slope = b - a;
    }
    if (logX) {
        // Between index 0 and 1 lie infinitely many decades of the index: no change per decade.
        slope = index > 0 ? slope / ((std::log(static_cast<extended>(index) + 1) -
                                      std::log(static_cast<extended>(index))) /
                                     std::log(10.0L))
                          : 0;
        unit += "/dec";
    }
    return fillText(kSlopeLineText, {formatGeneral(slope, 5, decimalSeparator), unit});
}

namespace {

void appendVariableLines(std::vector<std::string>& lines, const tdspvar& v, int ordinal,
                         std::int64_t index, bool logX, bool logY, char sep)
{
    lines.push_back(fillText(kPositionLineText, {std::to_string(ordinal), std::to_string(index)}));
    lines.push_back(fillText(kValueLineText, {formatGeneral(v.sampleModulus(index), 5, sep)}));
    lines.push_back(slopeLine(v.sampleModulus(index), v.sampleModulus(index + 1), index, logY, logX, sep));
}

} // namespace

std::vector<std::string> readoutLines(const tdspvar& first, const tdspvar* second, int x,
                                      bool logX, bool logY, char decimalSeparator)
{
    const extended fraction = readoutFraction(x, logX);
    // The plot spreads the second variable over the same width, so its index is taken at the
    // same fraction of its own length.
    return readoutLinesAt(first, readoutIndex(first.sampleCount(), fraction), second,
                          second ? readoutIndex(second->sampleCount(), fraction) : 0, logX, logY,
                          decimalSeparator);
}

std::vector<std::string> readoutLinesAt(const tdspvar& first, std::int64_t firstIndex,
                                        const tdspvar* second, std::int64_t secondIndex, bool logX,
                                        bool logY, char decimalSeparator)
{
    std::vector<std::string> lines;
    appendVariableLines(lines, first, 1, firstIndex, logX, logY, decimalSeparator);
    if (second) {
        lines.emplace_back();
        appendVariableLines(lines, *second, 2, secondIndex, logX, logY, decimalSeparator);
    }
    return lines;
}
