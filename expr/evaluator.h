// The block evaluator: the values of an expression tree at many x at once, each exactly (bit for
// bit) the value the node-by-node rules of the language give at that x. The tree is translated
// once into block instructions (expr/blockprogram.h); evaluation runs each instruction over up to
// kBlock points, with a real-only path for the real arithmetic that fills most formulas and the
// full complex rules wherever an imaginary part could matter. NOISE and NNOISE draw what they
// would draw point after point: the generator's next states for the whole block are taken in
// advance and each noise node reads the ones that fall to it.
//
// The evaluator reads the tree, which must outlive it and stay unchanged; it allocates its
// working memory once, in the constructor. One thread uses an evaluator at a time.
#pragma once

#include "core/extended.h"
#include "expr/blockkernels.h"
#include "expr/blockprogram.h"

#include <atomic>
#include <cstdint>
#include <vector>

class mathNode;

class blockEvaluator {
public:
    static constexpr int kBlock = 256;

    explicit blockEvaluator(const mathNode& root);

    // The values at x = (first + k) / n for k = 0 .. count-1 (count <= kBlock) into out.
    // Returns false, leaving out incomplete, when `stop` was seen set between two instructions.
    bool evaluateSamples(int first, int count, int n, complexValue* out,
                         const std::atomic<bool>* stop = nullptr);
    // The values at xs[0 .. count), count <= kBlock.
    bool evaluate(const extended* xs, int count, complexValue* out,
                  const std::atomic<bool>* stop = nullptr);

private:
    // What a slot's imaginary lanes hold.
    enum class imagState : unsigned char { plusZero, minusZero, lanes };
    struct slot {
        extended* re;
        extended* im;
        imagState state = imagState::plusZero;
    };

    bool run(int count, complexValue* out, const std::atomic<bool>* stop);
    // Does the run in registers when this block allows; `out`, when given, receives the program's
    // result directly.
    bool tryRegisterRun(const blockcode::registerRun& run, int lanes, complexValue* out);
    void execute(const blockcode::instruction& ins, int count, int lanes);
    // The block's x in memory, worked out on first use.
    const extended* xLanes(int count);
    blockcode::lanes lanesOf(const blockcode::operand& o) const;
    void writeResult(int count, complexValue* out);

    blockcode::program program_;
    std::vector<extended> storage_;
    std::vector<slot> slots_;
    extended* scratch_[2] = {nullptr, nullptr}; // where register runs store, one per register
    std::vector<extended> xLanes_;
    blockcode::xSource xs_{};
    bool xLanesReady_ = false;
    std::vector<std::uint32_t> seeds_;
    std::vector<blockcode::laneStep> laneSteps_;
    bool xPositive_ = false;     // every x of the block is positive and finite
    bool resultWritten_ = false; // a register run has put the block's result in place
};

// The tree's value at one x.
complexValue evaluateAt(const mathNode& root, extended x);
