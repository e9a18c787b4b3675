#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/design_command.h"
#include "design/core_loss_fits.h"

// A design kept as a file: its inputs, and its figures as computed when it was
// saved, so that a reader without the program can use them. JSON, UTF-8:
//   {"format": "zovamagnetic-design", "version": 1, "program": "zovamagnetic 1.0",
//    "inputs": {"core", "turns", "current", "stack", "frequency"?, "ripple"?, "lossCoefficients"?,
//               "alTolerance"?, "hotLimit"?, "rollOffLimit"?},
//    "converter"?: {"topology", "vin", "vout", "iout", "frequency", "rippleRatio" | "inductance"},
//    "figures": {figure keys as the tool's design JSON}}
// Keys this program does not know are ignored, so a later version's file opens.
namespace zova {

inline constexpr std::string_view kDesignFormat = "zovamagnetic-design";
inline constexpr int kDesignFormatVersion = 1;
// A design file is a few kilobytes; anything past a megabyte is not one, and
// is refused before it is parsed.
inline constexpr std::size_t kDesignFileMaxBytes = 1024 * 1024;

// The converter a design came from, when it came from one.
struct ConverterInputs {
    std::string topology;  // "buck", "boost", "buck-boost"
    double vin = 0.0, vout = 0.0, iout = 0.0, frequency = 0.0;
    std::optional<double> rippleRatio;
    std::optional<double> inductance;  // µH

    friend bool operator==(const ConverterInputs&, const ConverterInputs&) = default;
};

struct DesignInputs {
    std::string core;
    int turns = 0;
    double current = 0.0;  // A, DC
    int stack = 1;
    std::optional<double> frequency;                // kHz
    std::optional<double> ripple;                   // A peak to peak
    std::optional<LossCoefficients> coefficients;  // the user's own
    // The margins the design is judged by, where they are not the defaults.
    std::optional<double> alTolerance;   // %
    std::optional<double> hotLimit;      // K
    std::optional<double> rollOffLimit;  // %
    std::optional<ConverterInputs> converter;

    friend bool operator==(const DesignInputs&, const DesignInputs&) = default;
};

// The texts a user would type for the inputs (the shortest that read back as
// the same numbers), as the design command takes them.
struct DesignTexts {
    std::string core, turns, current, stack, frequency, ripple, coefficients;
    std::string alTolerance, hotLimit, rollOffLimit;

    AcTexts Ac() const { return {frequency, ripple, coefficients}; }
    MarginTexts Margins() const { return {alTolerance, hotLimit, rollOffLimit}; }
};
DesignTexts TextsOf(const DesignInputs& in);

// The volt-seconds a converter's design is worked out from: the file's
// converter's, while the file's current and frequency are the converter's and
// it keeps the ripple they gave; nothing otherwise (the design then stands on
// its own ripple). The workbench and a reopened file reckon alike with it.
std::optional<double> ConverterVoltSeconds(const DesignInputs& in);

// The inputs a file keeps of a design read by DesignAsTyped (end Found): the
// numbers its texts read as, the current at the precision it was typed.
DesignInputs InputsOf(const DesignOutcome& o, std::string_view currentText);

// The file for a design whose figures are `f`.
std::string DesignFileText(const DesignInputs& in, const DesignFigures& f);

// A figure whose recomputed value differs from the one stored in the file.
struct FigureChange {
    std::string caption;  // "电感量 (μH)", in the language it was read in
    std::string stored;   // as the figure is shown
    std::string now;
};

struct OpenedDesign {
    std::optional<DesignInputs> inputs;  // only when the file opened
    DesignOutcome outcome;               // the design recomputed from them
    std::vector<FigureChange> changes;   // figures that differ from the stored ones
    std::string message;                 // why the file did not open, in the current language; empty when it did
};

// A file's bytes (at most kDesignFileMaxBytes + 1 of them are enough to tell
// one that is too large): checked, read, and its design recomputed. A file
// that is damaged, truncated, foreign, hostile or out of the calculation range
// gets one message naming what is wrong, and no inputs.
OpenedDesign OpenDesign(std::string_view bytes);

// What the changes mean, in one paragraph in the current language ("" for none).
std::string ChangesMessage(const std::vector<FigureChange>& changes);

}  // namespace zova
