#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "catalogue/core_record.h"
#include "design/rolloff.h"

namespace zova {

// What an engineer weighs when choosing a winding on a core: inductance and
// bias, the wire, how the winding lies in the hole, its resistance, losses,
// heating and wound size. The winding uses the selection's wire (sized from the
// current), copper loss at DC only, and cools in still air. The figures from
// meanTurnLength on are empty when the winding does not fit the hole. Each
// figure's model is a file of its own beside this one: wire_sizes,
// winding_layers, copper_resistance, temperature_rise, wound_size, rolloff.
struct DesignFigures {
    float inductance = 0.0f;          // µH at the current, the whole stack
    float inductanceZeroBias = 0.0f;  // µH at 0 A, the whole stack
    float fieldStrength = 0.0f;       // Oe
    double ampereTurnsPerMetre = 0.0;
    float percentPermeability = 0.0f;  // % of initial permeability left; 0 without a curve
    double energy = 0.0;               // µJ
    float bareDiameter = 0.0f;         // mm
    float overallDiameter = 0.0f;      // mm, insulation included
    std::optional<double> standardWire;  // mm
    std::optional<int> awg;
    double windowFill = 0.0;  // turns × overall wire area over the hole's square
    bool fitsWindow = false;  // the selection's fill test
    std::vector<int> turnsPerLayer;
    std::optional<int> layers;
    bool windingFits = false;
    std::optional<double> meanTurnLength;  // mm, first layer
    std::optional<double> wireLength;      // m, leads not counted
    std::optional<double> resistance20;    // Ω
    std::optional<double> resistance100;   // Ω
    std::optional<double> copperLoss20;    // W
    std::optional<double> copperLoss100;   // W
    std::optional<double> woundOD;         // mm
    std::optional<double> woundID;         // mm
    std::optional<double> woundHeight;     // mm
    std::optional<double> surfaceArea;     // cm²
    std::optional<double> temperatureRise;  // K
    std::optional<double> woundVolume;      // cm³
    std::vector<RolloffPoint> rolloff;      // kRolloffPoints, current rising

    friend bool operator==(const DesignFigures&, const DesignFigures&) = default;
};

// The figures of `turns` turns at DC `current` on a stack of `stack` cores.
// Precondition: turns >= 1, current > 0, stack >= 1. Throws ArithmeticError when
// a figure leaves the range of its type.
DesignFigures ComputeDesignFigures(const CoreRecord& core, std::int16_t turns, float current, std::int16_t stack);

}  // namespace zova
