// The number types every part of the program computes with.
// `extended` is the x87 80-bit double-extended format (64-bit significand); every sample and
// every computation on samples uses it. `complexValue` is the (real, imaginary) pair that
// expression nodes yield and that the sample buffer and the transform buffers hold.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

using extended = long double;
static_assert(std::numeric_limits<extended>::digits == 64,
              "extended must be the x87 80-bit format with a 64-bit significand");

struct complexValue {
    extended re = 0;
    extended im = 0;
    friend bool operator==(const complexValue&, const complexValue&) = default;
};

inline complexValue operator+(complexValue a, complexValue b) { return {a.re + b.re, a.im + b.im}; }
inline complexValue operator-(complexValue a, complexValue b) { return {a.re - b.re, a.im - b.im}; }
inline complexValue operator*(complexValue a, complexValue b)
{
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// The modulus sqrt(re^2 + im^2) of a complex value, without the squares' underflow or overflow:
// parts of 1e-4000 or 1e4932 keep their size. The plain formula serves wherever the sum of the
// squares is a normal finite number (almost always); only outside that range are the parts
// rescaled (std::hypot, which is many times slower). A real value gives its absolute value.
inline extended complexModulus(extended re, extended im)
{
    if (im == 0)
        return std::fabs(re);
    // Above this the larger square is a normal number, so the sum has every bit it should.
    constexpr extended kSmallestExactSquare = 0x1p-16300L;
    const extended squares = re * re + im * im;
    if (squares >= kSmallestExactSquare && squares <= std::numeric_limits<extended>::max())
        return std::sqrt(squares);
    return std::hypot(re, im); // also for an infinity beside a NaN, which it makes infinite
}
inline extended complexModulus(const complexValue& z) { return complexModulus(z.re, z.im); }

// pi as the nearest 80-bit value.
inline constexpr extended kPi = 3.14159265358979323851L;

// The smallest power of two not below `count`, starting at 1 (0 and 1 both give 1).
constexpr std::int64_t nextPowerOfTwo(std::int64_t count)
{
    std::int64_t p = 1;
    while (p < count)
        p *= 2;
    return p;
}
