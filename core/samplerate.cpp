#include "core/samplerate.h"

#include <charconv>
#include <cmath>

bool isValidSampleRate(double rate)
{
    return std::isfinite(rate) && rate > 0 && rate <= kLargestSampleRate;
}

sampleRateEntry readSampleRate(std::string_view text, double& rate)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return sampleRateEntry::cleared;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !isValidSampleRate(value))
        return sampleRateEntry::refused;
    rate = value;
    return sampleRateEntry::accepted;
}
