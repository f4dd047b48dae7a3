#include "expr/functions.h"

#include "expr/windows.h"

#include <cmath>

namespace {

// Beyond 2^63 the hardware sine and cosine give up; the language defines them as 0 there.
constexpr extended kTrigRange = 9223372036854775808.0L;
constexpr extended kLogFloor = 1e-100L; // LN of anything not above this is -1e100
constexpr extended kLogOfFloor = -1e100L;

extended clampUnit(extended t)
{
    if (t > 1)
        return 1;
    if (t < -1)
        return -1;
    return t;
}

extended realSin(extended t) { return std::fabs(t) >= kTrigRange ? 0 : std::sin(t); }
extended realCos(extended t) { return std::fabs(t) >= kTrigRange ? 0 : std::cos(t); }
extended realTan(extended t) { return std::tan(t); }

extended realArcsin(extended t)
{
    t = clampUnit(t);
    return std::atan2(t, std::sqrt(1 - t * t));
}

extended realArccos(extended t)
{
    t = clampUnit(t);
    return std::atan2(std::sqrt(1 - t * t), t);
}

extended realArctan(extended t) { return std::atan(t); }
extended realAbs(extended t) { return std::fabs(t); }
extended realExp(extended t) { return std::exp(t); }
extended realLn(extended t) { return t > kLogFloor ? std::log(t) : kLogOfFloor; }

extended realSgn(extended t)
{
    if (t < 0)
        return -1;
    return t > 0 ? 1 : 0;
}

extended realDirac(extended t) { return t == 0 ? 1 : 0; }

complexValue complexAbs(complexValue z) { return {complexModulus(z), 0}; }

complexValue complexExp(complexValue z)
{
    // e^0 is exactly 1, and sincosl gives the same two values as sinl and cosl in one pass.
    const extended magnitude = z.re == 0 ? 1 : std::exp(z.re);
    extended s;
    extended c;
    ::sincosl(z.im, &s, &c);
    return {magnitude * c, magnitude * s};
}

// sin z = (e^(iz) - e^(-iz)) / 2i and cos z = (e^(iz) + e^(-iz)) / 2, with iz = -b + ai.
complexValue complexSin(complexValue z)
{
    const complexValue e1 = complexExp({-z.im, z.re});
    const complexValue e2 = complexExp({z.im, -z.re});
    return {(e1.im - e2.im) / 2, (e2.re - e1.re) / 2};
}

complexValue complexCos(complexValue z)
{
    const complexValue e1 = complexExp({-z.im, z.re});
    const complexValue e2 = complexExp({z.im, -z.re});
    return {(e1.re + e2.re) / 2, (e1.im + e2.im) / 2};
}

// PHASE hands the real part to atan2 as its first argument and the imaginary part as the
// second. The angle lies in (-pi, pi]: a negative zero counts as zero, so PHASE(-i) is pi and
// PHASE(-x) at x = 0 is 0.
complexValue complexPhase(complexValue z)
{
    const extended first = z.re == 0 ? 0 : z.re;
    const extended second = z.im == 0 ? 0 : z.im;
    return {std::atan2(first, second), 0};
}

} // namespace

const std::array<realFunctionRow, 16> realFunctionTable = {{
    {"SIN", realSin, false},
    {"COS", realCos, false},
    {"TAN", realTan, false},
    {"ARCSIN", realArcsin, false},
    {"ARCCOS", realArccos, false},
    {"ARCTAN", realArctan, false},
    {"ABS", realAbs, false},
    {"EXP", realExp, false},
    {"LN", realLn, false},
    {"SGN", realSgn, false},
    {"DIRICHLET", windowDirichlet, false},
    {"BARTLETT", windowBartlett, false},
    {"BLACKMAN", windowBlackman, false},
    {"HAMMING", windowHamming, false},
    {"HANNING", windowHanning, false},
    {"DIRAC", realDirac, false},
}};

const std::array<complexFunctionRow, 5> complexFunctionTable = {{
    {"ABS", complexAbs, false},
    {"EXP", complexExp, true},
    {"SIN", complexSin, true},
    {"COS", complexCos, true},
    {"PHASE", complexPhase, false},
}};

const realFunctionRow* findRealFunction(std::string_view name)
{
    for (const auto& row : realFunctionTable)
        if (row.name == name)
            return &row;
    return nullptr;
}

const complexFunctionRow* findComplexFunction(std::string_view name)
{
    for (const auto& row : complexFunctionTable)
        if (row.name == name)
            return &row;
    return nullptr;
}

extended constantE()
{
    static const extended e = std::exp(1.0L);
    return e;
}
