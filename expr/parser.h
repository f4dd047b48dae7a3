// The expression parser: one line of formula text in x becomes a tree of mathNode objects.
// A single recursive scanner reads the characters and builds nodes as it goes; it never fails
// to return a tree (a zero constant stands in for a broken piece) and reports what went wrong
// as one Romanian message. Names of workspace variables are resolved while parsing, so it runs
// on the GUI thread while nobody else edits the workspace.
#pragma once

#include "core/showntext.h"
#include "core/workspace.h"
#include "expr/mathnode.h"
#include "expr/noise.h"

#include <memory>
#include <string>
#include <string_view>

struct parsedExpression {
    std::unique_ptr<mathNode> root; // never null, also on error
    std::string message;             // empty when the text parsed cleanly
};

// Deepest nesting the parser builds (mathNode::depth: chains of left operands such as
// x+x+...+x do not count). Destroying a tree recurses this deep, which must fit the sampling
// worker's 163840-byte stack.
inline constexpr int kMaxTreeDepth = 256;
// Deepest nesting of parentheses, calls, signs and exponents the scanner follows.
inline constexpr int kMaxScanDepth = 4 * kMaxTreeDepth;
// The message for anything deeper.
inline constexpr std::string_view kTooComplexMessage = KELMO_TEXT("Texts", "Expresia este prea complexa.");
// The message for a character no rule takes, %1 being the character.
inline constexpr std::string_view kUnexpectedCharacterText = KELMO_TEXT("Texts", "Caracter neasteptat : %1.");

parsedExpression parseExpression(std::string_view text, const tworkspace& workspace);
