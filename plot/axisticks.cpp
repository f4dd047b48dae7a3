#include "plot/axisticks.h"

#include "core/numformat.h"
#include "plot/pixel.h"

#include <algorithm>
#include <cmath>

using namespace plotGeometry;

namespace {

constexpr int kLabelDigits = 5;
constexpr extended kDecibelStepFloor = 10;   // a decibel axis steps by 10 dB or more ...
constexpr extended kDecibelFineSpan = 20;    // ... unless it spans less than this
constexpr int kLinearLabelSpacing = 40;      // the graph's linear x labels: more than this apart
constexpr int kStepAttempts = 64;            // far more than any finite span needs

// A step of 1, 2 or 5 times 10^exponent.
struct niceStep {
    int mantissa = 1;
    int exponent = 0;

    extended times(extended k) const
    {
        // Dividing by an exact power of ten keeps 0.1 steps on their decimal values.
        const extended power = std::pow(extended(10), std::abs(exponent));
        return exponent >= 0 ? k * mantissa * power : k * mantissa / power;
    }
    niceStep larger() const
    {
        return mantissa == 1 ? niceStep{2, exponent}
             : mantissa == 2 ? niceStep{5, exponent}
                             : niceStep{1, exponent + 1};
    }
};

// The smallest nice step not below `least` (a positive finite number).
niceStep firstStepFrom(extended least)
{
    niceStep s{1, static_cast<int>(std::floor(std::log10(least)))};
    while (s.times(1) < least)
        s = s.larger();
    return s;
}

// One digit's extent: the clear space every label keeps from its neighbours.
int labelGap(const textInkMeasure& ink)
{
    const textInk digit = ink("0");
    return std::max(digit.right - digit.left + 1, 1);
}

// The ticks of one step, or none when the step cannot label the axis (too many ticks for the
// precision of the values, or labels that collide or read alike).
std::vector<axisTick> ticksOfStep(const axisLayout& axis, niceStep step, const textInkMeasure& ink,
                                  int gap)
{
    const extended low = std::min(axis.atStart, axis.atEnd);
    const extended high = std::max(axis.atStart, axis.atEnd);
    const extended size = step.times(1);
    const extended first = std::ceil(low / size);
    const extended last = std::floor(high / size);
    // Too many ticks, or values too large for the step to count them one by one.
    if (!(last - first <= axis.pixels) || first + 1 == first)
        return {};
    std::vector<axisTick> ticks;
    for (extended k = first; k <= last; ++k) {
        axisTick t;
        t.value = step.times(k);
        const extended at = (t.value - axis.atStart) / (axis.atEnd - axis.atStart) * axis.pixels;
        t.pixel = roundedPixel(at, 0, axis.pixels).value_or(0);
        t.label = formatGeneral(t.value, kLabelDigits, axis.decimalSeparator);
        const textInk extent = ink(t.label);
        t.labelOrigin = std::clamp(t.pixel - (extent.left + extent.right) / 2, -extent.left,
                                   std::max(axis.pixels - extent.right, -extent.left));
        ticks.push_back(std::move(t));
    }
    if (axis.atStart > axis.atEnd)
        std::reverse(ticks.begin(), ticks.end());
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const int before = ticks[i - 1].labelOrigin + ink(ticks[i - 1].label).right;
        const int after = ticks[i].labelOrigin + ink(ticks[i].label).left;
        if (after - before - 1 < gap || ticks[i].label == ticks[i - 1].label)
            return {};
    }
    return ticks;
}

} // namespace

std::vector<axisTick> axisTicks(const axisLayout& axis, const textInkMeasure& ink)
{
    if (axis.pixels <= 0 || !std::isfinite(axis.atStart) || !std::isfinite(axis.atEnd))
        return {};
    const extended span = std::fabs(axis.atEnd - axis.atStart);
    if (span == 0 || !std::isfinite(span)) {
        if (span != 0)
            return {};
        const std::string label = formatGeneral(axis.atStart, kLabelDigits, axis.decimalSeparator);
        return {axisTick{axis.atStart, 0, label, -ink(label).left}};
    }
    extended least = span * std::max(axis.minimumSpacing, 1) / axis.pixels;
    if (axis.kind == tickKind::decibel && span >= kDecibelFineSpan)
        least = std::max(least, kDecibelStepFloor);
    const int gap = labelGap(ink);
    niceStep step = firstStepFrom(least);
    for (int attempt = 0; attempt < kStepAttempts; ++attempt, step = step.larger()) {
        std::vector<axisTick> ticks = ticksOfStep(axis, step, ink, gap);
        // A step wider than the axis leaves at most one tick, which always fits.
        if (!ticks.empty() || step.times(1) > span)
            return ticks;
    }
    return {};
}

int countLabelOrigin(std::string_view count, const textInkMeasure& ink)
{
    return std::min(kEdgeLabelX, kWidth - 1 - ink(count).right);
}

std::vector<gridMark> xGridMarks(const plotScale& scale, const textInkMeasure& ink)
{
    std::vector<gridMark> marks;
    if (scale.count <= 0)
        return marks;
    const std::string count = std::to_string(scale.count);
    const int countInkLeft = countLabelOrigin(count, ink) + ink(count).left;
    const int gap = labelGap(ink);
    const auto clearOfCount = [&](int x, const std::string& label) {
        return countInkLeft - (x + ink(label).right) - 1 >= gap;
    };

    if (scale.logX) {
        for (int j = 1; j <= kGridStepCount; ++j) {
            const std::int64_t v = gridStepValue(j);
            const int x = plotX(scale, v - 1);
            if (x > kLabelRightLimit)
                break;
            std::string label = std::to_string(v);
            marks.push_back({x, clearOfCount(x, label) ? std::move(label) : std::string()});
        }
        return marks;
    }
    const std::int64_t step = linearGridStep(scale.count + 1);
    int lastLabelX = -100;
    for (std::int64_t a = 0; a < scale.count + 1; a += step) {
        const int x = plotX(scale, a);
        std::string label = std::to_string(a);
        if (x - lastLabelX > kLinearLabelSpacing && x < kLabelRightLimit && clearOfCount(x, label)) {
            marks.push_back({x, std::move(label)});
            lastLabelX = x;
        } else {
            marks.push_back({x, {}});
        }
    }
    return marks;
}
