#include "expr/blockprogram.h"

#include "expr/mathnode.h"

#include <algorithm>
#include <unordered_map>

namespace blockcode {

namespace {

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
        } else if (isBinaryKind(n.kind()) && !isConstantZeroPower(n)) {
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
// where they are). Of two operands the one needing more is evaluated first, and on a tie the
// right one; the result takes the place of the operand computed last, so that a stretch of
// arithmetic continues in one slot.
std::unordered_map<const mathNode*, int> slotNeeds(const mathNode& root)
{
    std::unordered_map<const mathNode*, int> need;
    std::vector<std::pair<const mathNode*, bool>> pending{{&root, false}};
    while (!pending.empty()) {
        const auto [node, childrenDone] = pending.back();
        pending.pop_back();
        const mathNode& n = *node;
        if (isBinaryKind(n.kind()) && !isConstantZeroPower(n)) {
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
        findRegisterRuns(out_);
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
};

} // namespace

program translate(const mathNode& root) { return translator(root).run(); }

} // namespace blockcode
