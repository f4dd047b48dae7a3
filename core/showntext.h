// Texts that the GUI-free code shows a person (the parser's, the readers' and the filter
// functions' messages, the graph's readout and axis titles), marked for translation. The code
// itself always makes them in the program's source language; the windows translate a finished
// text at display time, line by line, a text with variable parts through its template.
// KELMO_TEXT only marks a literal for the translation tools; it changes nothing in the program.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The one context of every marked text of the GUI-free folders; lupdate reads the literal
// "Texts" at each mark, so the two must agree.
#define KELMO_TEXT_CONTEXT "Texts"
#define KELMO_TEXT(context, text) text

// A template with its variable parts filled in: %1 ... %9 are replaced by the parts in order, a
// number with no part stays as it is, and a part is never read again for places.
std::string fillText(std::string_view textTemplate, std::initializer_list<std::string_view> parts);
