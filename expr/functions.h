// The built-in vocabulary of the expression language: the real and the complex function table
// that a one-argument call is looked up in, and the named constants PI and E. Rows are searched
// in their order and the first row with the name wins; names are upper case, as the parser
// upper-cases the text it reads. The functions absorb bad arguments instead of failing.
#pragma once

#include "core/extended.h"

#include <array>
#include <string_view>

using realFunction = extended (*)(extended);
using complexFunction = complexValue (*)(complexValue);

struct realFunctionRow {
    std::string_view name;
    realFunction function;
    bool complexFlag; // copied into the node built for the call (always clear here)
};

struct complexFunctionRow {
    std::string_view name;
    complexFunction function;
    bool complexFlag; // copied into the node built for the call
};

extern const std::array<realFunctionRow, 16> realFunctionTable;
extern const std::array<complexFunctionRow, 5> complexFunctionTable;

// The first row named `name`, or nullptr.
const realFunctionRow* findRealFunction(std::string_view name);
const complexFunctionRow* findComplexFunction(std::string_view name);

// e as exp(1) in extended precision (PI is kPi of core/extended.h).
extended constantE();
