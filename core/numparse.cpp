#include "core/numparse.h"

#include <charconv>
#include <string>

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

    extended value = 0;
    const char* first = canonical.data();
    const char* last = first + canonical.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}
