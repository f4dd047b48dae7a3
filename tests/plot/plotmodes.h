// The plot modes the graph window's toggles give, named for the tests, and how a test failure
// prints one.
#pragma once

#include "plot/plotscale.h"

#include <ostream>

// A real variable (the polar toggle disabled), the polar and the cartesian view of complex data,
// and the logarithmic axes.
inline constexpr plotMode kReal{.noComplexData = true};
inline constexpr plotMode kPolar{.polar = true};
inline constexpr plotMode kCartesian{};
inline constexpr plotMode kRealLogY{.noComplexData = true, .logY = true};
inline constexpr plotMode kPolarLogY{.polar = true, .logY = true};
inline constexpr plotMode kLogX{.logX = true};
inline constexpr plotMode kRealLogX{.noComplexData = true, .logX = true};
inline constexpr plotMode kPolarLogYLogX{.polar = true, .logY = true, .logX = true};

inline void PrintTo(const plotMode& m, std::ostream* out)
{
    *out << (m.noComplexData ? "no complex data" : m.polar ? "polar" : "cartesian") << (m.logY ? ", log Y" : "")
         << (m.logX ? ", log X" : "");
}
