#include "core/showntext.h"

#include <vector>

std::string fillText(std::string_view textTemplate, std::initializer_list<std::string_view> parts)
{
    const std::vector<std::string_view> filled(parts);
    std::string out;
    out.reserve(textTemplate.size());
    for (std::size_t i = 0; i < textTemplate.size(); ++i) {
        const char c = textTemplate[i];
        if (c == '%' && i + 1 < textTemplate.size() && textTemplate[i + 1] >= '1' && textTemplate[i + 1] <= '9') {
            const auto place = static_cast<std::size_t>(textTemplate[i + 1] - '1');
            if (place < filled.size()) {
                out += filled[place];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}
