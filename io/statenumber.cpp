#include "io/statenumber.h"

#include "io/exactdecimal.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

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
    for (int i = kDigits; i >= 1; --i) { // characters 16 down to 3, then 1
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
