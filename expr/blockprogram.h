// A tree translated for block evaluation: a flat list of instructions, each of which computes one
// node for a whole block of x values into a numbered slot, and the runs of real arithmetic among
// them that can be done in registers a few points at a time. The translation walks the tree with
// an explicit stack, so a chain of thousands of terms needs no deep recursion. Operands are
// ordered so that a slot is reused as soon as it is consumed and runs of arithmetic stay
// contiguous. Noise instructions know where their draws fall among one point's draws, in the
// order the node-by-node rules draw them.
#pragma once

#include "core/extended.h"
#include "core/variable.h"
#include "expr/functions.h"

#include <vector>

class mathNode;

namespace blockcode {

enum class opcode : unsigned char {
    noise,
    bellNoise,
    plus,
    minus,
    multiply,
    divideReal,
    divideComplex,
    power, // real only: a complex power is the constant 0
    negate,
    realCall,
    complexCall,
    variable,
};

struct operand {
    enum class source : unsigned char { none, x, constant, slot, reg };
    source from = source::none;
    int slot = -1;      // a slot's number, or a register's in a register run
    complexValue value; // a constant's
    bool isSlot(int s) const { return from == source::slot && slot == s; }
};

struct instruction {
    opcode op = opcode::plus;
    bool realResult = true; // the node's complex flag is clear
    int dest = -1;
    operand a, b; // b is unused by one-operand instructions
    realFunction realFn = nullptr;
    complexFunction complexFn = nullptr;
    const tdspvar* variable = nullptr;
    int draw = 0; // a noise instruction's first draw among one point's draws
};

// A register run does a stretch of real arithmetic two points at a time in registers: two
// working registers per point, and x. Slots computed inside the stretch live in the registers;
// slots computed before it are read from memory; the slots still needed after it are stored.
enum class stepOp : unsigned char {
    load,         // r = v
    add,          // r + v
    subtract,     // r - v
    subtractFrom, // v - r
    multiply,     // r * v
    divide,       // r / v, a zero divisor replaced
    divideInto,   // v / r, a zero divisor replaced
    negate,       // -r
};

// What a step must confirm point by point for the registers to hold what the full complex rules
// give (an imaginary part of -0 or NaN could arise and matter where signs meet or values are not
// finite). A point that fails sends the whole block back to the instructions.
enum class stepCheck : unsigned char {
    none,
    accNonPositive,    // fails when r <= 0
    bothNonPositive,   // fails when r <= 0 and v <= 0
    eitherNonPositive, // fails when r <= 0 or v <= 0
    xDependent,        // none when every x of the block is positive and finite, else both
    finite,            // fails when r, or v when it is a register, is infinite or NaN
};

struct step {
    stepOp op = stepOp::load;
    stepCheck check = stepCheck::none;
    int target = 0; // register 0 or 1
    operand v;      // x, a constant, a slot in memory, or the other register
};

// A register's value that is still needed after the run goes to a slot; its imaginary part is
// -0 for every point when `minusZero`, +0 otherwise.
struct registerStore {
    int reg = 0;
    int slot = -1;
    bool minusZero = false;
};

// Instructions [first, end) done as one register run.
struct registerRun {
    int first = 0;
    int end = 0;
    std::vector<step> steps;
    std::vector<registerStore> stores;
    bool usesX = false;
    bool multiplies = false; // stored values must be finite to be trusted
};

struct program {
    std::vector<instruction> code;
    std::vector<registerRun> runs;
    std::vector<int> runAt; // per instruction: index of the run starting there, or -1
    operand result;
    int slotCount = 0;
    int drawsPerPoint = 0;
};

program translate(const mathNode& root);

// Marks the stretches of `out.code` that run in registers (part of translate).
void findRegisterRuns(program& out);

} // namespace blockcode
