#include "expr/mathnode.h"

#include "expr/noise.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>

namespace {

// The current x as the 10 bytes of its 80-bit form, in two relaxed atomics: cheap plain moves
// on the sampling worker, and no data race when another thread samples later.
static_assert(sizeof(extended) >= 10);
std::atomic<std::uint64_t> xSignificand{0};
std::atomic<std::uint16_t> xSignAndExponent{0};

// A zero divisor (or divisor modulus) is replaced by this, so x/0 is huge instead of an error.
constexpr extended kTinyDivisor = 1e-1000L;
// A negative base counts as raised to an integer when the exponent is this close to one.
constexpr extended kIntegerTolerance = 1e-20L;

mathNodePtr orZero(mathNodePtr node)
{
    return node ? std::move(node) : std::make_unique<mathNode_const>(0);
}

} // namespace

void setCurrentX(extended x)
{
    unsigned char bytes[sizeof(extended)] = {};
    std::memcpy(bytes, &x, 10);
    std::uint64_t significand;
    std::uint16_t signAndExponent;
    std::memcpy(&significand, bytes, 8);
    std::memcpy(&signAndExponent, bytes + 8, 2);
    xSignificand.store(significand, std::memory_order_relaxed);
    xSignAndExponent.store(signAndExponent, std::memory_order_relaxed);
}

extended currentX()
{
    unsigned char bytes[sizeof(extended)] = {};
    const std::uint64_t significand = xSignificand.load(std::memory_order_relaxed);
    const std::uint16_t signAndExponent = xSignAndExponent.load(std::memory_order_relaxed);
    std::memcpy(bytes, &significand, 8);
    std::memcpy(bytes + 8, &signAndExponent, 2);
    extended x;
    std::memcpy(&x, bytes, sizeof(extended));
    return x;
}

mathNode::~mathNode() = default;

complexValue mathNode::evaluate() const { return {0, 0}; }

complexValue mathNode_const::evaluate() const { return value_; }

complexValue mathNode_x::evaluate() const { return {currentX(), 0}; }

complexValue mathNode_noise::evaluate() const { return {uniformNoise(), 0}; }

complexValue mathNode_nnoise::evaluate() const { return {bellNoise(), 0}; }

mathNode_op::mathNode_op(mathNodePtr left, mathNodePtr right)
    : mathNode((left && left->complexFlag()) || (right && right->complexFlag()),
               1 + std::max(left ? left->height() : 0, right ? right->height() : 0)),
      left_(orZero(std::move(left))), right_(orZero(std::move(right)))
{
}

complexValue mathNode_plus::evaluate() const
{
    const complexValue a = left_->evaluate();
    const complexValue b = right_->evaluate();
    return {a.re + b.re, a.im + b.im};
}

complexValue mathNode_minus::evaluate() const
{
    const complexValue a = left_->evaluate();
    const complexValue b = right_->evaluate();
    return {a.re - b.re, a.im - b.im};
}

complexValue mathNode_multiply::evaluate() const
{
    const complexValue a = left_->evaluate();
    const complexValue b = right_->evaluate();
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

complexValue mathNode_divide::evaluate() const
{
    if (complexFlag()) {
        const complexValue a = left_->evaluate();
        const complexValue b = right_->evaluate();
        extended d = b.re * b.re + b.im * b.im;
        if (d == 0)
            d = kTinyDivisor;
        return {(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
    }
    extended q = right_->evaluate().re;
    if (q == 0)
        q = kTinyDivisor;
    return {left_->evaluate().re / q, 0};
}

complexValue mathNode_exponentiate::evaluate() const
{
    if (complexFlag())
        return {0, 0};
    const extended a = left_->evaluate().re;
    const extended b = right_->evaluate().re;
    if (b == 0)
        return {1, 0};
    if (a == 0)
        return {0, 0};
    if (a < 0) {
        const extended magnitude = std::exp(b * std::log(-a));
        const bool integer = std::fabs(b - std::trunc(b)) < kIntegerTolerance;
        const bool odd = integer && std::fmod(std::trunc(b), 2.0L) != 0;
        return {odd ? -magnitude : magnitude, 0};
    }
    return {std::exp(b * std::log(a)), 0};
}

mathNode_f1::mathNode_f1(mathNodePtr argument, bool complexFlag)
    : mathNode(complexFlag, 1 + (argument ? argument->height() : 0)),
      argument_(orZero(std::move(argument)))
{
}

mathNode_f1::mathNode_f1(mathNodePtr argument)
    : mathNode(argument && argument->complexFlag(), 1 + (argument ? argument->height() : 0)),
      argument_(orZero(std::move(argument)))
{
}

mathNode_unminus::mathNode_unminus(mathNodePtr argument) : mathNode_f1(std::move(argument)) {}

complexValue mathNode_unminus::evaluate() const
{
    const complexValue v = argument_->evaluate();
    return {-v.re, -v.im};
}

mathNode_genf1::mathNode_genf1(mathNodePtr argument, const realFunctionRow& row)
    : mathNode_f1(std::move(argument), row.complexFlag), function_(row.function)
{
}

complexValue mathNode_genf1::evaluate() const { return {function_(argument_->evaluate().re), 0}; }

mathNode_genf1c::mathNode_genf1c(mathNodePtr argument, const complexFunctionRow& row)
    : mathNode_f1(std::move(argument), row.complexFlag), function_(row.function)
{
}

complexValue mathNode_genf1c::evaluate() const { return function_(argument_->evaluate()); }

namespace {

bool isComplexVariable(const tdspvarPtr& variable) { return variable && variable->isComplex; }

} // namespace

mathnode_variab::mathnode_variab(mathNodePtr argument, tdspvarPtr variable)
    : mathNode_f1(std::move(argument), isComplexVariable(variable)), variable_(std::move(variable))
{
}

complexValue mathnode_variab::evaluate() const
{
    const extended p = argument_->evaluate().re;
    if (!variable_)
        return {0, 0};
    return {variable_->interpolatedRealPart(kInterpolationOrder, p),
            variable_->interpolatedImagPart(kInterpolationOrder, p)};
}
