// The expression tree: a formula in x parsed into nodes. A node's complex flag is fixed when it is
// built and selects real or complex behaviour in division, power and function calls. Each node
// owns its children and is immutable after construction. Nodes hold no evaluation code: the block
// evaluator (expr/evaluator.h) reads a finished tree and evaluates it at many x at once.
//
// Left-hand operands of binary operators form chains (x+x+...+x, a*b/c-d): destroying a tree
// walks such a chain in a loop, so only nesting through right-hand operands and arguments
// recurses. `depth` counts exactly that nesting.
#pragma once

#include "core/extended.h"
#include "core/variable.h"
#include "expr/functions.h"

#include <memory>

enum class nodeKind : unsigned char {
    constant,
    x,
    noise,     // one draw of the random generator
    bellNoise, // two draws
    plus,
    minus,
    multiply,
    divide,
    power,
    negate,
    realCall,
    complexCall,
    variable,
};

// Plus, minus, multiply, divide and power: the kinds of mathNode_op.
bool isBinaryKind(nodeKind kind);

class mathNode {
public:
    mathNode(const mathNode&) = delete;
    mathNode& operator=(const mathNode&) = delete;
    virtual ~mathNode();

    nodeKind kind() const { return kind_; }
    bool complexFlag() const { return complex_; }
    // Levels of nesting below and including this node: a leaf is 1, a node with one argument
    // adds 1 to it, a binary node adds 1 to its right operand and to a left operand that is not
    // itself binary. A left operand that is binary continues the same chain and adds nothing.
    int depth() const { return depth_; }

protected:
    mathNode(nodeKind kind, bool complexFlag, int depth = 1)
        : kind_(kind), complex_(complexFlag), depth_(depth)
    {
    }

private:
    nodeKind kind_;
    bool complex_;
    int depth_;
};

using mathNodePtr = std::unique_ptr<mathNode>;

class mathNode_const : public mathNode {
public:
    // A real constant r + 0i.
    explicit mathNode_const(extended r) : mathNode(nodeKind::constant, false), value_{r, 0} {}
    // Complex exactly when the imaginary part is not 0 (the constant I).
    mathNode_const(extended re, extended im) : mathNode(nodeKind::constant, im != 0), value_{re, im}
    {
    }
    complexValue value() const { return value_; }

private:
    complexValue value_;
};

class mathNode_x : public mathNode {
public:
    mathNode_x() : mathNode(nodeKind::x, false) {}
};

class mathNode_noise : public mathNode {
public:
    mathNode_noise() : mathNode(nodeKind::noise, false) {}
};

class mathNode_nnoise : public mathNode {
public:
    mathNode_nnoise() : mathNode(nodeKind::bellNoise, false) {}
};

// A binary operator; complex when either operand is. A missing operand is read as a zero constant.
class mathNode_op : public mathNode {
public:
    ~mathNode_op() override;
    const mathNode& left() const { return *left_; }
    const mathNode& right() const { return *right_; }
    // The depth a binary node over these operands would have.
    static int depthOver(const mathNode* left, const mathNode* right);

protected:
    mathNode_op(nodeKind kind, mathNodePtr left, mathNodePtr right);

private:
    mathNodePtr left_;
    mathNodePtr right_;
};

class mathNode_plus : public mathNode_op {
public:
    mathNode_plus(mathNodePtr left, mathNodePtr right)
        : mathNode_op(nodeKind::plus, std::move(left), std::move(right))
    {
    }
};

class mathNode_minus : public mathNode_op {
public:
    mathNode_minus(mathNodePtr left, mathNodePtr right)
        : mathNode_op(nodeKind::minus, std::move(left), std::move(right))
    {
    }
};

class mathNode_multiply : public mathNode_op {
public:
    mathNode_multiply(mathNodePtr left, mathNodePtr right)
        : mathNode_op(nodeKind::multiply, std::move(left), std::move(right))
    {
    }
};

// Complex: the conjugate formula, a zero divisor modulus becomes 1e-1000. Real: only the real
// parts count, a zero divisor becomes 1e-1000, and the divisor is evaluated first.
class mathNode_divide : public mathNode_op {
public:
    mathNode_divide(mathNodePtr left, mathNodePtr right)
        : mathNode_op(nodeKind::divide, std::move(left), std::move(right))
    {
    }
};

// Real powers only: a complex node yields 0 and its operands are never evaluated.
class mathNode_exponentiate : public mathNode_op {
public:
    mathNode_exponentiate(mathNodePtr left, mathNodePtr right)
        : mathNode_op(nodeKind::power, std::move(left), std::move(right))
    {
    }
};

// A node with one argument. A missing argument is read as a zero constant.
class mathNode_f1 : public mathNode {
public:
    const mathNode& argument() const { return *argument_; }

protected:
    mathNode_f1(nodeKind kind, mathNodePtr argument, bool complexFlag);
    // Complex exactly when the argument is.
    mathNode_f1(nodeKind kind, mathNodePtr argument);

private:
    mathNodePtr argument_;
};

// Negation; complex exactly when the argument is.
class mathNode_unminus : public mathNode_f1 {
public:
    explicit mathNode_unminus(mathNodePtr argument);
};

// A row of the real function table: only the argument's real part is passed.
class mathNode_genf1 : public mathNode_f1 {
public:
    mathNode_genf1(mathNodePtr argument, const realFunctionRow& row);
    realFunction function() const { return function_; }

private:
    realFunction function_;
};

// A row of the complex function table.
class mathNode_genf1c : public mathNode_f1 {
public:
    mathNode_genf1c(mathNodePtr argument, const complexFunctionRow& row);
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
    const tdspvarPtr& variable() const { return variable_; }

private:
    tdspvarPtr variable_;
};
