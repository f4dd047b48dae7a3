// The help viewer's seven pages and the reader of their compact page descriptions.
// A description is a byte string: 1, y, x starts a text line at pixel (2x + 3, 2y + 3); 2 starts
// the next line 16 pixels lower; a line's text runs to the next byte below 32 or the end; 3, x, y,
// k puts picture k at (2x, 2y). The last byte is never taken as a code. No GUI here: the pages
// are kept as texts in the program's source language, each marked for translation, and the
// viewer describes and paints the text of the language it shows.
#pragma once

#include "core/showntext.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The translation context of the page titles and texts; lupdate reads the literal "HelpPages" at
// each mark, so the two must agree.
#define KELMO_HELP_CONTEXT "HelpPages"

struct helpItem {
    enum kind { text, picture };
    kind what;
    int x, y; // top-left corner in the page area
    std::string line;
    int pictureNumber; // 1 HELP_MA, 2 HELP_FUN
};

// A picture placed on a page, in the description's two-pixel units.
struct helpPicture {
    int number = 0; // 0: none, 1 HELP_MA, 2 HELP_FUN
    unsigned char x = 0, y = 0;
};

struct helpPage {
    std::string_view title; // the page list's caption
    std::string_view text;  // the lines, each ended by '\n' but the last
    helpPicture picture;    // drawn after the lines
};

// The seven pages in list order, in the program's source language.
extern const std::array<helpPage, 7> helpPages;

// The description of a page whose lines are `text` split at '\n': the first line at pixel (3, 3),
// each further one 16 pixels lower, then the picture. Any other byte below 32 in the text
// becomes a space, so that a text can never end a line early or read as a code.
std::string describePage(std::string_view text, helpPicture picture);
// The description of page 0 ... 6 in the source language.
const std::string& helpPageDescription(int page);
std::vector<helpItem> interpretPage(std::string_view description);
