// The value of an expression tree at one x, evaluated node by node in the language's own order:
// left operand before right, the divisor first in a real division, nothing inside a complex
// power. It restates the evaluation rules plainly, one point at a time, so that the program's
// block evaluator can be checked against it sample by sample and bit by bit (tests and the
// expression fuzz target). Recursive: meant for the large stack of a test's main thread.
#pragma once

#include "expr/mathnode.h"
#include "expr/noise.h"

#include <cmath>
#include <cstring>

namespace pointreference {

inline extended realPower(extended a, extended b)
{
    if (b == 0)
        return 1;
    if (a == 0)
        return 0;
    if (a < 0) {
        const extended magnitude = std::exp(b * std::log(-a));
        const bool integer = std::fabs(b - std::trunc(b)) < 1e-20L;
        const bool odd = integer && std::fmod(std::trunc(b), 2.0L) != 0;
        return odd ? -magnitude : magnitude;
    }
    return std::exp(b * std::log(a));
}

inline complexValue valueAt(const mathNode& node, extended x)
{
    if (const auto* c = dynamic_cast<const mathNode_const*>(&node))
        return c->value();
    if (dynamic_cast<const mathNode_x*>(&node))
        return {x, 0};
    if (dynamic_cast<const mathNode_noise*>(&node))
        return {uniformNoise(), 0};
    if (dynamic_cast<const mathNode_nnoise*>(&node))
        return {bellNoise(), 0};
    if (const auto* op = dynamic_cast<const mathNode_op*>(&node)) {
        if (dynamic_cast<const mathNode_divide*>(op) && !op->complexFlag()) {
            const complexValue b = valueAt(op->right(), x);
            const complexValue a = valueAt(op->left(), x);
            return {a.re / (b.re == 0 ? 1e-1000L : b.re), 0};
        }
        if (dynamic_cast<const mathNode_exponentiate*>(op) && op->complexFlag())
            return {0, 0};
        const complexValue a = valueAt(op->left(), x);
        const complexValue b = valueAt(op->right(), x);
        if (dynamic_cast<const mathNode_plus*>(op))
            return {a.re + b.re, a.im + b.im};
        if (dynamic_cast<const mathNode_minus*>(op))
            return {a.re - b.re, a.im - b.im};
        if (dynamic_cast<const mathNode_multiply*>(op))
            return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
        if (dynamic_cast<const mathNode_divide*>(op)) {
            extended d = b.re * b.re + b.im * b.im;
            if (d == 0)
                d = 1e-1000L;
            return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
        }
        return {realPower(a.re, b.re), 0};
    }
    if (const auto* f = dynamic_cast<const mathNode_f1*>(&node)) {
        const complexValue v = valueAt(f->argument(), x);
        if (dynamic_cast<const mathNode_unminus*>(f))
            return {-v.re, -v.im};
        if (const auto* g = dynamic_cast<const mathNode_genf1*>(f))
            return {g->function()(v.re), 0};
        if (const auto* g = dynamic_cast<const mathNode_genf1c*>(f))
            return g->function()(v);
        if (const auto* r = dynamic_cast<const mathnode_variab*>(f))
            return r->variable() ? r->variable()->interpolatedValue(20, v.re) : complexValue{0, 0};
    }
    return {0, 0};
}

// The same 80-bit value, or both not a number (whose sign and payload nothing in the program
// shows: they print as NaN and compare unequal to everything).
inline bool sameValue(extended a, extended b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, 10) == 0;
}

inline bool sameValue(const complexValue& a, const complexValue& b)
{
    return sameValue(a.re, b.re) && sameValue(a.im, b.im);
}

} // namespace pointreference
