// The coefficient reader and the series division on arbitrary text: the input is the numerator
// field, a newline, and the denominator field.
#include "core/numformat.h"
#include "dsp/zinverse.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    const std::string_view numerator = input.substr(0, split);
    const std::string_view denominator = split == std::string_view::npos ? "1" : input.substr(split + 1);
    const auto n = readCoefficients(numerator);
    const auto d = readCoefficients(denominator);
    if (n.size() > 20 || d.size() > 20)
        __builtin_trap();
    if (const auto q = inverseZSeries(n, d))
        for (extended term : *q)
            (void)formatGeneral(term, 15);
    return 0;
}
