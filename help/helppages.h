// The help viewer's seven pages and the reader of their compact page descriptions.
// A description is a byte string: 1, y, x starts a text line at pixel (2x + 3, 2y + 3); 2 starts
// the next line 16 pixels lower; a line's text runs to the next byte below 32 or the end; 3, x, y,
// k puts picture k at (2x, 2y). The last byte is never taken as a code. No GUI here: the viewer
// paints what `interpretPage` returns.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct helpItem {
    enum kind { text, picture };
    kind what;
    int x, y; // top-left corner in the page area
    std::string line;
    int pictureNumber; // 1 HELP_MA, 2 HELP_FUN
};

// The captions of the page list, in page order.
extern const std::array<std::string_view, 7> helpPageTitles;
// The description of page 0 ... 6.
const std::string& helpPageDescription(int page);
std::vector<helpItem> interpretPage(std::string_view description);
