#include "io/samplewidening.h"

#include <bit>
#include <cstring>
#include <limits>

// The x87 format's fields at an extended's address: significand in the first 8 bytes, sign and
// exponent in the next 2.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr int kExponentBias = 16383;
constexpr std::uint16_t kSignBit = 0x8000;
constexpr std::uint16_t kSpecialExponent = 0x7fff; // infinities and NaN

// Stores (-1)^negative * m * 2^e; every m and e the sample formats give is a normal extended.
inline void store(extended* to, bool negative, std::uint64_t m, int e, widenedPeak& peak)
{
    std::uint64_t significand = 0;
    std::uint16_t exponent = 0;
    if (m != 0) {
        const int shift = std::countl_zero(m);
        significand = m << shift;
        exponent = static_cast<std::uint16_t>(kExponentBias + 63 - shift + e);
    }
    peak.add(exponent, significand);
    const auto signAndExponent = static_cast<std::uint16_t>(exponent | (negative ? kSignBit : 0));
    auto* out = reinterpret_cast<unsigned char*>(to);
    std::memcpy(out, &significand, 8);
    std::memcpy(out + 8, &signAndExponent, 2);
}

// An infinity or a NaN, through the x87 unit (rare).
template <typename Float>
inline void storeSpecial(extended* to, Float value, widenedPeak& peak)
{
    *to = value;
    if (value == value) // an infinity counts for the peak
        peak.add(kSpecialExponent, std::uint64_t{1} << 63);
}

// The integer parts of an IEEE value with `fraction` bits of fraction and exponent bias `bias`.
template <typename Bits, typename Float, int fraction, int bias>
void widenIeee(const Float* from, int stride, std::size_t count, extended* to, widenedPeak& peak)
{
    constexpr int exponentBits = static_cast<int>(sizeof(Bits)) * 8 - 1 - fraction;
    constexpr Bits fractionMask = (Bits{1} << fraction) - 1;
    constexpr Bits exponentMask = (Bits{1} << exponentBits) - 1;
    for (std::size_t i = 0; i < count; ++i, from += stride) {
        const auto bits = std::bit_cast<Bits>(*from);
        const bool negative = (bits >> (sizeof(Bits) * 8 - 1)) != 0;
        const auto exponent = static_cast<int>((bits >> fraction) & exponentMask);
        const Bits frac = bits & fractionMask;
        if (exponent == static_cast<int>(exponentMask))
            storeSpecial(to + i, *from, peak);
        else if (exponent == 0) // zero or subnormal
            store(to + i, negative, frac, 1 - bias - fraction, peak);
        else
            store(to + i, negative, frac | (Bits{1} << fraction), exponent - bias - fraction, peak);
    }
}

template <typename Integer>
void widenInteger(const Integer* from, int stride, std::size_t count, extended* to, widenedPeak& peak)
{
    constexpr int scale = -(std::numeric_limits<Integer>::digits); // full scale at +-1
    for (std::size_t i = 0; i < count; ++i, from += stride) {
        const std::int64_t x = *from;
        store(to + i, x < 0, static_cast<std::uint64_t>(x < 0 ? -x : x), scale, peak);
    }
}

} // namespace

extended widenedPeak::value() const
{
    extended v = 0;
    auto* out = reinterpret_cast<unsigned char*>(&v);
    std::memcpy(out, &significand_, 8);
    std::memcpy(out + 8, &exponent_, 2);
    return v;
}

void widenSamples(const std::int16_t* from, int stride, std::size_t count, extended* to, widenedPeak& peak)
{
    widenInteger(from, stride, count, to, peak);
}

void widenSamples(const std::int32_t* from, int stride, std::size_t count, extended* to, widenedPeak& peak)
{
    widenInteger(from, stride, count, to, peak);
}

void widenSamples(const float* from, int stride, std::size_t count, extended* to, widenedPeak& peak)
{
    widenIeee<std::uint32_t, float, 23, 127>(from, stride, count, to, peak);
}

void widenSamples(const double* from, int stride, std::size_t count, extended* to, widenedPeak& peak)
{
    widenIeee<std::uint64_t, double, 52, 1023>(from, stride, count, to, peak);
}
