#include "expr/blockprogram.h"

#include "expr/mathnode.h"

#include <cmath>
#include <cstring>
#include <unordered_map>

namespace blockcode {

namespace {

bool isBinary(nodeKind kind)
{
    switch (kind) {
    case nodeKind::plus:
    case nodeKind::minus:
    case nodeKind::multiply:
    case nodeKind::divide:
    case nodeKind::power:
        return true;
    default:
        return false;
    }
}

bool isUnary(nodeKind kind)
{
    switch (kind) {
    case nodeKind::negate:
    case nodeKind::realCall:
    case nodeKind::complexCall:
    case nodeKind::variable:
        return true;
    default:
        return false;
    }
}

const mathNode& leftOf(const mathNode& n) { return static_cast<const mathNode_op&>(n).left(); }
const mathNode& rightOf(const mathNode& n) { return static_cast<const mathNode_op&>(n).right(); }
const mathNode& argumentOf(const mathNode& n) { return static_cast<const mathNode_f1&>(n).argument(); }

// A complex power is 0 and its operands are never evaluated.
bool isConstantZeroPower(const mathNode& n) { return n.kind() == nodeKind::power && n.complexFlag(); }

// Where each noise node's draws fall among the draws of one point: the node-by-node rules
// evaluate the left operand before the right, the divisor first in a real division, and nothing
// inside a complex power.
std::unordered_map<const mathNode*, int> drawPlaces(const mathNode& root, int& drawsPerPoint)
{
    std::unordered_map<const mathNode*, int> places;
    std::vector<const mathNode*> pending{&root};
    int draws = 0;
    while (!pending.empty()) {
        const mathNode& n = *pending.back();
        pending.pop_back();
        if (n.kind() == nodeKind::noise || n.kind() == nodeKind::bellNoise) {
            places[&n] = draws;
            draws += n.kind() == nodeKind::noise ? 1 : 2;
        } else if (isBinary(n.kind()) && !isConstantZeroPower(n)) {
            const bool divisorFirst = n.kind() == nodeKind::divide && !n.complexFlag();
            // The stack pops the last one pushed first.
            pending.push_back(divisorFirst ? &leftOf(n) : &rightOf(n));
            pending.push_back(divisorFirst ? &rightOf(n) : &leftOf(n));
        } else if (isUnary(n.kind())) {
            pending.push_back(&argumentOf(n));
        }
    }
    drawsPerPoint = draws;
    return places;
}

// How many slots evaluating each node needs at once (leaves need none: x and constants are read
// where they are). Of two operands the one needing more is evaluated first; on a tie the other
// one is, so that the operand computed last continues straight into its parent.
std::unordered_map<const mathNode*, int> slotNeeds(const mathNode& root)
{
    std::unordered_map<const mathNode*, int> need;
    std::vector<std::pair<const mathNode*, bool>> pending{{&root, false}};
    while (!pending.empty()) {
        const auto [node, childrenDone] = pending.back();
        pending.pop_back();
        const mathNode& n = *node;
        if (isBinary(n.kind()) && !isConstantZeroPower(n)) {
            if (!childrenDone) {
                pending.push_back({node, true});
                pending.push_back({&leftOf(n), false});
                pending.push_back({&rightOf(n), false});
                continue;
            }
            const int l = need[&leftOf(n)];
            const int r = need[&rightOf(n)];
            need[node] = l == r ? l + 1 : std::max(l, r);
        } else if (isUnary(n.kind())) {
            if (!childrenDone) {
                pending.push_back({node, true});
                pending.push_back({&argumentOf(n), false});
                continue;
            }
            need[node] = std::max(1, need[&argumentOf(n)]);
        } else {
            const bool leaf = n.kind() == nodeKind::constant || n.kind() == nodeKind::x ||
                              isConstantZeroPower(n);
            need[node] = leaf ? 0 : 1;
        }
    }
    return need;
}

class translator {
public:
    explicit translator(const mathNode& root)
        : root_(root), need_(slotNeeds(root)), draws_(drawPlaces(root, out_.drawsPerPoint))
    {
    }

    program run()
    {
        emit();
        findRegisterRuns();
        return std::move(out_);
    }

private:
    struct frame {
        const mathNode* node;
        int stage = 0;
        bool leftFirst = false;
    };

    const mathNode& root_;
    std::unordered_map<const mathNode*, int> need_;
    program out_;
    std::unordered_map<const mathNode*, int> draws_;
    std::vector<int> freeSlots_;

    int allocate()
    {
        if (!freeSlots_.empty()) {
            const int s = freeSlots_.back();
            freeSlots_.pop_back();
            return s;
        }
        return out_.slotCount++;
    }

    static operand constant(complexValue value)
    {
        operand o;
        o.from = operand::source::constant;
        o.value = value;
        return o;
    }

    static operand slot(int s)
    {
        operand o;
        o.from = operand::source::slot;
        o.slot = s;
        return o;
    }

    static opcode binaryCode(const mathNode& n)
    {
        switch (n.kind()) {
        case nodeKind::plus:
            return opcode::plus;
        case nodeKind::minus:
            return opcode::minus;
        case nodeKind::multiply:
            return opcode::multiply;
        case nodeKind::divide:
            return n.complexFlag() ? opcode::divideComplex : opcode::divideReal;
        default:
            return opcode::power;
        }
    }

    // The tree in postorder with an explicit stack; `values` holds the operands computed so far.
    void emit()
    {
        std::vector<frame> frames{{&root_}};
        std::vector<operand> values;
        while (!frames.empty()) {
            const mathNode& n = *frames.back().node;
            const int stage = frames.back().stage++;
            if (n.kind() == nodeKind::constant) {
                values.push_back(constant(static_cast<const mathNode_const&>(n).value()));
            } else if (n.kind() == nodeKind::x) {
                operand o;
                o.from = operand::source::x;
                values.push_back(o);
            } else if (isConstantZeroPower(n)) {
                values.push_back(constant({0, 0}));
            } else if (n.kind() == nodeKind::noise || n.kind() == nodeKind::bellNoise) {
                instruction ins;
                ins.op = n.kind() == nodeKind::noise ? opcode::noise : opcode::bellNoise;
                ins.dest = allocate();
                ins.draw = draws_.at(&n);
                out_.code.push_back(ins);
                values.push_back(slot(ins.dest));
            } else if (isUnary(n.kind())) {
                if (stage == 0) {
                    frames.push_back({&argumentOf(n)});
                    continue;
                }
                emitUnary(n, values);
            } else {
                if (stage == 0) {
                    const int l = need_.at(&leftOf(n));
                    const int r = need_.at(&rightOf(n));
                    frames.back().leftFirst = l > r;
                    frames.push_back({l > r ? &leftOf(n) : &rightOf(n)});
                    continue;
                }
                if (stage == 1) {
                    const bool leftFirst = frames.back().leftFirst;
                    frames.push_back({leftFirst ? &rightOf(n) : &leftOf(n)});
                    continue;
                }
                emitBinary(n, frames.back().leftFirst, values);
            }
            frames.pop_back();
        }
        out_.result = values.back();
    }

    void emitUnary(const mathNode& n, std::vector<operand>& values)
    {
        instruction ins;
        ins.realResult = !n.complexFlag();
        ins.a = values.back();
        values.pop_back();
        ins.dest = ins.a.from == operand::source::slot ? ins.a.slot : allocate();
        switch (n.kind()) {
        case nodeKind::negate:
            ins.op = opcode::negate;
            break;
        case nodeKind::realCall:
            ins.op = opcode::realCall;
            ins.realFn = static_cast<const mathNode_genf1&>(n).function();
            break;
        case nodeKind::complexCall:
            ins.op = opcode::complexCall;
            ins.complexFn = static_cast<const mathNode_genf1c&>(n).function();
            break;
        default:
            ins.op = opcode::variable;
            ins.variable = static_cast<const mathnode_variab&>(n).variable().get();
            break;
        }
        out_.code.push_back(ins);
        values.push_back(slot(ins.dest));
    }

    void emitBinary(const mathNode& n, bool leftFirst, std::vector<operand>& values)
    {
        const operand second = values.back();
        values.pop_back();
        const operand first = values.back();
        values.pop_back();
        instruction ins;
        ins.op = binaryCode(n);
        ins.realResult = !n.complexFlag();
        ins.a = leftFirst ? first : second;
        ins.b = leftFirst ? second : first;
        // The result goes where the operand computed last is (when it has a slot), so that a
        // run of arithmetic continues in one slot; the other operand's slot is free again.
        const operand& last = second;
        const operand& other = first;
        if (last.from == operand::source::slot) {
            ins.dest = last.slot;
            if (other.from == operand::source::slot)
                freeSlots_.push_back(other.slot);
        } else {
            ins.dest = other.from == operand::source::slot ? other.slot : allocate();
        }
        out_.code.push_back(ins);
        values.push_back(slot(ins.dest));
    }

    // ---- register runs ----

    static bool realOperand(const operand& o)
    {
        if (o.from == operand::source::x || o.from == operand::source::slot)
            return true;
        return o.from == operand::source::constant && o.value.im == 0 && !std::signbit(o.value.im);
    }

    static bool inRegisters(const instruction& ins)
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

    static stepOp stepOpOf(opcode op, bool reversed)
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

    void findRegisterRuns()
    {
        const std::vector<instruction>& code = out_.code;
        out_.runAt.assign(code.size(), -1);
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
            out_.runAt[k] = static_cast<int>(out_.runs.size());
            out_.runs.push_back(builder.finish(static_cast<int>(j)));
            k = j;
        }
    }
};

} // namespace

program translate(const mathNode& root) { return translator(root).run(); }

} // namespace blockcode
