#include "dsp/fourier.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

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

using twiddleTables = radix2Plan::twiddleTables;

size_t parity(size_t d) { return std::countr_zero(d) % 2; }

// For the sweep over stages d and 2d, paired[parity(d)] holds from index d - 1 - parity(d) on the
// triples (r_p of d, r_p of 2d, r_(p+d) of 2d), p < d; consecutive sweeps of one parity follow
// each other without gaps. `single` holds r_p of a stage run alone at d + p.
const complexValue* triples(const twiddleTables& tw, size_t d)
{
    return &tw.paired[parity(d)][d - 1 - parity(d)];
}

// r_p = w^p of the stage with half size d, p = 0, 1, ..., by the recurrence r = r * w from 1.
class twiddleRecurrence {
public:
    explicit twiddleRecurrence(size_t d)
        : w_{std::cos(kPi / static_cast<extended>(d)), -std::sin(kPi / static_cast<extended>(d))}
    {
    }
    complexValue next()
    {
        const complexValue now = r_;
        r_ = r_ * w_;
        return now;
    }

private:
    complexValue w_;
    complexValue r_{1, 0};
};

// Calls sweep(d) for every two-stage sweep and single(d) for the stage run alone, if any, of the
// transform of length a > 1: the stages of a row of up to kRow elements (or all of a shorter
// sequence), then the sweeps over the padded blocks above it, as the loops below run them.
template <typename Sweep, typename Single> void forEachSweep(size_t a, Sweep&& sweep, Single&& single)
{
    const size_t row = a <= kRow ? a : (std::countr_zero(a) % 2 == 0 ? kRow : kRow / 2);
    size_t d = 1;
    for (; 4 * d <= row; d *= 4)
        sweep(d);
    if (d < row)
        single(d);
    for (d = row; 4 * d <= a; d *= 4)
        sweep(d);
}

void buildTwiddles(size_t a, twiddleTables& tw)
{
    // Each parity's table ends with the triples of its largest sweep.
    size_t largest[2] = {0, 0};
    forEachSweep(
        a, [&](size_t d) { largest[parity(d)] = d; }, [&](size_t d) { tw.single = complexBuffer(2 * d); });
    for (size_t k = 0; k < 2; ++k)
        if (largest[k] > 0)
            tw.paired[k] = complexBuffer(4 * largest[k] - 1 - k);
    forEachSweep(
        a,
        [&](size_t d) {
            // The two stages' recurrences run side by side, so that one's products wait less for
            // the other's.
            complexValue* t = &tw.paired[parity(d)][d - 1 - parity(d)];
            twiddleRecurrence first(d), second(2 * d);
            for (size_t p = 0; p < d; ++p) {
                t[3 * p] = first.next();
                t[3 * p + 1] = second.next();
            }
            for (size_t p = 0; p < d; ++p)
                t[3 * p + 2] = second.next();
        },
        [&](size_t d) {
            twiddleRecurrence stage(d);
            for (size_t p = 0; p < d; ++p)
                tw.single[d + p] = stage.next();
        });
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
            radix4Run(x + g, x + g + d, x + g + 2 * d, x + g + 3 * d, d, triples(tw, d));
    if (d < n) // one stage left: d = n/2
        for (size_t p = 0; p < d; ++p)
            butterfly(x[p], x[p + d], tw.single[d + p]);
}

// Stages d and 2d (d >= 32) over the padded elements [begin, begin + 4d): runs of up to one row.
void paddedSweep(complexValue* buf, size_t begin, size_t d, const twiddleTables& tw)
{
    const size_t run = d < kRow ? d : kRow;
    const complexValue* t = triples(tw, d);
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

void paddedTransform(std::span<complexValue> x, const twiddleTables& tw, complexValue* buf)
{
    const size_t a = x.size();

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

complexBuffer::complexBuffer(size_t count, bool zeroed)
    : data_(static_cast<complexValue*>(::operator new[](count * sizeof(complexValue),
                                                         std::align_val_t{alignof(complexValue)}))),
      size_(count)
{
    if (zeroed)
        std::memset(static_cast<void*>(data_.get()), 0, count * sizeof(complexValue));
}

void complexBuffer::release::operator()(complexValue* p) const
{
    ::operator delete[](p, std::align_val_t{alignof(complexValue)});
}

radix2Plan::radix2Plan(size_t length) : length_(length)
{
    if (length_ < 2 || !std::has_single_bit(length_))
        return;
    buildTwiddles(length_, twiddles_);
    if (length_ > kRow)
        padded_ = complexBuffer(paddedIndex(length_ - 1) + 1);
}

void radix2Plan::transform(std::span<complexValue> x)
{
    const size_t a = x.size();
    if (a != length_ || a < 2 || !std::has_single_bit(a))
        return;
    if (a <= kRow) {
        bitReverseInPlace(x.data(), a);
        contiguousStages(x.data(), a, twiddles_);
        return;
    }
    paddedTransform(x, twiddles_, padded_.data());
}

void radix2Transform(std::span<complexValue> x)
{
    radix2Plan(x.size()).transform(x);
}

void fourierTransform(const tdspvar& source, fourierDirection direction, sampleBuffer& out)
{
    const int n = source.sampleCount();
    out.setCount(n);
    out.isComplex = true;
    if (n <= 0)
        return;
    const bool inverse = direction == fourierDirection::inverse;
    const auto a = static_cast<size_t>(nextPowerOfTwo(n));
    complexBuffer work(a);
    const std::span<complexValue> w = work.span();

    // Resampling onto a points (order-50 sinc); a power-of-two length takes its samples as they
    // are. The inverse reads the conjugate.
    constexpr int kResamplingOrder = 50;
    const extended conjugate = inverse ? -1 : 1;
    if (a == static_cast<size_t>(n)) {
        // A real variable has no imaginary parts; they read as 0.
        const bool complex = source.imag().size() == a;
        for (size_t i = 0; i < a; ++i)
            w[i] = {source.real()[i], conjugate * (complex ? source.imag()[i] : 0)};
    } else {
        source.resampleOnto(kResamplingOrder, w);
        if (inverse)
            for (complexValue& c : w)
                c.im = conjugate * c.im;
    }

    radix2Plan(a).transform(w);

    // Folding onto n bins: non-negative frequencies from the bottom, negative ones (the bin a/2
    // included) onto the top; where the two ranges overlap their contributions add up. Each bin
    // starts from 0 and adds its contributions in that order, then it is divided by a and
    // multiplied by n (direct) or conjugated (inverse). a is a power of two, so the product with
    // its exact reciprocal is the quotient, bit for bit.
    const auto count = static_cast<size_t>(n);
    const size_t half = a / 2;
    const extended reciprocal = 1 / static_cast<extended>(a);
    const auto samples = static_cast<extended>(n);
    complexValue* o = out.values.data();
    for (size_t k = 0; k < count; ++k) {
        complexValue bin{};
        if (a == 1)
            bin = w[0];
        if (k < half)
            bin = bin + w[k];
        if (k + half >= count)
            bin = bin + w[a - count + k];
        o[k] = inverse ? complexValue{bin.re * reciprocal, -(bin.im * reciprocal)}
                       : complexValue{bin.re * reciprocal * samples, bin.im * reciprocal * samples};
    }
}
