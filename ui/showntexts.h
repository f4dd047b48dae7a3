// The texts that the GUI-free folders make (the parser's, the file readers' and the filter
// functions' messages, the graph's readout lines), in the language installed now. Those folders
// always make them in the program's source language; this translates a finished text line by
// line: a line that is a marked text as a whole, or one made from a marked template, whose parts
// are put back in place (a part that is itself a marked text is translated too). A line that is
// neither stays as it is.
#pragma once

#include <QString>

#include <string_view>

QString shownText(std::string_view text);
