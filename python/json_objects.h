#pragma once

#include <string_view>

#include <pybind11/pybind11.h>

namespace zova::python {

// One JSON document as the Python objects json.loads makes of it: objects as
// dicts in the order written, arrays as lists, strings as str, a number with a
// point or an exponent as the float nearest to it, any other number as an int,
// true, false and null as True, False and None. Throws std::runtime_error for a
// text that is not one JSON document. Call it with the GIL held.
pybind11::object JsonToPython(std::string_view json);

}  // namespace zova::python
