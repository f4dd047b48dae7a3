// Finding the stretches of real arithmetic that run in registers, and what each step must check.
//
// In registers only real parts are kept, while the full rules give every value an imaginary part:
// for a real-flagged node it is always +0, -0 or NaN. It matters, since a product's real part is
// a.re*b.re - a.im*b.im and the final imaginary part is stored. So each register also carries,
// known here once for all points, whether its imaginary part is +0 or -0, and the steps check the
// points where that could fail:
// - only a product can turn +0 parts into -0 (both factors negative or -0) or NaN (a factor
//   infinite or NaN); a product whose factors cannot both be <= 0 keeps +0;
// - a NaN imaginary part comes only with a real part that is infinite or NaN, and stays so
//   through sums, differences and products until a real division drops imaginary parts; so
//   registers must be finite before each division and, after a product, when stored.
// Sums, differences and negation follow the signs of zero exactly (-0 + +0 is +0, and so on).
#include "expr/blockprogram.h"

#include <cmath>

namespace blockcode {

namespace {

bool realOperand(const operand& o)
{
    if (o.from == operand::source::x || o.from == operand::source::slot)
        return true;
    return o.from == operand::source::constant && o.value.im == 0 && !std::signbit(o.value.im);
}

bool inRegisters(const instruction& ins)
{
    if (!ins.realResult || !realOperand(ins.a))
        return false;
    switch (ins.op) {
    case opcode::negate:
        return true;
    case opcode::plus:
    case opcode::minus:
    case opcode::multiply:
    case opcode::divideReal:
        return realOperand(ins.b);
    default:
        return false;
    }
}

stepOp stepOpOf(opcode op, bool reversed)
{
    switch (op) {
    case opcode::negate:
        return stepOp::negate;
    case opcode::plus:
        return stepOp::add; // exact either way round
    case opcode::minus:
        return reversed ? stepOp::subtractFrom : stepOp::subtract;
    case opcode::multiply:
        return stepOp::multiply; // exact either way round
    default:
        return reversed ? stepOp::divideInto : stepOp::divide;
    }
}

// One register run being built: which slot each register holds, and whether the register's
// imaginary part is -0 (rather than +0) for every point.
struct runBuilder {
    registerRun run;
    int slotIn[2] = {-1, -1};
    bool minusZero[2] = {false, false};

    int registerOf(const operand& o) const
    {
        if (o.from != operand::source::slot)
            return -1;
        return slotIn[0] == o.slot ? 0 : slotIn[1] == o.slot ? 1 : -1;
    }
    // The operand as the run reads it: a slot held in a register becomes that register.
    operand inRun(const operand& o) const
    {
        const int r = registerOf(o);
        if (r < 0)
            return o;
        operand reg;
        reg.from = operand::source::reg;
        reg.slot = r;
        return reg;
    }
    bool operandMinusZero(const operand& v) const
    {
        return v.from == operand::source::reg && minusZero[v.slot];
    }

    // With every operand read from outside the run having imaginary parts +0, a register's
    // imaginary part stays +0 or -0 as long as no multiplication meets two signs that make
    // -0 and no value is infinite or NaN; the checks confirm that point by point.
    void add(stepOp op, int target, const operand& v)
    {
        step s;
        s.op = op;
        s.target = target;
        s.v = v;
        run.usesX = run.usesX || v.from == operand::source::x;
        bool& state = minusZero[target];
        const bool other = operandMinusZero(v);
        switch (op) {
        case stepOp::load:
            state = other;
            break;
        case stepOp::add:
            state = state && other; // -0 + -0 is -0, any +0 makes +0
            break;
        case stepOp::subtract:
            state = state && !other;
            break;
        case stepOp::subtractFrom:
            state = other && !state;
            break;
        case stepOp::negate:
            state = !state;
            break;
        case stepOp::divide:
        case stepOp::divideInto:
            s.check = stepCheck::finite;
            state = false;
            break;
        case stepOp::multiply: {
            run.multiplies = true;
            const bool constant = v.from == operand::source::constant;
            const extended c = v.value.re;
            if (state || other) {
                // Both factors positive: the imaginary part is -0 only when both were.
                s.check = constant && c > 0 ? stepCheck::accNonPositive
                                            : stepCheck::eitherNonPositive;
                state = state && other;
            } else if (constant) {
                s.check = std::signbit(c) ? stepCheck::accNonPositive : stepCheck::none;
            } else {
                s.check = v.from == operand::source::x ? stepCheck::xDependent
                                                       : stepCheck::bothNonPositive;
            }
            break;
        }
        }
        run.steps.push_back(s);
    }

    // Adds the instruction's steps; false when it needs a third register.
    bool take(const instruction& ins)
    {
        const int ra = registerOf(ins.a);
        const int rb = ins.op == opcode::negate ? -1 : registerOf(ins.b);
        int target;
        if (ra >= 0 && slotIn[ra] == ins.dest) {
            target = ra;
            add(stepOpOf(ins.op, false), target, inRun(ins.b));
        } else if (rb >= 0 && slotIn[rb] == ins.dest) {
            target = rb;
            add(stepOpOf(ins.op, true), target, inRun(ins.a));
        } else {
            // A fresh register, loaded with the operand whose slot the result takes.
            target = slotIn[0] < 0 ? 0 : slotIn[1] < 0 ? 1 : -1;
            if (target < 0)
                return false;
            const bool intoB = ins.op != opcode::negate && ins.b.isSlot(ins.dest);
            add(stepOp::load, target, inRun(intoB ? ins.b : ins.a));
            if (ins.op == opcode::negate)
                add(stepOp::negate, target, {});
            else
                add(stepOpOf(ins.op, intoB), target, inRun(intoB ? ins.a : ins.b));
        }
        // Operands other than the result have been consumed.
        for (const int r : {ra, rb})
            if (r >= 0 && r != target)
                slotIn[r] = -1;
        slotIn[target] = ins.dest;
        return true;
    }

    registerRun finish(int end)
    {
        run.end = end;
        for (int r = 0; r < 2; ++r)
            if (slotIn[r] >= 0)
                run.stores.push_back({r, slotIn[r], minusZero[r]});
        return std::move(run);
    }
};

} // namespace

void findRegisterRuns(program& out)
{
    const std::vector<instruction>& code = out.code;
    out.runAt.assign(code.size(), -1);
    std::size_t k = 0;
    while (k < code.size()) {
        if (!inRegisters(code[k])) {
            ++k;
            continue;
        }
        runBuilder builder;
        builder.run.first = static_cast<int>(k);
        std::size_t j = k;
        while (j < code.size() && inRegisters(code[j]) && builder.take(code[j]))
            ++j;
        out.runAt[k] = static_cast<int>(out.runs.size());
        out.runs.push_back(builder.finish(static_cast<int>(j)));
        k = j;
    }
}

} // namespace blockcode
