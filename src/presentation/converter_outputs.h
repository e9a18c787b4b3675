#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/converter_command.h"

// A converter's outcome as the tool writes it and the windows show it.
namespace zova {

// The operating point's figures: key (JSON), name in the language current when
// PointFigures() was called, unit, decimals shown.
struct PointFigure {
    std::string_view key;
    std::string_view name;
    std::string_view unit;
    int decimals;
    double OperatingPoint::*member;
};

std::vector<PointFigure> PointFigures();

// The point's ripple ratio ΔI ÷ I_L, as a report names and shows it. Kept out of
// PointFigures: the tool's outputs and the module's answer hold their members.
PointFigure RippleRatioFigure();

// The positions of a converter's candidates in the order of a figure (by key):
// those that raise no warning at `limits` first, then those that do (left out
// with `hideWarned`), each part by values rising, candidates without a value
// last, ties in catalogue order. Nothing for a key that names no figure with a number.
std::optional<std::vector<std::size_t>> CandidateOrder(const std::vector<DesignFigures>& figures, std::string_view key,
                                                       const DesignLimits& limits = {}, bool hideWarned = false);

// The operating point, one "name (unit)<tab>value" line per figure.
std::string OperatingPointLines(const OperatingPoint& point);

// The outcome (end == Found) in `order`: JSON {"operatingPoint": {...},
// "candidates": [{"partNo", "turns", figure keys...}]}, CSV (partNo, turns and
// the figure keys as header), or text: the operating point's lines, a blank
// line, then one line per candidate under the captions of kConverterTextKeys.
std::string ConverterJson(const ConverterOutcome& o, const std::vector<std::size_t>& order);
std::string ConverterCsv(const ConverterOutcome& o, const std::vector<std::size_t>& order);
std::string ConverterText(const ConverterOutcome& o, const std::vector<std::size_t>& order);

// The figures of the text table, after part number and turns; then the warnings.
inline constexpr std::string_view kConverterTextKeys[] = {
    "inductance", "ripple", "peakFluxDensity", "copperLoss100", "acCopperLoss",
    "coreLoss",   "totalLoss", "temperatureRiseTotal", "windowFill", "layers"};

}  // namespace zova
