#include "dsp/zinverse.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// An exponent may carry an exponent of its own ("1e1e1"); past this depth a further E ends the
// number instead, so a hostile text cannot exhaust the stack. Such towers are infinite or zero
// long before this depth.
constexpr int kMaxExponentDepth = 64;

constexpr char kSentinel = '*';

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool startsNumber(char c) { return c == '-' || c == '.' || isDigit(c); }
bool isExponentLetter(char c) { return c == 'E' || c == 'e'; }

class coefficientReader {
public:
    explicit coefficientReader(std::string_view text) : text_(text) { text_.push_back(kSentinel); }

    std::vector<extended> readAll()
    {
        std::vector<extended> out;
        while (pos_ + 1 < text_.size() && out.size() < static_cast<std::size_t>(kMaxCoefficients)) {
            out.push_back(readNumber(0));
            const std::size_t comma = text_.find(',', pos_);
            pos_ = comma == std::string::npos ? text_.size() : comma + 1;
        }
        return out;
    }

private:
    char current() const { return pos_ < text_.size() ? text_[pos_] : kSentinel; }

    void skipSpaces()
    {
        while (current() == ' ')
            ++pos_;
    }

    extended tenToThe(int depth) { return std::pow(extended{10}, readNumber(depth + 1)); }

    bool atExponent(int depth) const { return isExponentLetter(current()) && depth < kMaxExponentDepth; }

    extended readNumber(int depth)
    {
        skipSpaces();
        if (!startsNumber(current()))
            return 0;
        extended sign = 1;
        if (current() == '-') {
            sign = -1;
            ++pos_;
            skipSpaces();
            if (!startsNumber(current()))
                return 0;
        }
        extended value = 0;
        // Integer part; "." or an exponent moves on to the fraction part.
        for (;;) {
            const char c = current();
            if (isDigit(c)) {
                value = value * 10 + (c - '0');
                ++pos_;
            } else if (c == '.') {
                ++pos_;
                break;
            } else if (atExponent(depth)) {
                ++pos_;
                value *= tenToThe(depth);
                break;
            } else {
                return value * sign;
            }
        }
        // Fraction part; an exponent here ends the number.
        extended scale = 1;
        for (;;) {
            const char c = current();
            if (isDigit(c)) {
                scale *= 10;
                value += (c - '0') / scale;
                ++pos_;
            } else if (atExponent(depth)) {
                ++pos_;
                return value * tenToThe(depth) * sign;
            } else {
                return value * sign;
            }
        }
    }

    std::string text_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<extended> readCoefficients(std::string_view text)
{
    return coefficientReader(text).readAll();
}

std::optional<std::array<extended, kSeriesTerms>> inverseZSeries(const std::vector<extended>& numerator,
                                                                 const std::vector<extended>& denominator)
{
    // L: the denominator's highest coefficient that is not zero.
    std::size_t top = denominator.size();
    while (top > 0 && denominator[top - 1] == 0)
        --top;
    if (top == 0)
        return std::nullopt;
    const extended lead = denominator[top - 1];

    // The numerator in descending powers of z, then room for the division to run 50 terms.
    const std::size_t j = numerator.size();
    std::vector<extended> rest(std::max(j, static_cast<std::size_t>(kSeriesTerms) + top), 0);
    for (std::size_t m = 0; m < j; ++m)
        rest[m] = numerator[j - 1 - m];

    std::array<extended, kSeriesTerms> q{};
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSeriesTerms); ++i) {
        q[i] = rest[i] / lead;
        for (std::size_t m = 0; m < top; ++m)
            rest[i + m] -= q[i] * denominator[top - 1 - m];
    }
    return q;
}
