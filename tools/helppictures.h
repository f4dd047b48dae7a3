// The two pictures of the help pages, drawn from the program's own windows in the language
// installed: HELP_MA (314 x 227), the top left of the main window with a strip's pop-up menu and
// its "Procesare" submenu open, and HELP_FUN (264 x 164), the generation dialog previewing a
// sine, shrunk to that size. It assumes a main window that is shown and holds no variable yet.
#pragma once

#include "tools/shooting.h"

void drawHelpPictures(MainWindow& main, shooting::shooter& shots);
