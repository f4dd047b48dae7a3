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

// A missing operand or argument is replaced by a zero constant, a leaf.
mathNodePtr orZero(mathNodePtr node)
{
    return node ? std::move(node) : std::make_unique<mathNode_const>(0);
}

int heightOf(const mathNodePtr& node) { return node ? node->height() : 1; }

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

inline complexValue mathNode::valueOf(const mathNode& node)
{
    switch (node.leaf_) {
    case leafKind::constant:
        return static_cast<const mathNode_const&>(node).value();
    case leafKind::x:
        return {currentX(), 0};
    case leafKind::other:
        break;
    }
    return node.evaluate();
}

// Evaluation recurses through this helper, so it is inlined even in unoptimised builds: one
// frame per tree level keeps the deepest trees within the sampling worker's stack.
template <typename Combine>
[[gnu::always_inline]] inline complexValue mathNode::withOperands(const mathNode& first,
                                                                  const mathNode& second,
                                                                  Combine combine)
{
#if defined(__OPTIMIZE__)
    // Each value stays in the memory its node wrote it to until both are known, so the 80-bit
    // parts are stored and loaded once on their way up.
    if (first.leaf_ != leafKind::other) {
        const complexValue b = valueOf(second);
        return combine(valueOf(first), b);
    }
    const complexValue a = first.evaluate();
    if (second.leaf_ != leafKind::other)
        return combine(a, valueOf(second));
    const complexValue b = second.evaluate();
    return combine(a, b);
#else
    // Unoptimised code would give every local above its own stack slot; the plain form gives
    // the same values with a much smaller frame.
    const complexValue a = first.evaluate();
    const complexValue b = second.evaluate();
    return combine(a, b);
#endif
}

complexValue mathNode::evaluate() const { return {0, 0}; }

complexValue mathNode_const::evaluate() const { return value_; }

complexValue mathNode_x::evaluate() const { return {currentX(), 0}; }

complexValue mathNode_noise::evaluate() const { return {uniformNoise(), 0}; }

complexValue mathNode_nnoise::evaluate() const { return {bellNoise(), 0}; }

mathNode_op::mathNode_op(mathNodePtr left, mathNodePtr right)
    : mathNode((left && left->complexFlag()) || (right && right->complexFlag()),
               1 + std::max(heightOf(left), heightOf(right))),
      left_(orZero(std::move(left))), right_(orZero(std::move(right)))
{
}

complexValue mathNode_plus::evaluate() const
{
    return withOperands(*left_, *right_, [](const complexValue& a, const complexValue& b) {
        return complexValue{a.re + b.re, a.im + b.im};
    });
}

complexValue mathNode_minus::evaluate() const
{
    return withOperands(*left_, *right_, [](const complexValue& a, const complexValue& b) {
        return complexValue{a.re - b.re, a.im - b.im};
    });
}

complexValue mathNode_multiply::evaluate() const
{
    return withOperands(*left_, *right_, [](const complexValue& a, const complexValue& b) {
        return complexValue{a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
    });
}

complexValue mathNode_divide::evaluate() const
{
    return complexFlag() ? complexQuotient() : realQuotient();
}

complexValue mathNode_divide::complexQuotient() const
{
    return withOperands(*left_, *right_, [](const complexValue& a, const complexValue& b) {
        extended d = b.re * b.re + b.im * b.im;
        if (d == 0)
            d = kTinyDivisor;
        return complexValue{(a.re * b.re + a.im * b.im) / d, (a.im * b.re - a.re * b.im) / d};
    });
}

complexValue mathNode_divide::realQuotient() const
{
    // The divisor is evaluated first, and only real parts count.
    return withOperands(*right_, *left_, [](const complexValue& b, const complexValue& a) {
        const extended q = b.re == 0 ? kTinyDivisor : b.re;
        return complexValue{a.re / q, 0};
    });
}

namespace {

// a^b for real a and b: b = 0 gives 1 (also for a = 0), a = 0 gives 0, and a negative base
// gives the signed power of its magnitude, negative for an odd integer exponent.
extended realPower(extended a, extended b)
{
    if (b == 0)
        return 1;
    if (a == 0)
        return 0;
    if (a < 0) {
        const extended magnitude = std::exp(b * std::log(-a));
        const bool integer = std::fabs(b - std::trunc(b)) < kIntegerTolerance;
        const bool odd = integer && std::fmod(std::trunc(b), 2.0L) != 0;
        return odd ? -magnitude : magnitude;
    }
    return std::exp(b * std::log(a));
}

} // namespace

complexValue mathNode_exponentiate::evaluate() const
{
    if (complexFlag())
        return {0, 0};
    return withOperands(*left_, *right_, [](const complexValue& a, const complexValue& b) {
        return complexValue{realPower(a.re, b.re), 0};
    });
}

mathNode_f1::mathNode_f1(mathNodePtr argument, bool complexFlag)
    : mathNode(complexFlag, 1 + heightOf(argument)),
      argument_(orZero(std::move(argument)))
{
}

mathNode_f1::mathNode_f1(mathNodePtr argument)
    : mathNode(argument && argument->complexFlag(), 1 + heightOf(argument)),
      argument_(orZero(std::move(argument)))
{
}

mathNode_unminus::mathNode_unminus(mathNodePtr argument) : mathNode_f1(std::move(argument)) {}

complexValue mathNode_unminus::evaluate() const
{
    const complexValue v = valueOf(*argument_);
    return {-v.re, -v.im};
}

mathNode_genf1::mathNode_genf1(mathNodePtr argument, const realFunctionRow& row)
    : mathNode_f1(std::move(argument), row.complexFlag), function_(row.function)
{
}

complexValue mathNode_genf1::evaluate() const { return {function_(valueOf(*argument_).re), 0}; }

mathNode_genf1c::mathNode_genf1c(mathNodePtr argument, const complexFunctionRow& row)
    : mathNode_f1(std::move(argument), row.complexFlag), function_(row.function)
{
}

complexValue mathNode_genf1c::evaluate() const { return function_(valueOf(*argument_)); }

namespace {

bool isComplexVariable(const tdspvarPtr& variable) { return variable && variable->isComplex; }

} // namespace

mathnode_variab::mathnode_variab(mathNodePtr argument, tdspvarPtr variable)
    : mathNode_f1(std::move(argument), isComplexVariable(variable)), variable_(std::move(variable))
{
}

complexValue mathnode_variab::evaluate() const
{
    const extended p = valueOf(*argument_).re;
    if (!variable_)
        return {0, 0};
    return variable_->interpolatedValue(kInterpolationOrder, p);
}
