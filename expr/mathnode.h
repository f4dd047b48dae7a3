// The expression tree: a formula in x parsed into nodes that each yield a complex value at the
// program-wide current x. A node's complex flag is fixed when it is built and selects real or
// complex behaviour in division, power and function calls. Each node owns its children; nodes
// are immutable after construction and `evaluate` allocates nothing, so one thread (the
// sampling worker) may walk a finished tree while nobody else touches it.
#pragma once

#include "core/extended.h"
#include "core/variable.h"
#include "expr/functions.h"

#include <memory>

// The x that every `mathNode_x` reads; written by the sampler before each evaluation of the
// root. It is stored race-free, so runs on different threads one after another are safe.
void setCurrentX(extended x);
extended currentX();

class mathNode {
public:
    mathNode() = default;
    explicit mathNode(bool complexFlag, int height = 1) : complex_(complexFlag), height_(height) {}
    mathNode(const mathNode&) = delete;
    mathNode& operator=(const mathNode&) = delete;
    virtual ~mathNode();

    // The node's value at the current x; the base node is 0 + 0i.
    virtual complexValue evaluate() const;
    bool complexFlag() const { return complex_; }
    // Levels of nodes from this one down to its deepest leaf (a leaf is 1). Evaluation and
    // destruction recurse this deep.
    int height() const { return height_; }

protected:
    // Leaves whose value a parent reads without a virtual call; the result is the same.
    enum class leafKind : unsigned char { other, constant, x };
    mathNode(leafKind leaf, bool complexFlag) : complex_(complexFlag), leaf_(leaf) {}
    // The value of an operand or argument.
    static complexValue valueOf(const mathNode& node);
    // `combine`(value of first, value of second), evaluating first before second. A leaf (a
    // constant or x, which have no side effects) is read without a call and after the other.
    template <typename Combine>
    static complexValue withOperands(const mathNode& first, const mathNode& second, Combine combine);

private:
    bool complex_ = false;
    leafKind leaf_ = leafKind::other;
    int height_ = 1;
};

using mathNodePtr = std::unique_ptr<mathNode>;

class mathNode_const : public mathNode {
public:
    // A real constant r + 0i.
    explicit mathNode_const(extended r) : mathNode(leafKind::constant, false), value_{r, 0} {}
    // Complex exactly when the imaginary part is not 0 (the constant I).
    mathNode_const(extended re, extended im)
        : mathNode(leafKind::constant, im != 0), value_{re, im}
    {
    }
    complexValue evaluate() const override;
    complexValue value() const { return value_; }

private:
    complexValue value_;
};

class mathNode_x : public mathNode {
public:
    mathNode_x() : mathNode(leafKind::x, false) {}
    complexValue evaluate() const override;
};

class mathNode_noise : public mathNode {
public:
    complexValue evaluate() const override; // one draw of the random generator
};

class mathNode_nnoise : public mathNode {
public:
    complexValue evaluate() const override; // two draws of the random generator
};

// A binary operator; complex when either operand is. A missing operand is read as a zero constant.
class mathNode_op : public mathNode {
public:
    mathNode_op(mathNodePtr left, mathNodePtr right);
    const mathNode& left() const { return *left_; }
    const mathNode& right() const { return *right_; }

protected:
    mathNodePtr left_;
    mathNodePtr right_;
};

class mathNode_plus : public mathNode_op {
public:
    using mathNode_op::mathNode_op;
    complexValue evaluate() const override;
};

class mathNode_minus : public mathNode_op {
public:
    using mathNode_op::mathNode_op;
    complexValue evaluate() const override;
};

class mathNode_multiply : public mathNode_op {
public:
    using mathNode_op::mathNode_op;
    complexValue evaluate() const override;
};

// Complex: left then right, conjugate formula, a zero divisor modulus becomes 1e-1000.
// Real: right first, only the real parts, a zero divisor becomes 1e-1000.
class mathNode_divide : public mathNode_op {
public:
    using mathNode_op::mathNode_op;
    complexValue evaluate() const override;

private:
    complexValue complexQuotient() const;
    complexValue realQuotient() const;
};

// Real powers only: a complex node yields 0 without evaluating its operands.
class mathNode_exponentiate : public mathNode_op {
public:
    using mathNode_op::mathNode_op;
    complexValue evaluate() const override;
};

// A node with one argument. A missing argument is read as a zero constant.
class mathNode_f1 : public mathNode {
public:
    mathNode_f1(mathNodePtr argument, bool complexFlag);
    const mathNode& argument() const { return *argument_; }

protected:
    // Complex exactly when the argument is.
    explicit mathNode_f1(mathNodePtr argument);

    mathNodePtr argument_;
};

class mathNode_unminus : public mathNode_f1 {
public:
    explicit mathNode_unminus(mathNodePtr argument);
    complexValue evaluate() const override;
};

// A row of the real function table: only the argument's real part is passed.
class mathNode_genf1 : public mathNode_f1 {
public:
    mathNode_genf1(mathNodePtr argument, const realFunctionRow& row);
    complexValue evaluate() const override;
    realFunction function() const { return function_; }

private:
    realFunction function_;
};

// A row of the complex function table.
class mathNode_genf1c : public mathNode_f1 {
public:
    mathNode_genf1c(mathNodePtr argument, const complexFunctionRow& row);
    complexValue evaluate() const override;
    complexFunction function() const { return function_; }

private:
    complexFunction function_;
};

// A workspace variable read as a periodic function of the argument's real part, with order-20
// interpolation. The node shares ownership of the variable, so removing it from the workspace
// while a run still evaluates cannot free what the run reads; the samples must not change
// during a run. Complex when the variable was complex at the time the node was built.
class mathnode_variab : public mathNode_f1 {
public:
    static constexpr int kInterpolationOrder = 20;
    mathnode_variab(mathNodePtr argument, tdspvarPtr variable);
    complexValue evaluate() const override;
    const tdspvarPtr& variable() const { return variable_; }

private:
    tdspvarPtr variable_;
};
