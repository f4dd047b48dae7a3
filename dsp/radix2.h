// The radix-2 transform of one power-of-two length, ready to run: its twiddle tables, filled once
// by the recurrence, and a padded work area. A caller hands it the sequence element by element
// and takes the bins back the same way, so the copy in (bit-reversed) and the copy out are the
// only passes besides the butterflies; whatever the caller does with a value on the way in or
// out (placing, conjugating, folding, scaling) happens in those passes. A plan is used by one
// thread at a time; its memory (about two sequences of its length) goes with it.
#pragma once

#include "core/extended.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

// Storage for `count` complex values, allocated as raw memory: std::vector would build every
// element with an 80-bit store (and reload) per part, which for the transform lengths here costs
// as much as a stage of butterflies. New storage holds no defined values until written.
class complexBuffer {
public:
    complexBuffer() = default;
    explicit complexBuffer(std::size_t count);

    std::size_t size() const { return size_; }
    complexValue* data() { return data_.get(); }
    const complexValue* data() const { return data_.get(); }
    complexValue& operator[](std::size_t i) { return data_[i]; }
    const complexValue& operator[](std::size_t i) const { return data_[i]; }
    std::span<complexValue> span() { return {data_.get(), size_}; }

private:
    struct release {
        void operator()(complexValue* p) const;
    };
    std::unique_ptr<complexValue[], release> data_;
    std::size_t size_ = 0;
};

namespace radix2Layout {
// Elements kept contiguous in the padded work area: two spare elements follow every 64 (and
// again every 4096, 2^18, 2^24), so that the four streams of a sweep never sit a multiple of
// 4096 bytes apart.
inline constexpr std::size_t kRow = 64;
inline constexpr std::size_t paddedIndex(std::size_t i)
{
    return i + 2 * ((i >> 6) + (i >> 12) + (i >> 18) + (i >> 24));
}

// The work area holds every part p of a value as two doubles, hi = p rounded to double and
// gap = hi - p (exact in 80 bits): storing an 80-bit value costs a few times more than storing two
// doubles, and the stores are what the butterflies wait for. hi - gap gives p back exactly,
// signed zeros included, unless one of the two stores to double overflowed, underflowed with a
// loss of bits, or met an infinity (inf - inf is invalid): the floating-point unit records each
// of those in its status flags. A run clears those flags, checks them at the end, and redoes the
// whole transform in the 80-bit layout if any is set, so the results are always the bits of the
// 80-bit arithmetic. A NaN, which could lose payload bits without a flag, is refused on the way
// in; inside the butterflies one only arises from an infinity, which is flagged.
struct splitCell {
    double reHi, reGap, imHi, imGap;
};
static_assert(sizeof(splitCell) == sizeof(complexValue), "both layouts share the work area");

inline complexValue get(const complexValue& c) { return c; }
inline complexValue get(const splitCell& c)
{
    return {static_cast<extended>(c.reHi) - c.reGap, static_cast<extended>(c.imHi) - c.imGap};
}

inline void splitPart(extended p, double& hi, double& gap)
{
    asm("fstl %0\n\t"
        "fsubrl %0\n\t"
        "fstpl %1"
        : "=m"(hi), "=m"(gap)
        : "t"(p)
        : "st");
}

inline void put(complexValue& c, const complexValue& v) { c = v; }
inline void put(splitCell& c, const complexValue& v)
{
    splitPart(v.re, c.reHi, c.reGap);
    splitPart(v.im, c.imHi, c.imGap);
}

// The copy in: true when a value is refused (a NaN, for the split layout).
inline bool putChecked(complexValue& c, const complexValue& v)
{
    c = v;
    return false;
}
inline bool putChecked(splitCell& c, const complexValue& v)
{
    put(c, v);
    return v.re != v.re || v.im != v.im;
}

// The status flags a split store raises when it is not exact, saved and cleared for a run and
// the caller's put back afterwards.
class splitExactness {
public:
    splitExactness();
    ~splitExactness();
    splitExactness(const splitExactness&) = delete;
    splitExactness& operator=(const splitExactness&) = delete;
    // True when no store since construction raised one of the flags.
    bool exact() const;

private:
    std::uint16_t saved_ = 0;
};

} // namespace radix2Layout

class radix2Plan {
public:
    // `length` a power of two; any other length gives a plan that leaves sequences unchanged.
    explicit radix2Plan(std::size_t length);

    std::size_t length() const { return length_; }
    // The bytes of memory the plan holds.
    std::size_t bytes() const;

    // Replaces x (x.size() == length(); other sizes are left unchanged) by its forward transform
    // X[k] = sum_n x[n] e^(-j 2 pi k n / a), unnormalised, a = length(). Bit reversal, then
    // log2(a) stages of butterflies t = x[i+d]*r, x[i+d] = x[i]-t, x[i] = x[i]+t, the twiddle r
    // of each stage advancing by one complex product per step from 1 (no sine or cosine per
    // twiddle). The loops run in a cache-friendly order; every butterfly does the same arithmetic
    // on the same values as the stage-by-stage order would, so the results are the same bits.
    void transform(std::span<complexValue> x);

    // The same transform of the sequence load(0), ..., load(a-1): load(i) is called for every i
    // in increasing order, then store(k, X[k]) once for every k in increasing order. Where a
    // value falls outside the range the fast layout holds exactly, load(i) is called once more
    // for every i and must give the same value. Nothing happens for a length that is not a power
    // of two.
    template <typename Load, typename Store> void run(Load&& load, Store&& store);

    // The twiddles r_p = w^p of the stage with half size d, w = cos(pi/d) - j sin(pi/d), in the
    // layout the loops read them (see radix2.cpp).
    struct twiddleTables {
        complexBuffer single;    // r_p of the one stage run alone, at d + p
        complexBuffer paired[2]; // triples for the sweeps over two stages
    };

private:
    bool runnable() const { return length_ >= 1 && std::has_single_bit(length_); }
    // Every stage of butterflies on the bit-reversed sequence in the padded work area, in the
    // split layout or in the 80-bit one.
    void splitButterflies();
    void fullButterflies();
    // The bit-reversed copy in; true when a value was refused.
    template <typename Cell, typename Load> bool gather(Load& load, Cell* buf);
    template <typename Cell, typename Store> void scatter(Store& store, const Cell* buf);

    std::size_t length_ = 0;
    twiddleTables twiddles_;
    complexBuffer padded_;
};

// Bit-reversed copy in: j runs through bitreverse(i).
template <typename Cell, typename Load> bool radix2Plan::gather(Load& load, Cell* buf)
{
    const std::size_t a = length_;
    bool refused = false;
    std::size_t j = 0;
    for (std::size_t i = 0; i < a; ++i) {
        refused |= radix2Layout::putChecked(buf[radix2Layout::paddedIndex(j)], load(i));
        std::size_t k = a / 2;
        while (k > 0 && j >= k) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
    return refused;
}

template <typename Cell, typename Store> void radix2Plan::scatter(Store& store, const Cell* buf)
{
    using radix2Layout::kRow;
    const std::size_t a = length_;
    const std::size_t rowLength = a < kRow ? a : kRow;
    for (std::size_t row = 0; row < a; row += rowLength) {
        const Cell* from = buf + radix2Layout::paddedIndex(row);
        for (std::size_t q = 0; q < rowLength; ++q)
            store(row + q, radix2Layout::get(from[q]));
    }
}

template <typename Load, typename Store> void radix2Plan::run(Load&& load, Store&& store)
{
    if (!runnable())
        return;
    // The work area is raw storage, used in one layout or the other for a whole run.
    auto* split = reinterpret_cast<radix2Layout::splitCell*>(padded_.data());
    bool exact = false;
    {
        const radix2Layout::splitExactness flags;
        exact = !gather(load, split);
        if (exact) {
            splitButterflies();
            exact = flags.exact();
        }
    }
    if (exact) {
        scatter(store, split);
        return;
    }
    gather(load, padded_.data());
    fullButterflies();
    scatter(store, padded_.data());
}

// The transform of x through a plan made for it: for a single sequence.
void radix2Transform(std::span<complexValue> x);
