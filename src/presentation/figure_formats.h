#pragma once

#include <string>
#include <vector>

#include "design/design_figures.h"
#include "text/json_writer.h"

// The design figures as the tool writes them: JSON members, CSV fields and a
// readable table, all from the figure table (figure_table.h).
namespace zova {

// The JSON keys of the figures, in the order they are written; also the CSV headers.
std::vector<std::string> FigureKeys();

struct Figure;

// Whether the tool writes the figure for these figures: the roll-off only when
// it was computed, every other figure always.
bool IsWritten(const Figure& figure, const DesignFigures& f);

// Every figure as a member of the object being written, SI units as the
// figures hold them (Ω, a fraction for the fill); null where undefined. The
// roll-off only when it was computed.
void WriteFigureMembers(text::JsonWriter& j, const DesignFigures& f);

// One CSV field per key: numbers as in JSON, "" for null, turnsPerLayer as
// numbers separated by blanks, rolloff as "current inductance percent" points
// separated by ";".
std::vector<std::string> FigureFields(const DesignFigures& f);

// Two tab-separated columns, each figure's caption (name and unit) and its
// value in that unit to six significant digits ("—" where undefined), in the
// JSON's order; then the roll-off in three columns under their captions.
std::string FigureTextTable(const DesignFigures& f);

}  // namespace zova
