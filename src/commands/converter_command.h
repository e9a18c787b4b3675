#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/input_rules.h"
#include "commands/design_command.h"
#include "commands/selection_command.h"
#include "design/converter.h"
#include "design/design_figures.h"

namespace zova {

// A converter's inductor from the converter's texts: the operating point,
// then the core selection run on its peak current and inductance, then every
// candidate's DC and AC figures at its own turns, the inductor's DC current and
// the converter's volt-seconds.
struct ConverterTexts {
    std::string_view topology;      // "buck", "boost", "buck-boost"
    std::string_view vin;           // V
    std::string_view vout;          // V, the magnitude for the inverting buck-boost
    std::string_view iout;          // A
    std::string_view frequency;     // kHz
    std::string_view rippleRatio;   // ΔI ÷ I_L; "" when the inductance is given (and "" for both: 0.3)
    std::string_view inductance;    // µH; "" when the ripple ratio is given
    std::string_view stack = "1";   // the selection's stack box
    std::string_view coefficients;  // "a,b,c" of the user's own core-loss fit; "" for the materials'
    MarginTexts margins = {};       // what the candidates are judged by; "" for the defaults
};

inline constexpr double kDefaultRippleRatio = 0.3;

// A converter's inputs as numbers, as a file or the window keeps them.
struct ConverterValues {
    Topology topology = Topology::Buck;
    double vin = 0.0, vout = 0.0, iout = 0.0, frequency = 0.0;  // V, V, A, kHz
    std::optional<double> rippleRatio;  // exactly one of these two
    std::optional<double> inductance;   // µH
};

// What refused a converter's inputs: the box and why.
struct ConverterRefusal {
    DesignBox box = DesignBox::None;
    std::string message;
};

// Each value by its box's rule, then the checks between them: a buck lowers
// the voltage, a boost raises it, one of the ripple ratio and the inductance.
std::optional<ConverterRefusal> CheckConverter(const ConverterValues& v);

enum class ConverterEnd {
    Found,       // a point, the selection's cores and their figures
    Validation,  // a converter check or the selection's own failed: message
    NoResult,    // no offered core reaches the inductance: the selection's message
    OutOfRange,  // an arithmetic failure: the out-of-range message
};

struct ConverterOutcome {
    ConverterEnd end = ConverterEnd::Found;
    DesignBox box = DesignBox::None;     // the box refused (Validation), when one was
    std::string message;                 // empty when end == Found
    std::optional<OperatingPoint> point;  // once the converter's inputs passed
    // What the selection was given: the shortest texts that read back as the
    // point's peak current and inductance.
    std::string currentText;
    std::string inductanceText;
    SelectionOutcome selection;           // once it has run
    std::vector<DesignFigures> figures;   // one per selected core, without roll-off; only when Found
    // What the candidates' figures were worked out at: the inductor's DC current and
    // the switching operation (frequency, the converter's volt-seconds, coefficients).
    float current = 0.0f;
    DesignOptions options;
    DesignLimits limits;  // what the candidates' warnings are judged by
};

ConverterOutcome RunConverter(const ConverterTexts& texts);

}  // namespace zova
