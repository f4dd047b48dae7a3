#include "expr/mathnode.h"

#include <algorithm>

namespace {

// A missing operand or argument is replaced by a zero constant, a leaf.
mathNodePtr orZero(mathNodePtr node)
{
    return node ? std::move(node) : std::make_unique<mathNode_const>(0);
}

int depthOf(const mathNode* node) { return node ? node->depth() : 1; }

bool isComplex(const mathNode* node) { return node && node->complexFlag(); }

} // namespace

bool isBinaryKind(nodeKind kind)
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

mathNode::~mathNode() = default;

int mathNode_op::depthOver(const mathNode* left, const mathNode* right)
{
    const int leftDepth = left && isBinaryKind(left->kind()) ? left->depth() : 1 + depthOf(left);
    return std::max(leftDepth, 1 + depthOf(right));
}

mathNode_op::mathNode_op(nodeKind kind, mathNodePtr left, mathNodePtr right)
    : mathNode(kind, isComplex(left.get()) || isComplex(right.get()),
               depthOver(left.get(), right.get())),
      left_(orZero(std::move(left))), right_(orZero(std::move(right)))
{
}

mathNode_op::~mathNode_op()
{
    // The chain of left operands is taken apart here, one link at a time, rather than by each
    // destructor calling the next: a chain of thousands of terms must not recurse that deep.
    mathNodePtr next = std::move(left_);
    while (next && isBinaryKind(next->kind())) {
        auto* link = static_cast<mathNode_op*>(next.get());
        mathNodePtr further = std::move(link->left_);
        next.reset(); // destroys the link's right operand; its left is already detached
        next = std::move(further);
    }
}

mathNode_f1::mathNode_f1(nodeKind kind, mathNodePtr argument, bool complexFlag)
    : mathNode(kind, complexFlag, 1 + depthOf(argument.get())),
      argument_(orZero(std::move(argument)))
{
}

mathNode_f1::mathNode_f1(nodeKind kind, mathNodePtr argument)
    : mathNode(kind, isComplex(argument.get()), 1 + depthOf(argument.get())),
      argument_(orZero(std::move(argument)))
{
}

mathNode_unminus::mathNode_unminus(mathNodePtr argument)
    : mathNode_f1(nodeKind::negate, std::move(argument))
{
}

mathNode_genf1::mathNode_genf1(mathNodePtr argument, const realFunctionRow& row)
    : mathNode_f1(nodeKind::realCall, std::move(argument), row.complexFlag), function_(row.function)
{
}

mathNode_genf1c::mathNode_genf1c(mathNodePtr argument, const complexFunctionRow& row)
    : mathNode_f1(nodeKind::complexCall, std::move(argument), row.complexFlag),
      function_(row.function)
{
}

namespace {

bool isComplexVariable(const tdspvarPtr& variable) { return variable && variable->isComplex(); }

} // namespace

mathnode_variab::mathnode_variab(mathNodePtr argument, tdspvarPtr variable)
    : mathNode_f1(nodeKind::variable, std::move(argument), isComplexVariable(variable)),
      variable_(std::move(variable))
{
}
