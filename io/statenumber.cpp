#include "io/statenumber.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

// The fast paths read the x87 format's fields from memory: significand in the first 8 bytes,
// sign and exponent in the next 2.
static_assert(std::endian::native == std::endian::little);

namespace {

// 10^0 ... 10^27 are exact in the extended format (5^27 < 2^64).
constexpr int kExactPowers = 28;
constexpr std::array<extended, kExactPowers> kPow10 = [] {
    std::array<extended, kExactPowers> p{};
    extended v = 1;
    for (auto& e : p) {
        e = v;
        v *= 10;
    }
    return p;
}();

constexpr int kDigits = 15;                  // significant digits written
constexpr std::uint64_t kDigitsLow = 100000000000000ULL; // 10^14
constexpr std::uint64_t kDigitsHigh = 10 * kDigitsLow;   // 10^15
constexpr extended kTwoTo63 = 9223372036854775808.0L;

// a * 10^k with |k| <= 54: one or two correctly rounded operations on exact powers, so the
// relative error stays below 2^-62.
extended scaleByPowerOfTen(extended a, int k)
{
    if (k >= 0)
        return k < kExactPowers ? a * kPow10[static_cast<std::size_t>(k)]
                                : a * kPow10[kExactPowers - 1] *
                                      kPow10[static_cast<std::size_t>(k - (kExactPowers - 1))];
    k = -k;
    return k < kExactPowers ? a / kPow10[static_cast<std::size_t>(k)]
                            : a / kPow10[kExactPowers - 1] /
                                  kPow10[static_cast<std::size_t>(k - (kExactPowers - 1))];
}

// The 15 decimal digits and the exponent of a positive finite value, correctly rounded.
struct decimalForm {
    std::uint64_t digits = 0; // 10^14 <= digits < 10^15
    int exponent = 0;         // value ~ digits / 10^14 * 10^exponent
};

// Fast path: scale by an exact power of ten and round. It gives up (false) when the scaled value
// lies so close to a rounding boundary that the scaling error could decide it, and outside the
// range where two exact powers reach.
bool fastDecimalForm(extended a, decimalForm& out)
{
    std::uint16_t signAndExponent = 0;
    std::memcpy(&signAndExponent, reinterpret_cast<const unsigned char*>(&a) + 8, 2);
    const int biased = signAndExponent & 0x7fff;
    if (biased == 0)
        return false; // subnormal
    const int binaryExponent = biased - 16383;
    int exponent = static_cast<int>(std::floor(binaryExponent * 0.30102999566398119521));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int k = (kDigits - 1) - exponent;
        if (k > 54 || k < -54)
            return false;
        const extended s = scaleByPowerOfTen(a, k);
        if (!(s < static_cast<extended>(kDigitsHigh) * 2)) // also false for a NaN
            return false;
        // Round to an integer by adding 2^63 (the unit of the last place there is 1), and read
        // that integer from the significand; this avoids the slow x87 truncating conversion.
        const extended shifted = s + kTwoTo63;
        const extended fraction = s - (shifted - kTwoTo63);
        if (std::fabs(fraction) > 0.5L - 1e-3L)
            return false;
        std::uint64_t significand = 0;
        std::memcpy(&significand, &shifted, sizeof significand);
        const std::uint64_t d = significand - (std::uint64_t{1} << 63);
        if (d < kDigitsLow)
            return false;
        if (d < kDigitsHigh) {
            out.digits = d;
            out.exponent = exponent;
            return true;
        }
        ++exponent;
    }
    return false;
}

// Slow path through the C library, which rounds exactly. Only the digits and the exponent are
// taken from its text, so the locale's decimal separator does not matter.
decimalForm libraryDecimalForm(extended a)
{
    char text[96];
    std::snprintf(text, sizeof text, "%.*Le", kDigits - 1, a);
    decimalForm out;
    const char* p = text;
    for (; *p && *p != 'e' && *p != 'E'; ++p)
        if (*p >= '0' && *p <= '9')
            out.digits = out.digits * 10 + static_cast<std::uint64_t>(*p - '0');
    if (*p)
        ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    for (; *p >= '0' && *p <= '9'; ++p)
        out.exponent = out.exponent * 10 + (*p - '0');
    if (negative)
        out.exponent = -out.exponent;
    return out;
}

void writeRightAligned(const char* word, char* out)
{
    const std::size_t n = std::strlen(word);
    std::memset(out, ' ', kStateNumberWidth - n);
    std::memcpy(out + kStateNumberWidth - n, word, n);
}

// --- exact conversion for results below the smallest normal number ---

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

// Rounds S * 10^exp10 (S the `count` significant decimal digits) to the nearest extended value,
// ties to even, with exact integer arithmetic; this reaches every exponent, subnormal results
// included. False when the value is beyond the largest finite one.
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

// Eight ASCII digits in one little-endian word: the check and the value, without a loop.
bool isEightDigits(std::uint64_t v)
{
    return !(((v + 0x4646464646464646ULL) | (v - 0x3030303030303030ULL)) & 0x8080808080808080ULL);
}

std::uint64_t eightDigitsValue(std::uint64_t v)
{
    v -= 0x3030303030303030ULL;
    v = v * 10 + (v >> 8);
    return (((v & 0x000000FF000000FFULL) * 0x000F424000000064ULL) +
            (((v >> 16) & 0x000000FF000000FFULL) * 0x0000271000000001ULL)) >> 32;
}

// The form the writer produces, "[-]d.ddddddddddddddE+dddd", read without the general machinery.
// False when the token has another shape or needs more than one exact operation.
bool parseWrittenForm(std::string_view t, extended& value)
{
    bool negative = false;
    const char* p = t.data();
    if (t.size() == kStateNumberWidth && (t[0] == '-' || t[0] == '+')) {
        negative = t[0] == '-';
        ++p;
    } else if (t.size() != kStateNumberWidth - 1) {
        return false;
    }
    if (p[1] != '.' || (p[16] != 'E' && p[16] != 'e') || (p[17] != '+' && p[17] != '-') ||
        p[0] < '0' || p[0] > '9')
        return false;
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    std::memcpy(&first, p + 2, 8);
    std::memcpy(&second, p + 8, 8); // overlaps: its last six digits are digits 10 to 15
    if (!isEightDigits(first) || !isEightDigits(second))
        return false;
    int exponent = 0;
    for (int i = 18; i < 22; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
        exponent = exponent * 10 + (p[i] - '0');
    }
    const int k = (p[17] == '-' ? -exponent : exponent) - (kDigits - 1);
    if (k <= -kExactPowers || k >= kExactPowers)
        return false;
    const std::uint64_t m = static_cast<std::uint64_t>(p[0] - '0') * kDigitsLow +
                            eightDigitsValue(first) * 1000000 + eightDigitsValue(second) % 1000000;
    const extended magnitude = k >= 0 ? static_cast<extended>(m) * kPow10[static_cast<std::size_t>(k)]
                                      : static_cast<extended>(m) / kPow10[static_cast<std::size_t>(-k)];
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

void formatStateNumber(extended value, char* out)
{
    if (std::isnan(value)) {
        writeRightAligned("Nan", out);
        return;
    }
    if (std::isinf(value)) {
        writeRightAligned(value < 0 ? "-Inf" : "+Inf", out);
        return;
    }
    out[0] = value < 0 ? '-' : ' ';
    decimalForm d;
    if (value != 0) {
        const extended a = std::fabs(value);
        if (!fastDecimalForm(a, d))
            d = libraryDecimalForm(a);
    }
    std::uint64_t digits = d.digits;
    for (int i = kDigits; i >= 1; --i) { // positions 17 ... 3 and 1
        out[i < 2 ? 1 : i + 1] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    out[2] = '.';
    out[17] = 'E';
    out[18] = d.exponent < 0 ? '-' : '+';
    int e = d.exponent < 0 ? -d.exponent : d.exponent;
    for (int i = 22; i >= 19; --i) {
        out[i] = static_cast<char>('0' + e % 10);
        e /= 10;
    }
}

std::string formatStateNumber(extended value)
{
    std::string s(kStateNumberWidth, ' ');
    formatStateNumber(value, s.data());
    return s;
}

bool parseStateReal(std::string_view t, extended& value)
{
    if (t.empty() || t.size() > kRealTokenLimit)
        return false;
    if (t == "Nan") {
        value = std::numeric_limits<extended>::quiet_NaN();
        return true;
    }
    if (t == "+Inf" || t == "-Inf") {
        value = t[0] == '-' ? -std::numeric_limits<extended>::infinity()
                            : std::numeric_limits<extended>::infinity();
        return true;
    }

    if (parseWrittenForm(t, value))
        return true;

    std::size_t i = 0;
    const bool negative = t[0] == '-';
    if (t[0] == '+' || t[0] == '-')
        ++i;
    char digits[kRealTokenLimit]; // significant digits, value = digits * 10^exp10
    int count = 0;
    int exp10 = 0;
    bool anyDigit = false;
    bool point = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (point)
                --exp10;
            if (count > 0 || c != '0')
                digits[count++] = c;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return false;
    if (i < t.size()) {
        if (t[i] != 'e' && t[i] != 'E')
            return false;
        ++i;
        const bool negativeExponent = i < t.size() && t[i] == '-';
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        if (i == t.size())
            return false;
        int e = 0;
        for (; i < t.size(); ++i) {
            if (t[i] < '0' || t[i] > '9')
                return false;
            if (e < 1000000)
                e = e * 10 + (t[i] - '0');
        }
        exp10 += negativeExponent ? -e : e;
    }
    while (count > 0 && digits[count - 1] == '0') {
        --count;
        ++exp10;
    }

    extended magnitude = 0;
    if (count == 0) {
        magnitude = 0;
    } else if (count <= 19 && exp10 > -kExactPowers && exp10 < kExactPowers) {
        // Both operands exact: one correctly rounded operation.
        std::uint64_t m = 0;
        for (int k = 0; k < count; ++k)
            m = m * 10 + static_cast<std::uint64_t>(digits[k] - '0');
        magnitude = exp10 >= 0 ? static_cast<extended>(m) * kPow10[static_cast<std::size_t>(exp10)]
                               : static_cast<extended>(m) / kPow10[static_cast<std::size_t>(-exp10)];
    } else if (!exactFromDecimal(digits, count, exp10, magnitude)) {
        return false; // beyond the largest extended value
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

bool parseStateInteger(std::string_view t, std::int32_t& value)
{
    if (t.empty() || t.size() > kIntegerTokenLimit)
        return false;
    std::size_t i = 0;
    const bool negative = t[0] == '-';
    if (t[0] == '+' || t[0] == '-')
        ++i;
    if (i == t.size())
        return false;
    std::int64_t v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return false;
        v = v * 10 + (t[i] - '0');
        if (v > std::int64_t{1} << 32)
            return false;
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(v);
    return true;
}
