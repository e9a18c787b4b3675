#pragma once

#include <string>
#include <vector>

#include "design/design_figures.h"

namespace zova {

// One line of the design window's figures: the figure's name with its
// unit, and its value as shown ("—" where the figure is undefined).
struct FigureRow {
    std::string name;
    std::string value;

    friend bool operator==(const FigureRow&, const FigureRow&) = default;
};

// The workbench's rows of the figure table (figure_table.h), in the order an
// engineer reads them: inductance and bias, wire and winding, losses and
// heating, wound size. Resistances in mΩ; the fill as a percentage of the
// hole's square. Without a bias curve (`biasCurve` false) the figures read
// off it (the inductance at the current and at the peak, the permeability
// left, the energy, the flux densities) are not known and show "—".
std::vector<FigureRow> FigureRows(const DesignFigures& f, bool biasCurve = true);

// The same rows under headings: first what an engineer reads first (要点: L,
// permeability left, total loss and rise, fill, layers), then each group
// (电感与磁场, 绕组, 损耗与温升, 绕后尺寸) with every row of the group.
struct FigureSection {
    std::string heading;
    std::vector<FigureRow> rows;
};
std::vector<FigureSection> FigureSections(const DesignFigures& f, bool biasCurve = true);

// What is wrong with the winding, in words, or "" when nothing is: the turns do
// not all fit in the hole, or they fill more of it than the selection accepts.
std::string WindingWarning(const DesignFigures& f, int turns);

}  // namespace zova
