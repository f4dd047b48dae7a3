// The radix-2 plans that the spectral operations keep from one call to the next, with the work
// buffers of their length. Making a plan costs a pass of twiddle recurrences and fresh memory
// (a page fault every 4 KiB), which at the lengths the processing dialog recomputes on every
// change costs about a third of a transform; a kept plan costs nothing the second time.
//
// A call borrows the kept plan of its length for as long as it runs (keptPlan below); a second
// thread that asks for a length already on loan gets a plan of its own, which is kept when it
// comes back in place of the older one. What stays kept is bounded by kKeptPlanBytes: the
// lengths used least recently are dropped first, and a plan larger than the bound alone is
// dropped as soon as its call ends.
#pragma once

#include "dsp/radix2.h"

#include <cstddef>
#include <memory>

// At most this much memory stays in kept plans between calls. A plan of a points holds about 2a
// complex values (twiddles and padded work area, 64 bytes a point), and each work buffer a more:
// a convolution of 2^20 points keeps 129 MiB, one of real operands 146 MiB with its half-length
// plan, 2^16 points about a sixteenth of that. The 2^21-point correlation of two of the longest
// variables is not kept.
inline constexpr std::size_t kKeptPlanBytes = std::size_t{200} << 20;

// A plan of one length with what the operations on that length need besides it.
struct keptTransform {
    explicit keptTransform(std::size_t length);

    radix2Plan plan;
    complexBuffer work[2];   // made on first use, `length` values each
    complexBuffer halfTurns; // e^(-j 2 pi k / length), k < length / 2, made on first use

    std::size_t bytes() const;
};

// Borrows the kept plan of `length` for the lifetime of the object, or makes one.
class keptPlan {
public:
    explicit keptPlan(std::size_t length);
    ~keptPlan();
    keptPlan(const keptPlan&) = delete;
    keptPlan& operator=(const keptPlan&) = delete;

    radix2Plan& plan() { return kept_->plan; }
    // Work buffer 0 or 1: `length` complex values whose contents are left from earlier calls.
    complexValue* work(int which);
    // The turns e^(-j 2 pi k / length) for k < length / 2, each from one sine and one cosine of
    // its own angle (not from a recurrence): what splits one transform of a real sequence from
    // another.
    const complexValue* halfTurns();

private:
    std::unique_ptr<keptTransform> kept_;
};

// The bytes all kept plans hold now (those on loan not counted).
std::size_t keptPlanBytes();
