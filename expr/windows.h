// The five window functions, the program's single definition of its windows: the expression
// language calls them by name and the windowing operation weights samples with them. Each is
// 0 outside [0, 1]; all peak at t = 0.5 with value 1.
#pragma once

#include "core/extended.h"

extended windowDirichlet(extended t);
extended windowBartlett(extended t);
extended windowHamming(extended t);
extended windowHanning(extended t);
extended windowBlackman(extended t);

// The window at `index` in the window name list: 0 Dirichlet, 1 Bartlett, 2 Hamming,
// 3 Hanning, 4 Blackman. Any other index gives Dirichlet.
extended windowFunction(int index, extended t);
