#include "core/numformat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Decimal digits of |value| rounded to `digits` significant digits, half away from zero, and the
// decimal exponent of the first digit (value = 0.d1d2d3... * 10^exponent).
struct decimalDigits {
    std::string digits;
    int exponent = 0;
};

decimalDigits roundedDigits(extended magnitude, int digits)
{
    // Twenty-five guard digits decide ties: a value that is exactly halfway in decimal has a
    // short exact expansion, so its guard digits read "5000...".
    char text[128];
    std::snprintf(text, sizeof text, "%.*Le", digits + 24, magnitude);
    decimalDigits out;
    std::string all;
    const char* p = text;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            all.push_back(*p);
    out.exponent = std::atoi(p + 1) + 1;
    out.digits = all.substr(0, digits);
    if (all[digits] >= '5') {
        int i = digits - 1;
        while (i >= 0 && out.digits[i] == '9')
            out.digits[i--] = '0';
        if (i >= 0) {
            ++out.digits[i];
        } else {
            out.digits.insert(out.digits.begin(), '1');
            out.digits.pop_back();
            ++out.exponent;
        }
    }
    while (!out.digits.empty() && out.digits.back() == '0')
        out.digits.pop_back();
    return out;
}

} // namespace

std::string formatGeneral(extended value, int digits, char decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    if (digits < 1)
        digits = 1;
    if (digits > 18)
        digits = 18;

    const decimalDigits d = roundedDigits(std::fabs(value), digits);
    std::string out = value < 0 ? "-" : "";
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent >= -3 && d.exponent <= digits) {
        if (d.exponent <= 0) {
            out += '0';
            out += decimalSeparator;
            out.append(static_cast<std::size_t>(-d.exponent), '0');
            out += d.digits;
        } else if (count <= d.exponent) {
            out += d.digits;
            out.append(static_cast<std::size_t>(d.exponent - count), '0');
        } else {
            out += d.digits.substr(0, static_cast<std::size_t>(d.exponent));
            out += decimalSeparator;
            out += d.digits.substr(static_cast<std::size_t>(d.exponent));
        }
        return out;
    }
    out += d.digits[0];
    if (count > 1) {
        out += decimalSeparator;
        out += d.digits.substr(1);
    }
    out += 'E';
    out += std::to_string(d.exponent - 1);
    return out;
}
