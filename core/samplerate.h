// Sample rates as a variable carries them: a positive finite number of Hz up to
// kLargestSampleRate, or 0 for none. The rate a user types is read here, with the point as the
// decimal separator whatever the locale, and so is the rate a state file keeps; anything else
// (0, a negative number, NaN, infinity, more than 1e9, text that is not one number) is refused.
#pragma once

#include <string_view>

inline constexpr double kLargestSampleRate = 1e9;

// A rate a variable may carry (0, "none", is not one).
bool isValidSampleRate(double rate);

enum class sampleRateEntry {
    cleared,  // the text is empty or blank: the variable has no rate
    accepted, // `rate` holds a valid rate
    refused,  // not a valid rate; `rate` is left as it was
};
sampleRateEntry readSampleRate(std::string_view text, double& rate);
