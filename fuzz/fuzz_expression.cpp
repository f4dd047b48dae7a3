// Arbitrary bytes as formula text: parse, then evaluate the tree at a few x with the block
// evaluator and compare every value with the node-by-node rules, bit for bit. The parser must
// always return a tree no deeper than its limit, and no step may crash or misbehave under the
// address and undefined-behaviour sanitizers.
#include "expr/evaluator.h"
#include "expr/parser.h"
#include "tests/expr/pointreference.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>

namespace {

// Variables the text can call: real, complex, a single sample and an empty one.
const tworkspace& fuzzWorkspace()
{
    static const tworkspace workspace = [] {
        tworkspace w;
        signalSamples real;
        for (int k = 0; k < 16; ++k)
            real.re.push_back(k % 3 - 1);
        w.add("V", std::move(real));
        signalSamples complex;
        complex.resize(5, true);
        for (int k = 0; k < 5; ++k) {
            complex.re[static_cast<std::size_t>(k)] = k;
            complex.im[static_cast<std::size_t>(k)] = -k * 0.5L;
        }
        w.add("C", std::move(complex));
        w.add("ONE", signalSamples::real({0}));
        w.add("EMPTY", {});
        return w;
    }();
    return workspace;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const parsedExpression parsed = parseExpression(text, fuzzWorkspace());
    if (!parsed.root || parsed.root->depth() > kMaxTreeDepth)
        __builtin_trap();
    // Negative, zero, huge and non-finite x as well: the real-only path must give way to the
    // full rules wherever a sign or an infinity would make them differ.
    const extended xs[] = {0.0L, 0.37L, 1.0L, -2.5L, -0.0L, 1e4000L, -1e-4000L,
                           std::numeric_limits<extended>::infinity()};
    constexpr int kCount = sizeof xs / sizeof xs[0];
    complexValue values[kCount];
    setRandomSeed(7);
    blockEvaluator(*parsed.root).evaluate(xs, kCount, values);
    setRandomSeed(7);
    for (int k = 0; k < kCount; ++k)
        if (!pointreference::sameValue(values[k], pointreference::valueAt(*parsed.root, xs[k])))
            __builtin_trap();
    return 0;
}
