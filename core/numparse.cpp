#include "core/numparse.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include <locale.h>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool usableSeparator(char c)
{
    return !(isDigit(c) || c == '+' || c == '-' || c == ' ' || c == 'e' || c == 'E' || c == '\0');
}

std::size_t skipDigits(std::string_view text, std::size_t p)
{
    while (p < text.size() && isDigit(text[p]))
        ++p;
    return p;
}

} // namespace

std::optional<extended> parseCellNumber(std::string_view text, char localeDecimal)
{
    const bool extraSeparator = localeDecimal != '.' && usableSeparator(localeDecimal);
    std::size_t p = 0;
    while (p < text.size() && text[p] == ' ')
        ++p;

    // The number is rebuilt as "[-]int.fracE[-]exp" for the locale-free converter.
    std::string canonical;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        if (text[p] == '-')
            canonical += '-';
        ++p;
    }
    const std::size_t intStart = p;
    p = skipDigits(text, p);
    const std::string_view intDigits = text.substr(intStart, p - intStart);
    bool sawPoint = false;
    std::string_view fracDigits;
    if (p < text.size() && (text[p] == '.' || (extraSeparator && text[p] == localeDecimal))) {
        sawPoint = true;
        const std::size_t fracStart = ++p;
        p = skipDigits(text, p);
        fracDigits = text.substr(fracStart, p - fracStart);
    }
    if (intDigits.empty() && !sawPoint)
        return std::nullopt;
    canonical += intDigits.empty() ? std::string_view("0") : intDigits;
    canonical += '.';
    canonical += fracDigits.empty() ? std::string_view("0") : fracDigits;

    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        ++p;
        canonical += 'e';
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
            if (text[p] == '-')
                canonical += '-';
            ++p;
        }
        const std::size_t expStart = p;
        p = skipDigits(text, p);
        if (p == expStart)
            return std::nullopt;
        canonical += text.substr(expStart, p - expStart);
    }
    if (p != text.size())
        return std::nullopt;

    // The C library's reader under the "C" locale rounds correctly at any length and, unlike
    // std::from_chars here, keeps subnormal values; a value below the smallest one reads as a
    // signed zero, as in the state file. Only a value beyond the largest one is refused.
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    if (cLocale == locale_t{})
        return std::nullopt;
    char* end = nullptr;
    const extended value = ::strtold_l(canonical.c_str(), &end, cLocale);
    if (end != canonical.c_str() + canonical.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseFieldInteger(std::string_view text)
{
    constexpr std::size_t kMostDigits = 9;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size() || text.size() - i > kMostDigits)
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}
