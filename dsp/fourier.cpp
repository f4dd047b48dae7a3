#include "dsp/fourier.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

// How the radix-2 transform is laid out for speed. Every butterfly of stage m pairs elements that
// lie in the same block of 2^m, so any loop order that finishes a stage's butterflies in a block
// before the next stage touches that block computes the same numbers. We therefore
//   - take the twiddles of each stage from a table filled once by the recurrence r = r*w,
//   - run two stages per sweep (four elements, four butterflies, one load and one store each),
//   - go depth-first through blocks, so the early stages run on data that sits in the cache,
//   - and, for lengths above one row, work in a padded copy: two spare elements after every 64
//     (and again every 4096, 2^18, 2^24), so that the four streams of a sweep never sit a multiple
//     of 4096 bytes apart, which would make the processor stall loads behind unrelated stores.
// The bit reversal becomes the copy into the padded buffer.

namespace {

using std::size_t;

constexpr size_t kRow = 64; // elements kept contiguous in the padded layout

size_t paddedIndex(size_t i)
{
    return i + 2 * ((i >> 6) + (i >> 12) + (i >> 18) + (i >> 24));
}

// Twiddles r_p = w^p of the stage with half size d (w = cos(pi/d) - j sin(pi/d)), computed by the
// recurrence: `single` holds them at [d, 2d). For the sweeps over stages d and 2d, `paired` holds
// the triples (r_p of d, r_p of 2d, r_(p+d) of 2d), p < d: for d = 4^k at 3p + d - 1 of
// paired[0], for d = 2 * 4^k at 3p + d - 2 of paired[1].
struct twiddleTables {
    std::vector<complexValue> single{complexValue{}};
    std::vector<complexValue> paired[2];

    static size_t parity(size_t d) { return std::countr_zero(d) % 2; }

    const complexValue* triples(size_t d) const { return &paired[parity(d)][d - 1 - parity(d)]; }

    void grow(size_t length)
    {
        for (size_t d = single.size(); d < length; d *= 2) {
            single.resize(2 * d);
            const extended angle = kPi / static_cast<extended>(d);
            const complexValue w{std::cos(angle), -std::sin(angle)};
            complexValue r{1, 0};
            for (size_t p = 0; p < d; ++p) {
                single[d + p] = r;
                r = r * w;
            }
        }
        if (paired[0].size() >= length)
            return;
        for (std::vector<complexValue>& table : paired)
            table.resize(length);
        for (size_t d = 1; 4 * d <= length; d *= 2) {
            complexValue* t = &paired[parity(d)][d - 1 - parity(d)];
            for (size_t p = 0; p < d; ++p, t += 3) {
                t[0] = single[d + p];
                t[1] = single[2 * d + p];
                t[2] = single[2 * d + p + d];
            }
        }
    }
};

struct radix2State {
    twiddleTables twiddles;
    std::vector<complexValue> padded;
};

radix2State& state()
{
    thread_local radix2State s;
    return s;
}

inline void butterfly(complexValue& u, complexValue& v, const complexValue& r)
{
    const complexValue t = v * r;
    v = u - t;
    u = u + t;
}

// Stages d and 2d on the four elements at q0[p], q1[p], q2[p], q3[p] (q_k = block + k*d),
// for p in [0, count); t points at the triples of twiddles for p = 0.
inline void radix4Run(complexValue* q0, complexValue* q1, complexValue* q2, complexValue* q3,
                      size_t count, const complexValue* t)
{
    for (size_t p = 0; p < count; ++p, t += 3) {
        // This order of loads, butterflies and stores lets the compiler keep the most values on
        // the x87 register stack (measured); the results do not depend on it.
        complexValue u0 = q0[p], u1 = q1[p];
        butterfly(u0, u1, t[0]);
        complexValue u2 = q2[p], u3 = q3[p];
        butterfly(u2, u3, t[0]);
        butterfly(u0, u2, t[1]);
        q0[p] = u0;
        q2[p] = u2;
        butterfly(u1, u3, t[2]);
        q1[p] = u1;
        q3[p] = u3;
    }
}

// All stages of a contiguous block of n <= kRow elements (already in bit-reversed order).
void contiguousStages(complexValue* x, size_t n, const twiddleTables& tw)
{
    size_t d = 1;
    for (; 4 * d <= n; d *= 4)
        for (size_t g = 0; g < n; g += 4 * d)
            radix4Run(x + g, x + g + d, x + g + 2 * d, x + g + 3 * d, d, tw.triples(d));
    if (d < n) // one stage left: d = n/2
        for (size_t p = 0; p < d; ++p)
            butterfly(x[p], x[p + d], tw.single[d + p]);
}

// Stages d and 2d (d >= 32) over the padded elements [begin, begin + 4d): runs of up to one row.
void paddedSweep(complexValue* buf, size_t begin, size_t d, const twiddleTables& tw)
{
    const size_t run = d < kRow ? d : kRow;
    const complexValue* t = tw.triples(d);
    for (size_t p = 0; p < d; p += run)
        radix4Run(buf + paddedIndex(begin + p), buf + paddedIndex(begin + d + p),
                  buf + paddedIndex(begin + 2 * d + p), buf + paddedIndex(begin + 3 * d + p), run,
                  t + 3 * p);
}

// All stages of the padded block [begin, begin + n), depth first: the four quarters, then the
// sweep over the two top stages. n is 32 or 64 times a power of four; blocks of up to one row are
// contiguous.
void paddedBlock(complexValue* buf, size_t begin, size_t n, const twiddleTables& tw)
{
    if (n <= kRow) {
        contiguousStages(buf + paddedIndex(begin), n, tw);
        return;
    }
    const size_t quarter = n / 4;
    for (size_t k = 0; k < 4; ++k)
        paddedBlock(buf, begin + k * quarter, quarter, tw);
    paddedSweep(buf, begin, quarter, tw);
}

// Element i goes to position bitreverse(i); the same exchanges as the classic in-place loop.
void bitReverseInPlace(complexValue* x, size_t a)
{
    size_t j = a / 2;
    for (size_t i = 1; i + 1 < a; ++i) {
        if (j > i)
            std::swap(x[i], x[j]);
        size_t k = a / 2;
        while (j >= k) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
}

void paddedTransform(std::span<complexValue> x, radix2State& s)
{
    const size_t a = x.size();
    const twiddleTables& tw = s.twiddles;
    if (s.padded.size() < paddedIndex(a - 1) + 1)
        s.padded.resize(paddedIndex(a - 1) + 1);
    complexValue* buf = s.padded.data();

    // Bit-reversed copy: j runs through bitreverse(i).
    size_t j = 0;
    for (size_t i = 0; i < a; ++i) {
        buf[paddedIndex(j)] = x[i];
        size_t k = a / 2;
        while (k > 0 && j >= k) {
            j -= k;
            k /= 2;
        }
        j += k;
    }

    paddedBlock(buf, 0, a, tw);

    for (size_t row = 0; row < a; row += kRow) {
        const complexValue* from = buf + paddedIndex(row);
        for (size_t q = 0; q < kRow; ++q)
            x[row + q] = from[q];
    }
}

} // namespace

transformWork& theTransformWork()
{
    static transformWork work;
    return work;
}

void radix2Transform(std::span<complexValue> x)
{
    const size_t a = x.size();
    if (a < 2 || !std::has_single_bit(a))
        return;
    radix2State& s = state();
    s.twiddles.grow(a);
    if (a <= kRow) {
        bitReverseInPlace(x.data(), a);
        contiguousStages(x.data(), a, s.twiddles);
        return;
    }
    paddedTransform(x, s);
}

void fourierTransform(const tdspvar& source, fourierDirection direction, sampleBuffer& out,
                      transformWork& work)
{
    const int n = source.sampleCount();
    out.setCount(n);
    out.isComplex = true;
    if (n <= 0)
        return;
    const bool inverse = direction == fourierDirection::inverse;
    const auto a = static_cast<size_t>(nextPowerOfTwo(n));
    if (work.a.size() < a)
        work.a.resize(a);
    const std::span<complexValue> w(work.a.data(), a);

    // Resampling onto a points (order-50 sinc); a power-of-two length takes its samples as they are.
    constexpr int kResamplingOrder = 50;
    const extended conjugate = inverse ? -1 : 1;
    if (a == static_cast<size_t>(n)) {
        for (size_t i = 0; i < a; ++i)
            w[i] = {source.realSample(static_cast<std::int64_t>(i)),
                    conjugate * source.imagSample(static_cast<std::int64_t>(i))};
    } else {
        for (size_t i = 0; i < a; ++i) {
            const extended x = static_cast<extended>(i) / static_cast<extended>(a);
            const complexValue v = source.interpolatedValue(kResamplingOrder, x);
            w[i] = {v.re, conjugate * v.im};
        }
    }

    radix2Transform(w);

    // Folding onto n bins: non-negative frequencies from the bottom, negative ones (the bin a/2
    // included) onto the top; where the two ranges overlap their contributions add up.
    complexValue* o = out.values.data();
    const auto count = static_cast<size_t>(n);
    for (size_t k = 0; k < count; ++k)
        o[k] = {};
    const size_t half = a / 2;
    for (size_t k = 0; k < half; ++k)
        o[k] = o[k] + w[k];
    for (size_t k = 1; k <= half; ++k)
        o[count - k] = o[count - k] + w[a - k];
    if (a == 1)
        o[0] = w[0];

    const auto length = static_cast<extended>(a);
    const auto samples = static_cast<extended>(n);
    for (size_t k = 0; k < count; ++k) {
        if (inverse)
            o[k] = {o[k].re / length, -(o[k].im / length)};
        else
            o[k] = {o[k].re / length * samples, o[k].im / length * samples};
    }
}
