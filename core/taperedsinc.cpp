#include "core/taperedsinc.h"

#include <array>
#include <cmath>
#include <cstddef>

// How the sums are cheap. With d = base + j, sin(pi d) is (-1)^j sin(pi base), and the two sides
// of a position share sin(pi f) = sin(pi (1 - f)); the normalisation divides that common factor
// out, so neighbour j of a side weighs just
//     w_j = (-1)^j / (d (1 + q_j)),   q_j = e^(0.01 pi d) = q_0 e^(0.01 pi j),
// one division per neighbour and the taper stepped by one product (no sine, no exponential).
// Only a flat-topped neighbour, which weighs exactly 1 against the full kernel of the others,
// needs the sine again. Two reads whose fractions add up to 1 have the same distances with the
// sides swapped and share every weight. The loops are written for the x87 stack: compiled code
// spills the running sums to memory and reloads them in 80 bits, which costs more than the
// arithmetic, and a batch inversion (one division for many weights) would have to do the same
// with its partial products; the division runs beside the rest of the loop instead.

namespace taperedsinc {
namespace {

constexpr extended kTaperRate = 0.01L; // taper 2 / (1 + e^(0.01 pi d))

std::int64_t wrapIndex(std::int64_t index, std::int64_t count)
{
    const std::int64_t m = index % count;
    return m < 0 ? m + count : m;
}

// e^(0.01 pi t) for 0 <= t <= 1, and e^(0.01 pi), the factor from one neighbour's taper to the
// next one's. The exponential is the tabled value at the sixty-fourth below t times a Taylor
// polynomial for the rest: its argument stays under 0.01 pi / 64, where five terms give the full
// 64-bit significand.
class taperExponential {
public:
    taperExponential()
    {
        for (int k = 0; k <= kSteps; ++k)
            table_[static_cast<std::size_t>(k)] = std::exp(kTaperRate * kPi * k / kSteps);
        step = table_[kSteps];
    }

    extended operator()(extended t) const
    {
        // Through double: converting extended to an integer switches the rounding mode. A k one
        // too high leaves y slightly negative, where the series holds as well.
        const int k = static_cast<int>(static_cast<double>(t * kSteps));
        const extended y = kTaperRate * kPi * (t - static_cast<extended>(k) / kSteps);
        const extended series =
            1 + y * (1 + y * (1.0L / 2 + y * (1.0L / 6 + y * (1.0L / 24 + y * (1.0L / 120)))));
        return table_[static_cast<std::size_t>(k)] * series;
    }

    extended step = 0;

private:
    static constexpr int kSteps = 64;
    std::array<extended, kSteps + 1> table_{};
};

const taperExponential& taperExp()
{
    static const taperExponential e;
    return e;
}

// The running state of a sum as the x87 loop keeps it on the register stack; the loop loads and
// stores it by these offsets. `first` and `second` are the sums of two sample streams under the
// same weights: the two parts of a complex read, or two mirrored reads.
struct weightedSums {
    extended q = 0;      // e^(0.01 pi d) of the next neighbour
    extended d = 0;      // distance of the next neighbour
    extended first = 0;  // sum of w * x over the first stream
    extended second = 0; // sum of w * x over the second stream
    extended weight = 0; // sum of w
    extended step = 0;   // e^(0.01 pi): the factor from one neighbour's q to the next one's
};
static_assert(offsetof(weightedSums, d) == 16 && offsetof(weightedSums, first) == 32 &&
                  offsetof(weightedSums, second) == 48 && offsetof(weightedSums, weight) == 64 &&
                  offsetof(weightedSums, step) == 80,
              "the x87 loops address weightedSums by these offsets");

// +1 and -1, the numerators of the even and the odd neighbours' weights.
alignas(16) constexpr double kSignedOne[2] = {1.0, -1.0};

// One neighbour of one stream. Stack on entry and exit: q, d, first, weight, step (st0 .. st4);
// at most seven values are ever on it. SIGNED_ONE is the memory operand +1 or -1.
#define KELMO_ONE_STREAM_TAP(SIGNED_ONE)                                                           \
    "fld %%st(0)\n\t"            /* q q d first weight step        */                             \
    "faddl (%[one])\n\t"         /* q + 1                          */                             \
    "fmul %%st(2), %%st\n\t"     /* D = d (q + 1)                  */                             \
    "fdivrl " SIGNED_ONE "\n\t"  /* w = +-1 / D                    */                             \
    "fadd %%st, %%st(4)\n\t"     /* weight += w                    */                             \
    "fldt (%[x])\n\t"            /* x w q d first weight step      */                             \
    "fmulp %%st, %%st(1)\n\t"    /* w x                            */                             \
    "faddp %%st, %%st(3)\n\t"    /* first += w x                   */                             \
    "fmul %%st(4), %%st\n\t"     /* q *= step                      */                             \
    "fld1\n\t"                                                                                     \
    "faddp %%st, %%st(2)\n\t"    /* d += 1                         */                             \
    "add %[xStride], %[x]\n\t"

// One neighbour of two streams. Stack on entry and exit: q, d, first, second, weight, step.
#define KELMO_TWO_STREAM_TAP(SIGNED_ONE)                                                           \
    "fld %%st(0)\n\t"                                                                              \
    "faddl (%[one])\n\t"                                                                           \
    "fmul %%st(2), %%st\n\t"                                                                       \
    "fdivrl " SIGNED_ONE "\n\t"  /* w q d first second weight step */                             \
    "fadd %%st, %%st(5)\n\t"     /* weight += w                    */                             \
    "fldt (%[x])\n\t"                                                                              \
    "fmul %%st(1), %%st\n\t"                                                                       \
    "faddp %%st, %%st(4)\n\t"    /* first += w x                   */                             \
    "fldt (%[y])\n\t"                                                                              \
    "fmulp %%st, %%st(1)\n\t"                                                                      \
    "faddp %%st, %%st(4)\n\t"    /* second += w y                  */                             \
    "fmul %%st(5), %%st\n\t"     /* q *= step                      */                             \
    "fld1\n\t"                                                                                     \
    "faddp %%st, %%st(2)\n\t"    /* d += 1                         */                             \
    "add %[xStride], %[x]\n\t"                                                                     \
    "add %[yStride], %[y]\n\t"

// One neighbour on each side of a read, weights only, each stored at [l] and [r] as the exact
// pair hi = w rounded to double, gap = hi - w (w lies between 1/310 and 500, where both stores
// are exact). Stack on entry and exit: qLeft, dLeft, qRight, dRight, step: the two sides' chains
// of products and sums run side by side instead of one after the other.
#define KELMO_WEIGHT_TAPS(SIGNED_ONE)                                                              \
    "fld %%st(0)\n\t"                                                                              \
    "faddl (%[one])\n\t"                                                                           \
    "fmul %%st(2), %%st\n\t"                                                                       \
    "fdivrl " SIGNED_ONE "\n\t"  /* wL qL dL qR dR step             */                            \
    "fstl (%[l])\n\t"                                                                              \
    "fsubrl (%[l])\n\t"                                                                            \
    "fstpl 8(%[l])\n\t"                                                                            \
    "fld %%st(2)\n\t"                                                                              \
    "faddl (%[one])\n\t"                                                                           \
    "fmul %%st(4), %%st\n\t"                                                                       \
    "fdivrl " SIGNED_ONE "\n\t"  /* wR qL dL qR dR step             */                            \
    "fstl (%[r])\n\t"                                                                              \
    "fsubrl (%[r])\n\t"                                                                            \
    "fstpl 8(%[r])\n\t"                                                                            \
    "fmul %%st(4), %%st\n\t"     /* qL *= step                      */                            \
    "fld1\n\t"                                                                                     \
    "faddp %%st, %%st(2)\n\t"    /* dL += 1                         */                            \
    "fxch %%st(2)\n\t"                                                                             \
    "fmul %%st(4), %%st\n\t"     /* qR *= step                      */                            \
    "fxch %%st(2)\n\t"                                                                             \
    "fld1\n\t"                                                                                     \
    "faddp %%st, %%st(4)\n\t"    /* dR += 1                         */                            \
    "add $16, %[l]\n\t"                                                                            \
    "add $16, %[r]\n\t"

// Neighbour pairs (+, -) while two are left, then a last + if one is.
#define KELMO_TAP_LOOP(TAP)                                                                        \
    "sub $2, %[count]\n\t"                                                                         \
    "jl 2f\n"                                                                                      \
    "1:\n\t" TAP("(%[one])") TAP("8(%[one])") "sub $2, %[count]\n\t"                              \
    "jge 1b\n"                                                                                     \
    "2:\n\t"                                                                                       \
    "cmp $-1, %[count]\n\t"                                                                        \
    "jne 3f\n\t" TAP("(%[one])") "3:\n\t"

#define KELMO_X87_CLOBBERS "st", "st(1)", "st(2)", "st(3)", "st(4)", "st(5)", "st(6)", "st(7)"

// Adds `count` neighbours to `s`: neighbour j lies at distance s.d + j, weighs
// (-1)^j / ((s.d + j) (1 + s.q e^(0.01 pi j))) and reads x[j * xStep] into `first` and, when y is
// not null, y[j * yStep] into `second`.
void addNeighbours(const extended* x, std::ptrdiff_t xStep, const extended* y, std::ptrdiff_t yStep,
                   int count, weightedSums& s)
{
    long remaining = count;
    const std::ptrdiff_t xStride = xStep * static_cast<std::ptrdiff_t>(sizeof(extended));
    const std::ptrdiff_t yStride = yStep * static_cast<std::ptrdiff_t>(sizeof(extended));
    if (y == nullptr) {
        asm volatile("fldt 80(%[s])\n\t"
                     "fldt 64(%[s])\n\t"
                     "fldt 32(%[s])\n\t"
                     "fldt 16(%[s])\n\t"
                     "fldt (%[s])\n\t" KELMO_TAP_LOOP(KELMO_ONE_STREAM_TAP) "fstpt (%[s])\n\t"
                     "fstpt 16(%[s])\n\t"
                     "fstpt 32(%[s])\n\t"
                     "fstpt 64(%[s])\n\t"
                     "fstp %%st(0)\n\t"
                     : [x] "+r"(x), [count] "+r"(remaining)
                     : [s] "r"(&s), [one] "r"(kSignedOne), [xStride] "r"(xStride)
                     : KELMO_X87_CLOBBERS, "memory", "cc");
        return;
    }
    asm volatile("fldt 80(%[s])\n\t"
                 "fldt 64(%[s])\n\t"
                 "fldt 48(%[s])\n\t"
                 "fldt 32(%[s])\n\t"
                 "fldt 16(%[s])\n\t"
                 "fldt (%[s])\n\t" KELMO_TAP_LOOP(KELMO_TWO_STREAM_TAP) "fstpt (%[s])\n\t"
                 "fstpt 16(%[s])\n\t"
                 "fstpt 32(%[s])\n\t"
                 "fstpt 48(%[s])\n\t"
                 "fstpt 64(%[s])\n\t"
                 "fstp %%st(0)\n\t"
                 : [x] "+r"(x), [y] "+r"(y), [count] "+r"(remaining)
                 : [s] "r"(&s), [one] "r"(kSignedOne), [xStride] "r"(xStride), [yStride] "r"(yStride)
                 : KELMO_X87_CLOBBERS, "memory", "cc");
}

// The weights of `count` neighbours on each side, as addNeighbours computes them from the same
// starting q and d: neighbour j of a side at left[2j], left[2j + 1] (hi, gap), likewise right.
void sideWeights(extended qLeft, extended dLeft, extended qRight, extended dRight, extended step,
                 int count, double* left, double* right)
{
    long remaining = count;
    asm volatile("fldt %[step]\n\t"
                 "fldt %[dRight]\n\t"
                 "fldt %[qRight]\n\t"
                 "fldt %[dLeft]\n\t"
                 "fldt %[qLeft]\n\t" KELMO_TAP_LOOP(KELMO_WEIGHT_TAPS) "fstp %%st(0)\n\t"
                 "fstp %%st(0)\n\t"
                 "fstp %%st(0)\n\t"
                 "fstp %%st(0)\n\t"
                 "fstp %%st(0)\n\t"
                 : [l] "+r"(left), [r] "+r"(right), [count] "+r"(remaining)
                 : [one] "r"(kSignedOne), [qLeft] "m"(qLeft), [dLeft] "m"(dLeft), [qRight] "m"(qRight),
                   [dRight] "m"(dRight), [step] "m"(step)
                 : KELMO_X87_CLOBBERS, "memory", "cc");
}

#undef KELMO_X87_CLOBBERS
#undef KELMO_TAP_LOOP
#undef KELMO_WEIGHT_TAPS
#undef KELMO_TWO_STREAM_TAP
#undef KELMO_ONE_STREAM_TAP

// The 2n samples around grid point i, from index i - n + 1 on, wrapping around the period; a
// window that does not wrap is read in place. No samples give no window.
class sampleWindow {
public:
    sampleWindow(const std::vector<extended>* samples, std::int64_t i, int order)
    {
        if (samples == nullptr)
            return;
        const auto count = static_cast<std::int64_t>(samples->size());
        const std::int64_t first = i - order + 1;
        if (first >= 0 && i + order < count) {
            centre_ = samples->data() + i;
            return;
        }
        std::int64_t m = wrapIndex(first, count);
        for (int k = 0; k < 2 * order; ++k) {
            copy_[static_cast<std::size_t>(k)] = (*samples)[static_cast<std::size_t>(m)];
            if (++m == count)
                m = 0;
        }
        centre_ = copy_.data() + (order - 1);
    }
    sampleWindow(const sampleWindow&) = delete;
    sampleWindow& operator=(const sampleWindow&) = delete;

    // Sample i (the window reaches order - 1 before and order after it), or null.
    const extended* centre() const { return centre_; }

private:
    const extended* centre_ = nullptr;
    std::array<extended, 2 * kMaxSteppedOrder> copy_;
};

// Sums for both sides of a read at fraction f: the left neighbours from `left` downwards at
// distances f + j, the right ones from `right` upwards at 1 - f + j; the second stream (if any)
// at the same offsets from `left2` and `right2`. f must keep both nearest distances off the flat
// top.
weightedSums bothSides(const extended* left, const extended* right, const extended* left2,
                       std::ptrdiff_t left2Step, const extended* right2, std::ptrdiff_t right2Step,
                       extended f, int order)
{
    const taperExponential& exp = taperExp();
    weightedSums s;
    s.step = exp.step;
    s.d = f;
    s.q = exp(f);
    const extended rightQ = exp.step / s.q;
    addNeighbours(left, -1, left2, left2Step, order, s);
    s.d = 1 - f;
    s.q = rightQ;
    addNeighbours(right, 1, right2, right2Step, order, s);
    return s;
}

// The weights of both sides of a read at fraction f (kFlatLimit <= f <= 1 - kFlatLimit), the
// same values bothSides computes, for sums taken in a second pass.
class mirroredWeights {
public:
    mirroredWeights(extended f, int order) : order_(order)
    {
        const taperExponential& exp = taperExp();
        const extended q = exp(f);
        sideWeights(q, f, exp.step / q, 1 - f, exp.step, order, left_.data(), right_.data());
    }
    // Neighbour j of the left side (distance f + j) or of the right one (1 - f + j).
    extended left(int j) const { return at(left_, j); }
    extended right(int j) const { return at(right_, j); }
    int order() const { return order_; }

private:
    using pairs = std::array<double, 2 * kMaxSteppedOrder>;
    static extended at(const pairs& p, int j)
    {
        return static_cast<extended>(p[static_cast<std::size_t>(2 * j)]) - p[static_cast<std::size_t>(2 * j + 1)];
    }
    int order_;
    pairs left_, right_;
};

// Sums of w x over the neighbours, in bothSides' order (left side, then right side), for streams
// that start at `atLeft` (read downwards or upwards by leftStep) and `atRight`.
struct streamSum {
    const extended* atLeft;
    std::ptrdiff_t leftStep;
    const extended* atRight;
    std::ptrdiff_t rightStep;
    extended sum = 0;
};

} // namespace

complexValue read(const std::vector<extended>& re, const std::vector<extended>* im, std::int64_t i,
                  extended f, int order)
{
    const sampleWindow reWindow(&re, i, order);
    const sampleWindow imWindow(im, i, order);
    const extended* r = reWindow.centre();
    const extended* m = imWindow.centre();
    const extended g = 1 - f;
    if (f >= kFlatLimit && g >= kFlatLimit) {
        const weightedSums s = bothSides(r, r + 1, m, -1, m != nullptr ? m + 1 : nullptr, 1, f, order);
        const extended weight = s.weight + kWeightSeed;
        return {s.first / weight, s.second / weight};
    }

    // The nearest neighbour on one side is flat. The others on that side are summed from the
    // second on, whose sign is negative; everything but the flat one is scaled back by the shared
    // factor 2 sin(pi d) / pi, d the flat one's distance.
    const taperExponential& exp = taperExp();
    const bool leftFlat = f < kFlatLimit;
    const std::ptrdiff_t flat = leftFlat ? 0 : 1;
    const auto at = [m](std::ptrdiff_t offset) { return m != nullptr ? m + offset : nullptr; };
    weightedSums s;
    const extended flatDistance = leftFlat ? f : g;
    s.step = exp.step;
    s.d = flatDistance + 1;
    s.q = exp(flatDistance) * exp.step;
    if (leftFlat)
        addNeighbours(r - 1, -1, at(-1), -1, order - 1, s);
    else
        addNeighbours(r + 2, 1, at(2), 1, order - 1, s);
    s = {0, 0, -s.first, -s.second, -s.weight, exp.step};
    s.d = leftFlat ? g : f;
    s.q = exp(s.d);
    if (leftFlat)
        addNeighbours(r + 1, 1, at(1), 1, order, s);
    else
        addNeighbours(r, -1, m, -1, order, s);
    const extended c = 2 * std::sin(kPi * flatDistance) / kPi;
    const extended weight = kWeightSeed + 1 + c * s.weight;
    return {(r[flat] + c * s.first) / weight, ((m != nullptr ? m[flat] : 0) + c * s.second) / weight};
}

// Every stream summed under the weights, and their sum: the neighbours in one loop per side, each
// stream's sum taking its terms in the same order as ever.
template <std::size_t N> extended sumStreams(const mirroredWeights& w, std::array<streamSum, N>& streams)
{
    extended weight = 0;
    for (int j = 0; j < w.order(); ++j) {
        const extended v = w.left(j);
        weight += v;
        for (streamSum& s : streams)
            s.sum += v * s.atLeft[j * s.leftStep];
    }
    for (int j = 0; j < w.order(); ++j) {
        const extended v = w.right(j);
        weight += v;
        for (streamSum& s : streams)
            s.sum += v * s.atRight[j * s.rightStep];
    }
    return weight + kWeightSeed;
}

mirroredReads readMirrored(const std::vector<extended>& samples, std::int64_t iA, std::int64_t iB,
                           extended f, int order)
{
    const sampleWindow aWindow(&samples, iA, order);
    const sampleWindow bWindow(&samples, iB, order);
    const extended* a = aWindow.centre();
    const extended* b = bWindow.centre();
    // A's left side and B's right side lie at distances f + j, A's right and B's left at 1 - f + j.
    std::array<streamSum, 2> s{{{a, -1, a + 1, 1}, {b + 1, 1, b, -1}}};
    const extended weight = sumStreams(mirroredWeights(f, order), s);
    return {s[0].sum / weight, s[1].sum / weight};
}

mirroredComplexReads readMirrored(const std::vector<extended>& re, const std::vector<extended>& im,
                                  std::int64_t iA, std::int64_t iB, extended f, int order)
{
    const sampleWindow aRe(&re, iA, order), bRe(&re, iB, order);
    const sampleWindow aIm(&im, iA, order), bIm(&im, iB, order);
    const extended* a = aRe.centre();
    const extended* b = bRe.centre();
    const extended* ai = aIm.centre();
    const extended* bi = bIm.centre();
    std::array<streamSum, 4> s{{{a, -1, a + 1, 1}, {b + 1, 1, b, -1}, {ai, -1, ai + 1, 1}, {bi + 1, 1, bi, -1}}};
    const extended weight = sumStreams(mirroredWeights(f, order), s);
    return {{s[0].sum / weight, s[1].sum / weight}, {s[2].sum / weight, s[3].sum / weight}};
}

} // namespace taperedsinc
