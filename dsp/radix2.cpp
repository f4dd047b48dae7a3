#include "dsp/radix2.h"

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
//   - keep the work area in a split layout of exact double pairs (radix2.h), cheaper to store,
//   - and, for lengths above one row, work in a padded copy: two spare elements after every 64
//     (and again every 4096, 2^18, 2^24), so that the four streams of a sweep never sit a multiple
//     of 4096 bytes apart, which would make the processor stall loads behind unrelated stores.
// The bit reversal becomes the copy into the padded buffer, and the copy out hands every bin to
// the caller.

namespace {

using std::size_t;

using radix2Layout::kRow;
using radix2Layout::paddedIndex;

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

using radix2Layout::get;
using radix2Layout::put;

inline void butterfly(complexValue& u, complexValue& v, const complexValue& r)
{
    const complexValue t = v * r;
    v = u - t;
    u = u + t;
}

// Stages d and 2d on the four elements at q0[p], q1[p], q2[p], q3[p] (q_k = block + k*d),
// for p in [0, count); t points at the triples of twiddles for p = 0. Cell is the layout of the
// work area (radix2.h).
template <typename Cell>
inline void radix4Run(Cell* q0, Cell* q1, Cell* q2, Cell* q3, size_t count, const complexValue* t)
{
    for (size_t p = 0; p < count; ++p, t += 3) {
        // This order of loads, butterflies and stores lets the compiler keep the most values on
        // the x87 register stack (measured); the results do not depend on it.
        complexValue u0 = get(q0[p]), u1 = get(q1[p]);
        butterfly(u0, u1, t[0]);
        complexValue u2 = get(q2[p]), u3 = get(q3[p]);
        butterfly(u2, u3, t[0]);
        butterfly(u0, u2, t[1]);
        put(q0[p], u0);
        put(q2[p], u2);
        butterfly(u1, u3, t[2]);
        put(q1[p], u1);
        put(q3[p], u3);
    }
}

// All stages of a contiguous block of n <= kRow elements (already in bit-reversed order).
template <typename Cell> void contiguousStages(Cell* x, size_t n, const twiddleTables& tw)
{
    size_t d = 1;
    for (; 4 * d <= n; d *= 4)
        for (size_t g = 0; g < n; g += 4 * d)
            radix4Run(x + g, x + g + d, x + g + 2 * d, x + g + 3 * d, d, triples(tw, d));
    if (d < n) // one stage left: d = n/2
        for (size_t p = 0; p < d; ++p) {
            complexValue u = get(x[p]), v = get(x[p + d]);
            butterfly(u, v, tw.single[d + p]);
            put(x[p], u);
            put(x[p + d], v);
        }
}

// Stages d and 2d (d >= 32) over the padded elements [begin, begin + 4d): runs of up to one row.
template <typename Cell> void paddedSweep(Cell* buf, size_t begin, size_t d, const twiddleTables& tw)
{
    const size_t run = d < kRow ? d : kRow;
    const complexValue* t = triples(tw, d);
    for (size_t p = 0; p < d; p += run)
        radix4Run(buf + paddedIndex(begin + p), buf + paddedIndex(begin + d + p),
                             buf + paddedIndex(begin + 2 * d + p), buf + paddedIndex(begin + 3 * d + p),
                             run, t + 3 * p);
}

// All stages of the padded block [begin, begin + n), depth first: the four quarters, then the
// sweep over the two top stages. n is 32 or 64 times a power of four; blocks of up to one row are
// contiguous.
template <typename Cell> void paddedBlock(Cell* buf, size_t begin, size_t n, const twiddleTables& tw)
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

template <typename Cell> void allStages(Cell* buf, size_t a, const twiddleTables& tw)
{
    if (a < 2)
        return;
    if (a <= kRow)
        contiguousStages(buf, a, tw);
    else
        paddedBlock(buf, 0, a, tw);
}

} // namespace

namespace radix2Layout {

// The x87 status word's overflow, underflow and invalid-operation flags, and all six exception
// flags.
constexpr std::uint16_t kInexactSplitFlags = 0x08 | 0x10 | 0x01;
constexpr std::uint16_t kExceptionFlags = 0x3f;

splitExactness::splitExactness()
{
    asm volatile("fnstsw %0\n\tfnclex" : "=m"(saved_)::"memory");
}

splitExactness::~splitExactness()
{
    // Raised flags are sticky: the caller's come back on top of whatever the run raised.
    if ((saved_ & kExceptionFlags) == 0)
        return;
    std::uint8_t environment[28];
    asm volatile("fnstenv %0" : "=m"(environment)::"memory");
    std::uint16_t status;
    std::memcpy(&status, environment + 4, sizeof status);
    status |= saved_ & kExceptionFlags;
    std::memcpy(environment + 4, &status, sizeof status);
    asm volatile("fldenv %0" ::"m"(environment) : "memory");
}

bool splitExactness::exact() const
{
    std::uint16_t status;
    asm volatile("fnstsw %0" : "=m"(status)::"memory");
    return (status & kInexactSplitFlags) == 0;
}

} // namespace radix2Layout

complexBuffer::complexBuffer(size_t count)
    : data_(static_cast<complexValue*>(::operator new[](count * sizeof(complexValue),
                                                         std::align_val_t{alignof(complexValue)}))),
      size_(count)
{
}

void complexBuffer::release::operator()(complexValue* p) const
{
    ::operator delete[](p, std::align_val_t{alignof(complexValue)});
}

radix2Plan::radix2Plan(size_t length) : length_(length)
{
    if (!runnable())
        return;
    if (length_ > 1)
        buildTwiddles(length_, twiddles_);
    padded_ = complexBuffer(paddedIndex(length_ - 1) + 1);

}

size_t radix2Plan::bytes() const
{
    const size_t values = twiddles_.single.size() + twiddles_.paired[0].size() +
                          twiddles_.paired[1].size() + padded_.size();
    return values * sizeof(complexValue);
}

void radix2Plan::splitButterflies()
{
    allStages(reinterpret_cast<radix2Layout::splitCell*>(padded_.data()), length_, twiddles_);
}

void radix2Plan::fullButterflies()
{
    allStages(padded_.data(), length_, twiddles_);
}

void radix2Plan::transform(std::span<complexValue> x)
{
    if (x.size() != length_)
        return;
    run([x](size_t i) { return x[i]; }, [x](size_t k, const complexValue& v) { x[k] = v; });
}

void radix2Transform(std::span<complexValue> x)
{
    radix2Plan(x.size()).transform(x);
}
