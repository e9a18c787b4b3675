#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/output_formats.h"
#include "design/design_figures.h"
#include "text/number_text.h"

// The design figures as the tool writes them: JSON members, CSV fields and a
// readable table, all from one list of figures so the three cannot drift apart.
namespace zova::cli {

// The JSON keys of the figures, in the order they are written; also the CSV headers.
std::vector<std::string> FigureKeys();

// Every figure as a member of the object being written; null where undefined.
void WriteFigureMembers(JsonWriter& j, const DesignFigures& f);

// One CSV field per key: numbers as in JSON, "" for null, turnsPerLayer as
// numbers separated by blanks, rolloff as "current inductance percent" points
// separated by ";".
std::vector<std::string> FigureFields(const DesignFigures& f);

// Two tab-separated columns, the figure's Chinese name with its unit and its
// value ("—" where undefined), then the roll-off in three columns.
std::string FigureTable(const DesignFigures& f);

// The shortest decimal texts that read back as the same value, whatever the
// process locale.
using text::ShortestText;

}  // namespace zova::cli
