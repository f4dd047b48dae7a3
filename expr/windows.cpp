#include "expr/windows.h"

#include <cmath>

namespace {

bool inUnitInterval(extended t) { return t >= 0 && t <= 1; }

extended sinSquaredPi(extended t)
{
    const extended s = std::sin(kPi * t);
    return s * s;
}

} // namespace

extended windowDirichlet(extended t) { return inUnitInterval(t) ? 1 : 0; }

extended windowBartlett(extended t)
{
    if (!inUnitInterval(t))
        return 0;
    return t <= 0.5L ? 2 * t : 2 - 2 * t;
}

extended windowHamming(extended t)
{
    return inUnitInterval(t) ? 0.92L * sinSquaredPi(t) + 0.08L : 0;
}

extended windowHanning(extended t) { return inUnitInterval(t) ? sinSquaredPi(t) : 0; }

extended windowBlackman(extended t)
{
    if (!inUnitInterval(t))
        return 0;
    const extended s = sinSquaredPi(t);
    return 0.33L * s + 0.67L * s * s;
}

extended windowFunction(int index, extended t)
{
    switch (index) {
    case 1: return windowBartlett(t);
    case 2: return windowHamming(t);
    case 3: return windowHanning(t);
    case 4: return windowBlackman(t);
    default: return windowDirichlet(t);
    }
}
