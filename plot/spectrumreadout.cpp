#include "plot/spectrumreadout.h"

#include "core/numformat.h"
#include "plot/plottexts.h"
#include "plot/spectrumlevels.h"

#include <charconv>
#include <cmath>

namespace {

constexpr int kMostFrequencyDecimals = 12;
constexpr int kLevelDecimals = 2;

} // namespace

std::string formatFixed(extended value, int decimals, char decimalSeparator)
{
    if (!std::isfinite(value))
        return formatGeneral(value, 1, decimalSeparator); // "INF", "-INF", "NAN"
    // 4933 integer digits at most, the decimals and a sign.
    char text[4960];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc())
        return formatGeneral(value, 5, decimalSeparator);
    std::string out(text, end);
    if (out.front() == '-' && out.find_first_not_of("-0.") == std::string::npos)
        out.erase(0, 1);
    for (char& c : out)
        if (c == '.')
            c = decimalSeparator;
    return out;
}

int frequencyDecimals(extended binSpacing)
{
    int decimals = 1;
    extended units = binSpacing * 10; // neighbours' difference in units of the last digit
    while (units < 10 && decimals < kMostFrequencyDecimals) {
        units *= 10;
        ++decimals;
    }
    return decimals;
}

std::string frequencyReadout(const spectrumAxis& axis, std::int64_t position, char decimalSeparator)
{
    const extended f = axis.frequencyAt(static_cast<extended>(position));
    return fillText(kFrequencyLineText, {formatFixed(f, frequencyDecimals(axis.binSpacing()), decimalSeparator),
                                         unitText(axis.unit())});
}

std::string levelReadout(extended modulus, extended floorDb, char decimalSeparator)
{
    const extended level = decibelsOf(modulus);
    if (level < floorDb)
        return "|X| < " + formatFixed(floorDb, kLevelDecimals, decimalSeparator) + " dB";
    return "|X| = " + formatFixed(level, kLevelDecimals, decimalSeparator) + " dB";
}
