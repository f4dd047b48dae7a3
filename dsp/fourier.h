// The discrete Fourier transform: the in-place radix-2 transform on which every spectral
// operation rests, and the transform of a signal variable of any length. A length that is not a
// power of two is resampled (order-50 tapered sinc) to the next power of two, transformed, and its
// spectrum folded back onto N bins; that path is an approximation by design, exact for powers of
// two. Everything runs in extended precision on the calling thread; the work memory belongs to
// the call and is released when it returns.
#pragma once

#include "core/extended.h"
#include "core/variable.h"
#include "dsp/samplebuffer.h"

#include <cstddef>
#include <memory>
#include <span>

// Storage for `count` complex values, allocated as raw memory: std::vector would build every
// element with an 80-bit store (and reload) per part, which for the transform lengths here costs
// as much as a stage of butterflies. New storage holds no defined values until written, unless
// it is asked for zeroed, which clears it as bytes.
class complexBuffer {
public:
    complexBuffer() = default;
    explicit complexBuffer(std::size_t count, bool zeroed = false);

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

// The radix-2 transform of one power-of-two length, ready to run: its twiddle tables, filled once
// by the recurrence, and a padded work area. An operation makes one and runs it on every sequence
// of that length it transforms; its memory (about three sequences of that length) goes with it.
class radix2Plan {
public:
    // `length` a power of two; any other length gives a plan that leaves sequences unchanged.
    explicit radix2Plan(std::size_t length);

    std::size_t length() const { return length_; }

    // Replaces x (x.size() == length(); other sizes are left unchanged) by its forward transform
    // X[k] = sum_n x[n] e^(-j 2 pi k n / a), unnormalised, a = length(). Bit reversal, then
    // log2(a) stages of butterflies t = x[i+d]*r, x[i+d] = x[i]-t, x[i] = x[i]+t, the twiddle r
    // of each stage advancing by one complex product per step from 1 (no sine or cosine per
    // twiddle). The loops run in a cache-friendly order; every butterfly does the same arithmetic
    // on the same values as the stage-by-stage order would, so the results are the same bits.
    void transform(std::span<complexValue> x);

    // The twiddles r_p = w^p of the stage with half size d, w = cos(pi/d) - j sin(pi/d), in the
    // layout the loops read them (see fourier.cpp).
    struct twiddleTables {
        complexBuffer single;    // r_p of the one stage run alone, at d + p
        complexBuffer paired[2]; // triples for the sweeps over two stages
    };

private:
    std::size_t length_ = 0;
    twiddleTables twiddles_;
    complexBuffer padded_;
};

// The transform of x through a plan made for it: for a single sequence.
void radix2Transform(std::span<complexValue> x);

enum class fourierDirection { direct, inverse };

// Writes the transform of `source` into `out`: count N, always complex.
//   direct:  X[k] = sum_n x[n] e^(-j 2 pi k n / N)
//   inverse: x[n] = (1/N) sum_k X[k] e^(+j 2 pi k n / N)
// exact (up to rounding) when N is a power of two, otherwise through resampling and folding.
// An empty source gives an empty result.
void fourierTransform(const tdspvar& source, fourierDirection direction, sampleBuffer& out);
