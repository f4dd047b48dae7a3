// The loops of the block evaluator. Each instruction kernel computes one node for every lane of a
// block with the full rules of its node kind (complex parts included), exactly as the node-by-node
// rules would for each point. The register-run kernel does a run of real arithmetic two lanes at
// a time in registers and tells whether its lane checks allow the result to stand.
#pragma once

#include "core/extended.h"
#include "core/variable.h"
#include "expr/functions.h"

#include <cstddef>
#include <cstdint>

namespace blockcode {

// An operand's lanes: a step of 0 repeats one value (a constant, or a +0 / -0 imaginary part).
struct lanes {
    const extended* re;
    std::ptrdiff_t reStep;
    const extended* im;
    std::ptrdiff_t imStep;
    extended realAt(int i) const { return re[i * reStep]; }
    extended imagAt(int i) const { return im[i * imStep]; }
};

// Results of the kernels that write imaginary parts.
struct slotLanes {
    extended* re;
    extended* im;
};

void plusLanes(const lanes& a, const lanes& b, slotLanes out, int count);
void minusLanes(const lanes& a, const lanes& b, slotLanes out, int count);
void multiplyLanes(const lanes& a, const lanes& b, slotLanes out, int count);
void complexQuotientLanes(const lanes& a, const lanes& b, slotLanes out, int count);
void negateLanes(const lanes& a, slotLanes out, int count);
void complexCallLanes(complexFunction g, const lanes& a, slotLanes out, int count);
// An absent variable reads 0.
void variableLanes(const tdspvar* variable, int order, const lanes& a, slotLanes out, int count);
// These leave the imaginary part +0.
void realQuotientLanes(const lanes& a, const lanes& b, extended* re, int count);
void powerLanes(const lanes& a, const lanes& b, extended* re, int count);
void realCallLanes(realFunction f, const lanes& a, extended* re, int count);
void noiseLanes(const std::uint32_t* seeds, int stride, int draw, extended* re, int count);
void bellNoiseLanes(const std::uint32_t* seeds, int stride, int draw, extended* re, int count);

// True when every imaginary part is +0 (all ten bytes zero).
bool allPlusZero(const extended* im, int count);
// True when every value is positive and finite.
bool allPositiveFinite(const extended* values, int count);

// One step of a register run as the kernel reads it: the operation with its operand's kind (x,
// a scalar, lanes in memory, or the other register) and its check.
enum class laneCode : unsigned char {
    loadX, loadScalar, loadLanes,
    addX, addScalar, addLanes, addReg,
    subtractX, subtractScalar, subtractLanes, subtractReg,
    subtractFromX, subtractFromScalar, subtractFromLanes, subtractFromReg,
    multiplyX, multiplyScalar,
    multiplyXCheckBoth, multiplyLanesCheckBoth, multiplyRegCheckBoth,
    multiplyScalarCheckAcc,
    multiplyXCheckEither, multiplyScalarCheckEither, multiplyLanesCheckEither, multiplyRegCheckEither,
    divideX, divideScalar, divideLanes, divideReg,
    divideIntoX, divideIntoScalar, divideIntoLanes, divideIntoReg,
    negate,
};

struct laneStep {
    laneCode code;
    int target;             // register 0 or 1
    const extended* values; // the operand's lanes, for the Lanes codes
    extended scalar;        // the operand's value, for the Scalar codes
};

// Where the x of lane i comes from: values[i], or (first + i) / n when values is null.
struct xSource {
    const extended* values;
    int first;
    int n;
};

// Where a register's final lanes go: lane i to at[i * stride]; nowhere when `at` is null. With
// `imag` set (and a stride of 2, for complex values), *imag goes to at[i * stride + 1] as well.
struct laneStore {
    extended* at = nullptr;
    int stride = 1;
    const extended* imag = nullptr;
};

// Runs the steps over `count` lanes (a multiple of 2), two lanes at a time, and writes the final
// contents of register r to stores[r]. False when a lane check failed (the stores then hold
// nothing of use); with `finite`, every stored value must be finite too.
bool registerRunLanes(const laneStep* steps, int stepCount, const xSource& x, bool usesX,
                      int count, const laneStore stores[2], bool finite);

} // namespace blockcode
