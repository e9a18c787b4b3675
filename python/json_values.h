#pragma once

#include <pybind11/pybind11.h>

#include "presentation/figure_table.h"
#include "presentation/warning_texts.h"

// The Python objects json.loads makes of what the tool's JSON writer writes
// for a value (text/json_writer.h), made from the value without the text of a
// whole document. Call them with the GIL held.
namespace zova::python {

// The writer's shortest text of v read as json.loads reads it: an int when the
// text has no point and no exponent ("100", "-0" is 0), otherwise the double
// the text reads back as (for a single, the double nearest to its shortest
// text: 100.28274f gives 100.28274, not 100.28273773193359); None for NaN and
// the infinities, which the writer writes as null.
pybind11::object JsonNumber(float v);
pybind11::object JsonNumber(double v);

// A figure as its JSON member's value: None where undefined, True or False,
// an int, a list of ints, the roll-off as a list of dicts (current,
// inductance, percent), a str, or a number as JsonNumber makes it.
pybind11::object FigureObject(const FigureValue& value);

// Every figure the tool writes for f, keyed and ordered as its JSON object.
pybind11::dict FigureDict(const DesignFigures& f);

// The warnings as the tool's "warnings" member: a list of {"key", "text"}.
pybind11::list WarningList(const std::vector<WarningLine>& warnings);

}  // namespace zova::python
