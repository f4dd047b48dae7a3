// Helpers shared by the expression tests: parse-and-evaluate in one call, and a readable text
// form of a tree (kinds, constants and function names) for comparing shapes.
#pragma once

#include "expr/evaluator.h"
#include "expr/parser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace exprtest {

inline const tworkspace& emptyWorkspace()
{
    static const tworkspace workspace;
    return workspace;
}

inline parsedExpression parse(std::string_view text, const tworkspace& workspace = emptyWorkspace())
{
    return parseExpression(text, workspace);
}

// The message the text gives (empty when it parsed cleanly).
inline std::string messageOf(std::string_view text, const tworkspace& workspace = emptyWorkspace())
{
    return parse(text, workspace).message;
}

// Parses text that must be clean and evaluates it at x.
inline complexValue valueOf(std::string_view text, extended x = 0,
                            const tworkspace& workspace = emptyWorkspace())
{
    const parsedExpression parsed = parse(text, workspace);
    EXPECT_EQ(parsed.message, "") << "for " << text;
    return evaluateAt(*parsed.root, x);
}

inline std::string functionName(realFunction f)
{
    for (const auto& row : realFunctionTable)
        if (row.function == f)
            return std::string(row.name);
    return "?";
}

inline std::string functionName(complexFunction f)
{
    for (const auto& row : complexFunctionTable)
        if (row.function == f)
            return "c" + std::string(row.name);
    return "?";
}

inline std::string numberText(extended v)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6Lg", v);
    return buffer;
}

// For example "plus(x,mul(2,SIN(x)))"; constants print with 6 digits, variables as var:NAME.
inline std::string describe(const mathNode& node)
{
    if (const auto* c = dynamic_cast<const mathNode_const*>(&node)) {
        const complexValue v = c->value();
        return v.im == 0 ? numberText(v.re) : numberText(v.re) + "+" + numberText(v.im) + "i";
    }
    if (dynamic_cast<const mathNode_x*>(&node))
        return "x";
    if (dynamic_cast<const mathNode_noise*>(&node))
        return "noise";
    if (dynamic_cast<const mathNode_nnoise*>(&node))
        return "nnoise";
    if (const auto* op = dynamic_cast<const mathNode_op*>(&node)) {
        const char* kind = dynamic_cast<const mathNode_plus*>(op)       ? "plus"
                           : dynamic_cast<const mathNode_minus*>(op)    ? "minus"
                           : dynamic_cast<const mathNode_multiply*>(op) ? "mul"
                           : dynamic_cast<const mathNode_divide*>(op)   ? "div"
                           : dynamic_cast<const mathNode_exponentiate*>(op) ? "pow"
                                                                           : "op";
        return std::string(kind) + "(" + describe(op->left()) + "," + describe(op->right()) + ")";
    }
    if (const auto* f = dynamic_cast<const mathNode_f1*>(&node)) {
        std::string kind = "f1";
        if (dynamic_cast<const mathNode_unminus*>(f))
            kind = "neg";
        else if (const auto* g = dynamic_cast<const mathNode_genf1*>(f))
            kind = functionName(g->function());
        else if (const auto* gc = dynamic_cast<const mathNode_genf1c*>(f))
            kind = functionName(gc->function());
        else if (const auto* v = dynamic_cast<const mathnode_variab*>(f))
            kind = "var:" + (v->variable() ? v->variable()->name() : std::string("-"));
        return kind + "(" + describe(f->argument()) + ")";
    }
    return "node";
}

inline std::string treeOf(std::string_view text, const tworkspace& workspace = emptyWorkspace())
{
    return describe(*parse(text, workspace).root);
}

} // namespace exprtest
