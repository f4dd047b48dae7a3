#include "expr/evaluator.h"

#include "expr/blockkernels.h"
#include "expr/mathnode.h"
#include "expr/noise.h"

#include <algorithm>
#include <cstring>
#include <utility>

using namespace blockcode;

namespace {

const extended kPlusZero = 0.0L;
const extended kMinusZero = -0.0L;

// Register runs work two lanes at a time; a lane past the last point repeats it.
int roundedLanes(int count) { return (count + 1) & ~1; }

template <typename T> void repeatLast(T* values, int count, int lanes)
{
    for (int i = count; i < lanes; ++i)
        values[i] = values[count - 1];
}

bool stopSeen(const std::atomic<bool>* stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

} // namespace

blockEvaluator::blockEvaluator(const mathNode& root)
    : program_(translate(root)),
      storage_(static_cast<std::size_t>(program_.slotCount + 1) * 2 * kBlock),
      xLanes_(kBlock),
      seeds_(static_cast<std::size_t>(program_.drawsPerPoint) * kBlock)
{
    extended* memory = storage_.data();
    const auto take = [&memory] {
        extended* lanes = memory;
        memory += kBlock;
        return lanes;
    };
    slots_.resize(static_cast<std::size_t>(program_.slotCount));
    for (slot& s : slots_) {
        s.re = take();
        s.im = take();
    }
    for (extended*& lanes : scratch_)
        lanes = take();
    std::size_t longest = 0;
    for (const registerRun& r : program_.runs)
        longest = std::max(longest, r.steps.size());
    laneSteps_.resize(longest);
}

bool blockEvaluator::evaluateSamples(int first, int count, int n, complexValue* out,
                                     const std::atomic<bool>* stop)
{
    // Register runs work out x themselves; the instructions read it from memory.
    xs_ = {nullptr, first, n};
    xPositive_ = first > 0 && n > 0;
    xLanesReady_ = false;
    return run(count, out, stop);
}

bool blockEvaluator::evaluate(const extended* xs, int count, complexValue* out,
                              const std::atomic<bool>* stop)
{
    std::copy_n(xs, count, xLanes_.begin());
    repeatLast(xLanes_.data(), count, roundedLanes(count));
    xs_ = {xLanes_.data(), 0, 1};
    xPositive_ = allPositiveFinite(xLanes_.data(), count);
    xLanesReady_ = true;
    return run(count, out, stop);
}

bool blockEvaluator::run(int count, complexValue* out, const std::atomic<bool>* stop)
{
    if (count <= 0)
        return true;
    const int lanes = roundedLanes(count);
    takeSeeds(seeds_.data(), static_cast<std::size_t>(count) * program_.drawsPerPoint);

    const std::vector<instruction>& code = program_.code;
    resultWritten_ = false;
    for (std::size_t k = 0; k < code.size();) {
        if (stopSeen(stop))
            return false;
        const int r = program_.runAt[k];
        if (r >= 0) {
            const registerRun& run = program_.runs[static_cast<std::size_t>(r)];
            // The last run writes the result where it belongs when the block has whole groups.
            const bool last = static_cast<std::size_t>(run.end) == code.size() && count == lanes;
            if (tryRegisterRun(run, lanes, last ? out : nullptr)) {
                k = static_cast<std::size_t>(run.end);
                continue;
            }
        }
        execute(code[k], count, lanes);
        ++k;
    }
    if (stopSeen(stop))
        return false;
    if (!resultWritten_)
        writeResult(count, out);
    return true;
}

const extended* blockEvaluator::xLanes(int count)
{
    if (!xLanesReady_) {
        for (int k = 0; k < count; ++k)
            xLanes_[static_cast<std::size_t>(k)] = static_cast<extended>(xs_.first + k) / xs_.n;
        repeatLast(xLanes_.data(), count, roundedLanes(count));
        xLanesReady_ = true;
    }
    return xLanes_.data();
}

lanes blockEvaluator::lanesOf(const operand& o) const
{
    switch (o.from) {
    case operand::source::x:
        return {xLanes_.data(), 1, &kPlusZero, 0};
    case operand::source::slot: {
        const slot& s = slots_[static_cast<std::size_t>(o.slot)];
        if (s.state == imagState::lanes)
            return {s.re, 1, s.im, 1};
        return {s.re, 1, s.state == imagState::minusZero ? &kMinusZero : &kPlusZero, 0};
    }
    case operand::source::constant:
        return {&o.value.re, 0, &o.value.im, 0};
    case operand::source::none:
    case operand::source::reg:
        break;
    }
    return {&kPlusZero, 0, &kPlusZero, 0};
}

namespace {

// The kernel's code for a step: its operation, its operand's kind and its check.
laneCode laneCodeOf(const step& s, bool xPositive)
{
    enum kind { xLanes, scalar, memory, reg };
    const kind k = s.v.from == operand::source::x          ? xLanes
                   : s.v.from == operand::source::constant ? scalar
                   : s.v.from == operand::source::slot     ? memory
                                                           : reg;
    const auto pick = [k](laneCode x, laneCode c, laneCode l, laneCode r) {
        return k == xLanes ? x : k == scalar ? c : k == memory ? l : r;
    };
    switch (s.op) {
    case stepOp::load:
        // (a run never loads one register from the other)
        return pick(laneCode::loadX, laneCode::loadScalar, laneCode::loadLanes, laneCode::loadLanes);
    case stepOp::add:
        return pick(laneCode::addX, laneCode::addScalar, laneCode::addLanes, laneCode::addReg);
    case stepOp::subtract:
        return pick(laneCode::subtractX, laneCode::subtractScalar, laneCode::subtractLanes,
                    laneCode::subtractReg);
    case stepOp::subtractFrom:
        return pick(laneCode::subtractFromX, laneCode::subtractFromScalar,
                    laneCode::subtractFromLanes, laneCode::subtractFromReg);
    case stepOp::divide:
        return pick(laneCode::divideX, laneCode::divideScalar, laneCode::divideLanes,
                    laneCode::divideReg);
    case stepOp::divideInto:
        return pick(laneCode::divideIntoX, laneCode::divideIntoScalar, laneCode::divideIntoLanes,
                    laneCode::divideIntoReg);
    case stepOp::negate:
        return laneCode::negate;
    case stepOp::multiply:
        break;
    }
    switch (s.check) {
    case stepCheck::accNonPositive:
        return laneCode::multiplyScalarCheckAcc;
    case stepCheck::eitherNonPositive:
        return pick(laneCode::multiplyXCheckEither, laneCode::multiplyScalarCheckEither,
                    laneCode::multiplyLanesCheckEither, laneCode::multiplyRegCheckEither);
    case stepCheck::xDependent:
        return xPositive ? laneCode::multiplyX : laneCode::multiplyXCheckBoth;
    case stepCheck::bothNonPositive:
        return k == memory ? laneCode::multiplyLanesCheckBoth : laneCode::multiplyRegCheckBoth;
    default: // no check: a constant of positive sign
        return laneCode::multiplyScalar;
    }
}

} // namespace

bool blockEvaluator::tryRegisterRun(const registerRun& run, int lanes, complexValue* out)
{
    std::size_t n = 0;
    for (const step& s : run.steps) {
        laneStep& l = laneSteps_[n++];
        l.target = s.target;
        l.scalar = s.v.value.re;
        l.values = nullptr;
        if (s.v.from == operand::source::slot) {
            // Read from memory: its imaginary parts must be +0 in this block.
            const slot& in = slots_[static_cast<std::size_t>(s.v.slot)];
            if (in.state != imagState::plusZero)
                return false;
            l.values = in.re;
        }
        l.code = laneCodeOf(s, xPositive_);
    }
    laneStore stores[2];
    for (const registerStore& st : run.stores) {
        // The program's result may go straight to the caller's values.
        if (out && program_.result.isSlot(st.slot))
            stores[st.reg] = {&out[0].re, sizeof(complexValue) / sizeof(extended),
                              st.minusZero ? &kMinusZero : &kPlusZero};
        else
            stores[st.reg] = {scratch_[st.reg], 1, nullptr};
    }
    if (!registerRunLanes(laneSteps_.data(), static_cast<int>(n), xs_, run.usesX, lanes, stores,
                          run.multiplies))
        return false;
    for (const registerStore& st : run.stores) {
        if (stores[st.reg].at != scratch_[st.reg]) {
            resultWritten_ = true;
            continue;
        }
        slot& dest = slots_[static_cast<std::size_t>(st.slot)];
        std::swap(dest.re, scratch_[st.reg]);
        dest.state = st.minusZero ? imagState::minusZero : imagState::plusZero;
    }
    return true;
}

void blockEvaluator::execute(const instruction& ins, int count, int lanes)
{
    if (ins.a.from == operand::source::x || ins.b.from == operand::source::x)
        xLanes(count);
    const blockcode::lanes a = lanesOf(ins.a);
    const blockcode::lanes b = lanesOf(ins.b);
    slot& dest = slots_[static_cast<std::size_t>(ins.dest)];
    const slotLanes out{dest.re, dest.im};
    dest.state = imagState::plusZero; // for the kernels that leave it so
    switch (ins.op) {
    case opcode::noise:
        noiseLanes(seeds_.data(), program_.drawsPerPoint, ins.draw, dest.re, count);
        repeatLast(dest.re, count, lanes);
        return;
    case opcode::bellNoise:
        bellNoiseLanes(seeds_.data(), program_.drawsPerPoint, ins.draw, dest.re, count);
        repeatLast(dest.re, count, lanes);
        return;
    case opcode::divideReal:
        realQuotientLanes(a, b, dest.re, lanes);
        return;
    case opcode::power:
        powerLanes(a, b, dest.re, lanes);
        return;
    case opcode::realCall:
        realCallLanes(ins.realFn, a, dest.re, lanes);
        return;
    case opcode::plus:
        plusLanes(a, b, out, lanes);
        break;
    case opcode::minus:
        minusLanes(a, b, out, lanes);
        break;
    case opcode::multiply:
        multiplyLanes(a, b, out, lanes);
        break;
    case opcode::divideComplex:
        complexQuotientLanes(a, b, out, lanes);
        break;
    case opcode::negate:
        negateLanes(a, out, lanes);
        break;
    case opcode::complexCall:
        complexCallLanes(ins.complexFn, a, out, lanes);
        break;
    case opcode::variable:
        variableLanes(ins.variable, mathnode_variab::kInterpolationOrder, a, out, lanes);
        break;
    }
    // A real result whose imaginary parts all came out +0 can go on in registers.
    dest.state = ins.realResult && allPlusZero(dest.im, lanes) ? imagState::plusZero
                                                               : imagState::lanes;
}

void blockEvaluator::writeResult(int count, complexValue* out)
{
    if (program_.result.from == operand::source::x)
        xLanes(count);
    const blockcode::lanes r = lanesOf(program_.result);
    // Whole 16-byte copies: no trip through the floating-point unit.
    for (int i = 0; i < count; ++i) {
        std::memcpy(&out[i].re, &r.re[i * r.reStep], sizeof(extended));
        std::memcpy(&out[i].im, &r.im[i * r.imStep], sizeof(extended));
    }
}

complexValue evaluateAt(const mathNode& root, extended x)
{
    blockEvaluator evaluator(root);
    complexValue value;
    evaluator.evaluate(&x, 1, &value);
    return value;
}
