#include "io/exactdecimal.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// A little unsigned big integer, just enough for one exact division.
struct bigUnsigned {
    std::vector<std::uint32_t> words; // least significant first

    void multiplyAdd(std::uint32_t factor, std::uint32_t add)
    {
        std::uint64_t carry = add;
        for (auto& w : words) {
            const std::uint64_t t = static_cast<std::uint64_t>(w) * factor + carry;
            w = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        if (carry)
            words.push_back(static_cast<std::uint32_t>(carry));
    }
    void shiftLeft(int bits)
    {
        const int wordShift = bits / 32;
        const int bitShift = bits % 32;
        words.insert(words.begin(), static_cast<std::size_t>(wordShift), 0);
        if (bitShift) {
            std::uint32_t carry = 0;
            for (auto& w : words) {
                const std::uint32_t next = w >> (32 - bitShift);
                w = (w << bitShift) | carry;
                carry = next;
            }
            if (carry)
                words.push_back(carry);
        }
        trim();
    }
    void trim()
    {
        while (!words.empty() && words.back() == 0)
            words.pop_back();
    }
    static bigUnsigned product(const bigUnsigned& a, const bigUnsigned& b)
    {
        bigUnsigned p;
        p.words.assign(a.words.size() + b.words.size(), 0);
        for (std::size_t i = 0; i < a.words.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < b.words.size(); ++j) {
                const std::uint64_t t = static_cast<std::uint64_t>(a.words[i]) * b.words[j] +
                                        p.words[i + j] + carry;
                p.words[i + j] = static_cast<std::uint32_t>(t);
                carry = t >> 32;
            }
            p.words[i + b.words.size()] = static_cast<std::uint32_t>(carry);
        }
        p.trim();
        return p;
    }
    int bitLength() const
    {
        if (words.empty())
            return 0;
        return static_cast<int>(32 * (words.size() - 1)) + std::bit_width(words.back());
    }
    // The top 64 bits and the power of two they stand for: *this ~ top * 2^shift.
    extended approximate(int& shift) const
    {
        const int length = bitLength();
        shift = length > 64 ? length - 64 : 0;
        std::uint64_t top = 0;
        for (int bit = length - 1; bit >= shift; --bit)
            top = (top << 1) | ((words[static_cast<std::size_t>(bit / 32)] >> (bit % 32)) & 1u);
        return static_cast<extended>(top);
    }
    // floor(n / m) for a quotient known to be below 2^64, and the remainder: a close estimate
    // from the leading bits, then corrected by the exact remainder.
    static std::uint64_t divide(const bigUnsigned& n, const bigUnsigned& m, bigUnsigned& remainder)
    {
        int shiftN = 0;
        int shiftM = 0;
        const extended ratio = n.approximate(shiftN) / m.approximate(shiftM);
        const extended estimate = std::ldexp(ratio, shiftN - shiftM);
        std::uint64_t q = estimate >= 18446744073709551615.0L ? ~std::uint64_t{0}
                          : estimate > 0                       ? static_cast<std::uint64_t>(estimate)
                                                               : 0;
        bigUnsigned qBig;
        qBig.words = {static_cast<std::uint32_t>(q), static_cast<std::uint32_t>(q >> 32)};
        qBig.trim();
        bigUnsigned p = product(m, qBig);
        while (compare(p, n) > 0) {
            --q;
            p.subtract(m);
        }
        remainder = n;
        remainder.subtract(p);
        while (compare(remainder, m) >= 0) {
            ++q;
            remainder.subtract(m);
        }
        return q;
    }
    static int compare(const bigUnsigned& a, const bigUnsigned& b)
    {
        if (a.words.size() != b.words.size())
            return a.words.size() < b.words.size() ? -1 : 1;
        for (std::size_t i = a.words.size(); i-- > 0;)
            if (a.words[i] != b.words[i])
                return a.words[i] < b.words[i] ? -1 : 1;
        return 0;
    }
    void subtract(const bigUnsigned& b) // *this >= b
    {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < words.size(); ++i) {
            std::int64_t t = static_cast<std::int64_t>(words[i]) - borrow -
                             (i < b.words.size() ? static_cast<std::int64_t>(b.words[i]) : 0);
            borrow = t < 0 ? 1 : 0;
            words[i] = static_cast<std::uint32_t>(t + (borrow << 32));
        }
        trim();
    }
};

constexpr int kLowestExponent = -16445; // the smallest subnormal is 2^-16445
constexpr int kHighestLog2 = 16384;     // every finite extended value is below 2^16384

} // namespace

bool exactFromDecimal(const char* digits, int count, int exp10, extended& out)
{
    const int lead = count < 19 ? count : 19;
    std::uint64_t leading = 0;
    for (int i = 0; i < lead; ++i)
        leading = leading * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    const extended log2Value = std::log2(static_cast<extended>(leading)) +
                               (exp10 + count - lead) * 3.32192809488736234787L;
    if (log2Value > kHighestLog2 + 1)
        return false;
    if (log2Value < kLowestExponent - 2) { // below a quarter of the smallest subnormal
        out = 0;
        return true;
    }

    bigUnsigned s;
    for (int i = 0; i < count; ++i)
        s.multiplyAdd(10, static_cast<std::uint32_t>(digits[i] - '0'));
    bigUnsigned pow5;
    pow5.words = {1};
    for (int t = exp10 < 0 ? -exp10 : exp10; t > 0; t -= 13) { // 5^13 < 2^32
        std::uint32_t f = 1;
        for (int k = 0; k < (t < 13 ? t : 13); ++k)
            f *= 5;
        pow5.multiplyAdd(f, 0);
    }

    bigUnsigned numerator = s;
    bigUnsigned denominator;
    denominator.words = {1};
    if (exp10 >= 0)
        numerator = bigUnsigned::product(s, pow5);
    else
        denominator = pow5;

    // value / 2^b = S * 5^exp10 * 2^(exp10 - b) = n / m. First b is chosen so that the quotient
    // lies in [2^62, 2^64); if it falls below 2^63, one more bit is taken (b - 1), so that it
    // has 64 bits, or fewer on the subnormal grid.
    int b = numerator.bitLength() - denominator.bitLength() + exp10 - 63;
    for (int pass = 0; pass < 2; ++pass) {
        if (b < kLowestExponent)
            b = kLowestExponent;
        bigUnsigned n = numerator;
        bigUnsigned m = denominator;
        const int p2 = exp10 - b;
        if (p2 >= 0)
            n.shiftLeft(p2);
        else
            m.shiftLeft(-p2);
        bigUnsigned r;
        const std::uint64_t q = bigUnsigned::divide(n, m, r);
        if (pass == 0 && q < (std::uint64_t{1} << 63) && b > kLowestExponent) {
            --b;
            continue;
        }
        r.shiftLeft(1);
        const int c = bigUnsigned::compare(r, m);
        extended result = 0;
        if (c > 0 || (c == 0 && (q & 1)))
            result = q == ~std::uint64_t{0} ? std::ldexp(1.0L, b + 64)
                                             : std::ldexp(static_cast<extended>(q + 1), b);
        else
            result = std::ldexp(static_cast<extended>(q), b);
        if (std::isinf(result))
            return false;
        out = result;
        return true;
    }
    return false;
}
