#include "expr/blockkernels.h"

#include "expr/noise.h"

#include <cfloat>
#include <cmath>
#include <cstring>

namespace blockcode {

namespace {

// A zero divisor (or divisor modulus) is replaced by this, so x/0 is huge instead of an error.
constexpr extended kTinyDivisor = 1e-1000L;
// A negative base counts as raised to an integer when the exponent is this close to one.
constexpr extended kIntegerTolerance = 1e-20L;

extended divisor(extended q) { return q == 0 ? kTinyDivisor : q; }

// a^b for real a and b: b = 0 gives 1 (also for a = 0), a = 0 gives 0, and a negative base
// gives the signed power of its magnitude, negative for an odd integer exponent.
extended realPower(extended a, extended b)
{
    if (b == 0)
        return 1;
    if (a == 0)
        return 0;
    if (a < 0) {
        const extended magnitude = std::exp(b * std::log(-a));
        const bool integer = std::fabs(b - std::trunc(b)) < kIntegerTolerance;
        const bool odd = integer && std::fmod(std::trunc(b), 2.0L) != 0;
        return odd ? -magnitude : magnitude;
    }
    return std::exp(b * std::log(a));
}

// The sign-and-exponent word and the significand of an 80-bit value in memory.
std::uint16_t exponentWord(const extended* v)
{
    std::uint16_t w;
    std::memcpy(&w, reinterpret_cast<const unsigned char*>(v) + 8, sizeof w);
    return w;
}

std::uint64_t significand(const extended* v)
{
    std::uint64_t m;
    std::memcpy(&m, v, sizeof m);
    return m;
}

constexpr std::uint16_t kExponentMask = 0x7fff;

} // namespace

// Each lane reads all its operand parts before writing, since the result may take an operand's
// place.
void plusLanes(const lanes& a, const lanes& b, slotLanes out, int count)
{
    for (int i = 0; i < count; ++i) {
        const extended re = a.realAt(i) + b.realAt(i);
        const extended im = a.imagAt(i) + b.imagAt(i);
        out.re[i] = re;
        out.im[i] = im;
    }
}

void minusLanes(const lanes& a, const lanes& b, slotLanes out, int count)
{
    for (int i = 0; i < count; ++i) {
        const extended re = a.realAt(i) - b.realAt(i);
        const extended im = a.imagAt(i) - b.imagAt(i);
        out.re[i] = re;
        out.im[i] = im;
    }
}

void multiplyLanes(const lanes& a, const lanes& b, slotLanes out, int count)
{
    for (int i = 0; i < count; ++i) {
        const extended ar = a.realAt(i), ai = a.imagAt(i), br = b.realAt(i), bi = b.imagAt(i);
        out.re[i] = ar * br - ai * bi;
        out.im[i] = ar * bi + ai * br;
    }
}

void complexQuotientLanes(const lanes& a, const lanes& b, slotLanes out, int count)
{
    for (int i = 0; i < count; ++i) {
        const extended ar = a.realAt(i), ai = a.imagAt(i), br = b.realAt(i), bi = b.imagAt(i);
        const extended d = divisor(br * br + bi * bi);
        out.re[i] = (ar * br + ai * bi) / d;
        out.im[i] = (ai * br - ar * bi) / d;
    }
}

void negateLanes(const lanes& a, slotLanes out, int count)
{
    for (int i = 0; i < count; ++i) {
        const extended re = -a.realAt(i);
        const extended im = -a.imagAt(i);
        out.re[i] = re;
        out.im[i] = im;
    }
}

void complexCallLanes(complexFunction g, const lanes& a, slotLanes out, int count)
{
    for (int i = 0; i < count; ++i) {
        const complexValue v = g({a.realAt(i), a.imagAt(i)});
        out.re[i] = v.re;
        out.im[i] = v.im;
    }
}

void variableLanes(const tdspvar* variable, int order, const lanes& a, slotLanes out, int count)
{
    for (int i = 0; i < count; ++i) {
        const complexValue v = variable ? variable->interpolatedValue(order, a.realAt(i))
                                        : complexValue{0, 0};
        out.re[i] = v.re;
        out.im[i] = v.im;
    }
}

void realQuotientLanes(const lanes& a, const lanes& b, extended* re, int count)
{
    for (int i = 0; i < count; ++i)
        re[i] = a.realAt(i) / divisor(b.realAt(i));
}

void powerLanes(const lanes& a, const lanes& b, extended* re, int count)
{
    for (int i = 0; i < count; ++i)
        re[i] = realPower(a.realAt(i), b.realAt(i));
}

void realCallLanes(realFunction f, const lanes& a, extended* re, int count)
{
    for (int i = 0; i < count; ++i)
        re[i] = f(a.realAt(i));
}

void noiseLanes(const std::uint32_t* seeds, int stride, int draw, extended* re, int count)
{
    for (int i = 0; i < count; ++i)
        re[i] = uniformNoiseFrom(seeds[i * stride + draw]);
}

void bellNoiseLanes(const std::uint32_t* seeds, int stride, int draw, extended* re, int count)
{
    for (int i = 0; i < count; ++i)
        re[i] = bellNoiseFrom(seeds[i * stride + draw], seeds[i * stride + draw + 1]);
}

bool allPlusZero(const extended* im, int count)
{
    std::uint64_t any = 0;
    for (int i = 0; i < count; ++i)
        any |= significand(im + i) | exponentWord(im + i);
    return any == 0;
}

bool allPositiveFinite(const extended* values, int count)
{
    bool ok = true;
    for (int i = 0; i < count; ++i) {
        const std::uint16_t w = exponentWord(values + i); // sign clear and not all ones: < 0x7fff
        ok &= w < kExponentMask && (w != 0 || significand(values + i) != 0);
    }
    return ok;
}

namespace {

bool notFinite(extended v) { return !(std::fabs(v) <= LDBL_MAX); }

// One step on target register t (two lanes) with the other register o; returns true when a
// lane check failed. x0, x1 are the lanes' x, v(k) the operand's lanes, c() its scalar (read only
// where used: the floating-point registers are few).
template <typename Lanes, typename Scalar>
[[gnu::always_inline]] inline bool apply(laneCode code, extended& t0, extended& t1,
                                         const extended o0, const extended o1, const extended x0,
                                         const extended x1, Lanes v, Scalar c)
{
    switch (code) {
    case laneCode::loadX:
        t0 = x0, t1 = x1;
        return false;
    case laneCode::loadScalar:
        t0 = c(), t1 = c();
        return false;
    case laneCode::loadLanes:
        t0 = v(0), t1 = v(1);
        return false;
    case laneCode::addX:
        t0 += x0, t1 += x1;
        return false;
    case laneCode::addScalar:
        t0 += c(), t1 += c();
        return false;
    case laneCode::addLanes:
        t0 += v(0), t1 += v(1);
        return false;
    case laneCode::addReg:
        t0 += o0, t1 += o1;
        return false;
    case laneCode::subtractX:
        t0 -= x0, t1 -= x1;
        return false;
    case laneCode::subtractScalar:
        t0 -= c(), t1 -= c();
        return false;
    case laneCode::subtractLanes:
        t0 -= v(0), t1 -= v(1);
        return false;
    case laneCode::subtractReg:
        t0 -= o0, t1 -= o1;
        return false;
    case laneCode::subtractFromX:
        t0 = x0 - t0, t1 = x1 - t1;
        return false;
    case laneCode::subtractFromScalar:
        t0 = c() - t0, t1 = c() - t1;
        return false;
    case laneCode::subtractFromLanes:
        t0 = v(0) - t0, t1 = v(1) - t1;
        return false;
    case laneCode::subtractFromReg:
        t0 = o0 - t0, t1 = o1 - t1;
        return false;
    case laneCode::multiplyX:
        t0 *= x0, t1 *= x1;
        return false;
    case laneCode::multiplyScalar:
        t0 *= c(), t1 *= c();
        return false;
    case laneCode::multiplyXCheckBoth: {
        const bool failed = (t0 <= 0 && x0 <= 0) || (t1 <= 0 && x1 <= 0);
        t0 *= x0, t1 *= x1;
        return failed;
    }
    case laneCode::multiplyLanesCheckBoth: {
        const extended v0 = v(0), v1 = v(1);
        const bool failed = (t0 <= 0 && v0 <= 0) || (t1 <= 0 && v1 <= 0);
        t0 *= v0, t1 *= v1;
        return failed;
    }
    case laneCode::multiplyRegCheckBoth: {
        const bool failed = (t0 <= 0 && o0 <= 0) || (t1 <= 0 && o1 <= 0);
        t0 *= o0, t1 *= o1;
        return failed;
    }
    case laneCode::multiplyScalarCheckAcc: {
        const bool failed = t0 <= 0 || t1 <= 0;
        t0 *= c(), t1 *= c();
        return failed;
    }
    case laneCode::multiplyXCheckEither: {
        const bool failed = t0 <= 0 || x0 <= 0 || t1 <= 0 || x1 <= 0;
        t0 *= x0, t1 *= x1;
        return failed;
    }
    case laneCode::multiplyScalarCheckEither: {
        const bool failed = t0 <= 0 || t1 <= 0 || c() <= 0;
        t0 *= c(), t1 *= c();
        return failed;
    }
    case laneCode::multiplyLanesCheckEither: {
        const extended v0 = v(0), v1 = v(1);
        const bool failed = t0 <= 0 || v0 <= 0 || t1 <= 0 || v1 <= 0;
        t0 *= v0, t1 *= v1;
        return failed;
    }
    case laneCode::multiplyRegCheckEither: {
        const bool failed = t0 <= 0 || o0 <= 0 || t1 <= 0 || o1 <= 0;
        t0 *= o0, t1 *= o1;
        return failed;
    }
    case laneCode::divideX: {
        const bool failed = notFinite(t0) || notFinite(t1);
        t0 = t0 / divisor(x0), t1 = t1 / divisor(x1);
        return failed;
    }
    case laneCode::divideScalar: {
        const bool failed = notFinite(t0) || notFinite(t1);
        const extended q = divisor(c());
        t0 = t0 / q, t1 = t1 / q;
        return failed;
    }
    case laneCode::divideLanes: {
        const bool failed = notFinite(t0) || notFinite(t1);
        t0 = t0 / divisor(v(0)), t1 = t1 / divisor(v(1));
        return failed;
    }
    case laneCode::divideReg: {
        const bool failed = notFinite(t0) || notFinite(t1) || notFinite(o0) || notFinite(o1);
        t0 = t0 / divisor(o0), t1 = t1 / divisor(o1);
        return failed;
    }
    case laneCode::divideIntoX: {
        const bool failed = notFinite(t0) || notFinite(t1);
        t0 = x0 / divisor(t0), t1 = x1 / divisor(t1);
        return failed;
    }
    case laneCode::divideIntoScalar: {
        const bool failed = notFinite(t0) || notFinite(t1);
        t0 = c() / divisor(t0), t1 = c() / divisor(t1);
        return failed;
    }
    case laneCode::divideIntoLanes: {
        const bool failed = notFinite(t0) || notFinite(t1);
        t0 = v(0) / divisor(t0), t1 = v(1) / divisor(t1);
        return failed;
    }
    case laneCode::divideIntoReg: {
        const bool failed = notFinite(t0) || notFinite(t1) || notFinite(o0) || notFinite(o1);
        t0 = o0 / divisor(t0), t1 = o1 / divisor(t1);
        return failed;
    }
    case laneCode::negate:
        t0 = -t0, t1 = -t1;
        return false;
    }
    return false;
}

bool allFinite(const laneStore& store, int count)
{
    bool ok = true;
    for (int i = 0; i < count; ++i)
        ok &= (exponentWord(store.at + i * store.stride) & kExponentMask) != kExponentMask;
    return ok;
}

} // namespace

namespace {

// Where x comes from, fixed for the whole run so that the lane loop does not ask again.
enum class xFrom { nowhere, memory, division };

template <xFrom source>
bool runLanes(const laneStep* steps, int stepCount, const xSource& x, int count,
              const laneStore stores[2])
{
    bool failed = false;
    for (int i = 0; i < count; i += 2) {
        // Two lanes of x and of both registers stay in the floating-point registers throughout.
        extended x0 = 0, x1 = 0;
        if constexpr (source == xFrom::memory) {
            x0 = x.values[i];
            x1 = x.values[i + 1];
        } else if constexpr (source == xFrom::division) {
            x0 = static_cast<extended>(x.first + i) / x.n;
            x1 = static_cast<extended>(x.first + i + 1) / x.n;
        }
        extended r00 = 0, r01 = 0, r10 = 0, r11 = 0; // register, lane
        for (int s = 0; s < stepCount; ++s) {
            const laneStep& st = steps[s];
            const auto v = [&st, i](int k) { return st.values[i + k]; };
            const auto c = [&st] { return st.scalar; };
            if (st.target == 0)
                failed |= apply(st.code, r00, r01, r10, r11, x0, x1, v, c);
            else
                failed |= apply(st.code, r10, r11, r00, r01, x0, x1, v, c);
        }
        const auto put = [i](const laneStore& to, extended lane0, extended lane1) {
            extended* first = to.at + i * to.stride;
            extended* second = first + to.stride;
            *first = lane0;
            *second = lane1;
            if (to.imag) { // whole 16-byte copies, no trip through the floating-point unit
                std::memcpy(first + 1, to.imag, sizeof(extended));
                std::memcpy(second + 1, to.imag, sizeof(extended));
            }
        };
        if (stores[0].at)
            put(stores[0], r00, r01);
        if (stores[1].at)
            put(stores[1], r10, r11);
    }
    return !failed;
}

} // namespace

bool registerRunLanes(const laneStep* steps, int stepCount, const xSource& x, bool usesX,
                      int count, const laneStore stores[2], bool finite)
{
    const bool passed = !usesX    ? runLanes<xFrom::nowhere>(steps, stepCount, x, count, stores)
                        : x.values ? runLanes<xFrom::memory>(steps, stepCount, x, count, stores)
                                   : runLanes<xFrom::division>(steps, stepCount, x, count, stores);
    if (!passed)
        return false;
    for (int r = 0; r < 2; ++r)
        if (finite && stores[r].at && !allFinite(stores[r], count))
            return false;
    return true;
}

} // namespace blockcode
