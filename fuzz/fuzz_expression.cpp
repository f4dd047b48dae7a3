// Arbitrary bytes as formula text: parse, then evaluate the tree at a few x. The parser must
// always return a tree no deeper than its limit, and neither step may crash or misbehave under
// the address and undefined-behaviour sanitizers.
#include "expr/parser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Variables the text can call: real, complex, a single sample and an empty one.
const tworkspace& fuzzWorkspace()
{
    static const tworkspace workspace = [] {
        tworkspace w;
        auto real = w.createVariable("V");
        real->resize(16, false);
        for (int k = 0; k < 16; ++k)
            real->re[static_cast<std::size_t>(k)] = k % 3 - 1;
        auto complex = w.createVariable("C");
        complex->resize(5, true);
        for (int k = 0; k < 5; ++k) {
            complex->re[static_cast<std::size_t>(k)] = k;
            complex->im[static_cast<std::size_t>(k)] = -k * 0.5L;
        }
        w.createVariable("ONE")->resize(1, false);
        w.createVariable("EMPTY");
        return w;
    }();
    return workspace;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const parsedExpression parsed = parseExpression(text, fuzzWorkspace());
    if (!parsed.root || parsed.root->height() > kMaxTreeHeight)
        __builtin_trap();
    for (const extended x : {0.0L, 0.37L, 1.0L, -2.5L}) {
        setCurrentX(x);
        (void)parsed.root->evaluate();
    }
    return 0;
}
