#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/core_record.h"
#include "commands/design_command.h"

// A circuit-simulator model of one wound inductor: a two-pin subcircuit whose
// inductance follows the design's own inductance against DC current (the
// maker's DC-bias curve through this program's inductance formula), written
// for ngspice or for LTspice.
namespace zova {

enum class SpiceDialect { Ngspice, LTspice };

// Their names, in the order of the enumeration.
inline constexpr std::string_view kSpiceDialectNames[] = {"ngspice", "ltspice"};

// The dialect named "ngspice" or "ltspice".
std::optional<SpiceDialect> SpiceDialectNamed(std::string_view name);

// Linear interpolation between neighbouring points of the inductance table
// stays within this fraction of the design's inductance at every current from
// the first point above 0 A to the current of the curve's top field.
inline constexpr double kTableTolerance = 0.002;
// The flux table's slope (the inductance LTspice sees) stays within this
// fraction of the design's inductance at every current it covers.
inline constexpr double kFluxTolerance = 0.004;

// One point of a table: current in A, value in H (inductance) or Wb-turns (flux linkage).
struct TablePoint {
    double current = 0.0;
    double value = 0.0;

    friend bool operator==(const TablePoint&, const TablePoint&) = default;
};

// The design's inductance of the whole stack against the magnitude of the DC
// current, rising in current: 0 A (the full initial permeability, as the
// design takes it), a point just above 0 A (the curve's own value there),
// the points where the curve bends as far as linear interpolation needs
// them, the current at which the field reaches the curve's top field, and one
// point at twice that current with the same inductance, so that a simulator
// extending the last segment keeps it constant. Throws ArithmeticError.
std::vector<TablePoint> InductanceTable(const CoreRecord& core, std::int16_t turns, std::int16_t stack);

// The current (A) at which `turns` turns on the core reach the curve's top field.
double TopFieldCurrent(const CoreRecord& core, std::int16_t turns);

// The flux linkage Φ(I) = ∫₀^I L(i) di of the design's inductance, from 0 A
// up, at currents dense enough that each segment's slope stays within
// kFluxTolerance of the design's inductance across it; past the top current
// one point far beyond it, on the top's inductance. Throws ArithmeticError.
std::vector<TablePoint> FluxTable(const CoreRecord& core, std::int16_t turns, std::int16_t stack);

// The texts of a model request; each read as the design workbench reads its
// boxes. Losses need the DC current (it sizes the wire); a frequency and a
// ripple add the core loss at that operating point.
struct SpiceTexts {
    std::string_view partNo = {};
    std::string_view turns = {};
    std::string_view stack = "1";
    SpiceDialect dialect = SpiceDialect::Ngspice;
    bool withLosses = false;
    std::string_view current = {};    // A, with losses only
    std::string_view frequency = {};  // kHz, with losses only; may be empty
    std::string_view ripple = {};     // A peak to peak, with losses only; may be empty
};

struct SpiceOutcome {
    DesignEnd end = DesignEnd::Found;  // Found: text holds the model
    DesignBox box = DesignBox::None;   // the box refused
    std::string message;               // why, in words; empty when Found
    std::string name;                  // the subcircuit's name
    std::string text;                  // the model, ending in a line feed

    bool written() const { return end == DesignEnd::Found; }
};

// The model of a design typed as texts: refused as the design refuses its
// boxes, and refused for a core without a DC-bias curve
// (texts::documents::spiceNoBiasCurve, in the current language).
SpiceOutcome SpiceModelAsTyped(const SpiceTexts& texts);

// The model of a design already run (end == Found). With losses it takes the
// design's resistance at 100 °C and, when the design has a frequency, its
// core loss at the design's own operating point.
SpiceOutcome SpiceModelOf(const DesignOutcome& design, SpiceDialect dialect, bool withLosses);

}  // namespace zova
