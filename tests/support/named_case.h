#pragma once

#include <ostream>

// Table rows carry a `name`; printing a row as its name keeps test names and
// failure messages readable instead of a hex dump of the struct.
#define ZOVA_PRINT_CASE_NAME(Type) \
    [[maybe_unused]] inline void PrintTo(const Type& row, std::ostream* os) { *os << row.name; }
