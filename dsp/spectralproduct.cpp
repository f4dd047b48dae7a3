#include "dsp/spectralproduct.h"

#include "dsp/keptplans.h"

#include <algorithm>
#include <cmath>

namespace {

using std::size_t;

// An operand as its transform reads it: index i of the sequence of length a.
class placedOperand {
public:
    placedOperand(const tdspvar& v, size_t length, bool reversed)
        : re_(v.real().data()), im_(v.isComplex() && v.imag().size() == v.real().size() ? v.imag().data() : nullptr),
          count_(v.real().size()), length_(length), reversed_(reversed)
    {
    }

    // The sum of the squared samples.
    extended energy() const
    {
        extended sum = 0;
        for (size_t j = 0; j < count_; ++j)
            sum += re_[j] * re_[j] + (im_ ? im_[j] * im_[j] : 0);
        return sum;
    }

    complexValue at(size_t i) const
    {
        if (!reversed_)
            return i < count_ ? value(i) : complexValue{};
        if (i == 0) // an empty operand reads 0 there as well
            return count_ > 0 ? value(0) : complexValue{0, 0};
        return i + count_ > length_ ? value(length_ - i) : complexValue{};
    }

private:
    complexValue value(size_t j) const { return {re_[j], im_ ? im_[j] : 0}; }

    const extended* re_;
    const extended* im_; // null for a real operand, whose imaginary parts read 0
    size_t count_;
    size_t length_;
    bool reversed_;
};

void complexProduct(spectralOperation operation, const placedOperand& x1, const placedOperand& x2,
                    size_t a, size_t count, complexValue* out)
{
    keptPlan kept(a);
    radix2Plan& plan = kept.plan();
    complexValue* b = kept.work(0);
    complexValue* p = kept.work(1);
    plan.run([&](size_t i) { return x2.at(i); }, [b](size_t k, const complexValue& v) { b[k] = v; });
    plan.run([&](size_t i) { return x1.at(i); },
             [b, p](size_t k, const complexValue& v) { p[k] = v * b[k]; });
    const auto length = static_cast<extended>(a);
    const bool convolution = operation == spectralOperation::convolution;
    plan.run([p](size_t i) { return p[i]; },
             [&](size_t k, const complexValue& v) {
                 if (k >= count)
                     return;
                 out[k] = convolution ? complexValue{v.re / length, v.im / length}
                                      : complexValue{v.re / length / length * 2, v.im / length / length * 2};
             });
}

// Z = F(A + jB) for real A and B gives F(A)_k = (Z_k + conj Z_-k) / 2 and
// F(B)_k = (Z_k - conj Z_-k) / 2j, so 4 P_k = (Z_k + conj Z_-k) (Z_k - conj Z_-k) / j. The real
// y = F(P) has y[2m] + j y[2m+1] = sum_k<h (E_k + j O_k) V^km over h = a/2 bins, with
// E_k = P_k + P_k+h, O_k = (P_k - P_k+h) W^k, W = e^(-j 2 pi / a), V = W^2.
// The separation of F(A) from F(B) leaves each with rounding errors of the size of both, so B is
// first scaled by a power of two (exactly) to about A's size, and the result scaled back.
void realProduct(spectralOperation operation, const placedOperand& x1, const placedOperand& x2,
                 size_t a, size_t count, complexValue* out)
{
    const size_t h = a / 2;
    int balance = 0;
    const extended e1 = x1.energy(), e2 = x2.energy();
    if (e1 > 0 && e2 > 0 && std::isfinite(e1) && std::isfinite(e2)) {
        constexpr int kLargestBalance = 4096; // far inside the exponent range either way
        balance = std::clamp((std::ilogb(e1) - std::ilogb(e2)) / 2, -kLargestBalance, kLargestBalance);
    }
    keptPlan full(a);
    complexValue* z = full.work(0);
    full.plan().run([&](size_t i) { return complexValue{x1.at(i).re, std::ldexp(x2.at(i).re, balance)}; },
                    [z](size_t k, const complexValue& v) { z[k] = v; });
    const complexValue* turns = full.halfTurns();
    const auto fourTimesProduct = [z, a](size_t k) {
        const complexValue zk = z[k];
        const complexValue zm = z[(a - k) & (a - 1)];
        return complexValue{zk.re + zm.re, zk.im - zm.im} * complexValue{zk.im + zm.im, zm.re - zk.re};
    };
    const auto length = static_cast<extended>(a);
    const extended scale = std::ldexp(operation == spectralOperation::convolution ? 1 / (4 * length)
                                                                                   : 1 / (2 * length * length),
                                      -balance);
    keptPlan halfLength(h);
    halfLength.plan().run(
        [&](size_t k) {
            const complexValue p = fourTimesProduct(k);
            const complexValue q = fourTimesProduct(k + h);
            const complexValue even = p + q;
            const complexValue odd = (p - q) * turns[k];
            return complexValue{even.re - odd.im, even.im + odd.re};
        },
        [&](size_t m, const complexValue& v) {
            if (2 * m < count)
                out[2 * m] = {v.re * scale, 0};
            if (2 * m + 1 < count)
                out[2 * m + 1] = {v.im * scale, 0};
        });
}

} // namespace

void spectralProduct(spectralOperation operation, const tdspvar& x1, const tdspvar& x2, size_t length,
                     size_t count, sampleBuffer& out)
{
    const bool convolution = operation == spectralOperation::convolution;
    const placedOperand a(x1, length, convolution);
    const placedOperand b(x2, length, true);
    if (!x1.isComplex() && !x2.isComplex() && length >= 4)
        realProduct(operation, a, b, length, count, out.values.data());
    else
        complexProduct(operation, a, b, length, count, out.values.data());
}
