// Fuzzes the value table's cell reader: any bytes, with the period and with a comma as the
// locale's separator. A value that parses must survive the table's own display and read-back.
#include "core/numformat.h"
#include "core/numparse.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (char separator : {'.', ','}) {
        const auto value = parseCellNumber(text, separator);
        if (!value)
            continue;
        if (!std::isfinite(*value))
            std::abort();
        const std::string shown = formatGeneral(*value, 15, separator);
        const auto back = parseCellNumber(shown, separator);
        if (!back || formatGeneral(*back, 15, separator) != shown)
            std::abort();
    }
    return 0;
}
