// The count fields' integer reader on any bytes: it takes exactly an optional sign and one to
// nine digits, and its value is the plain decimal value of those digits.
#include "core/numparse.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t start = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const std::string_view digits = text.substr(start);
    bool wellFormed = !digits.empty() && digits.size() <= 9;
    long long expected = 0;
    for (const char c : digits) {
        wellFormed = wellFormed && c >= '0' && c <= '9';
        expected = expected * 10 + (c - '0');
    }
    if (start == 1 && text[0] == '-')
        expected = -expected;
    const auto value = parseFieldInteger(text);
    if (value.has_value() != wellFormed || (value && *value != expected))
        __builtin_trap();
    return 0;
}
