#pragma once

#include <string>
#include <string_view>

#include "language/phrase.h"

// The one set of rules for the boxes a design is typed into: the workbench's,
// the page's, the tool's options, the module's arguments and a design file's
// inputs all pass through these, so that what one face accepts every face
// accepts, and what one refuses every face refuses in the same words.
namespace zova {

// Every box a design or a converter is read from, in the order they are read.
enum class DesignBox {
    None,
    Core,
    Turns,
    Current,
    Stack,
    Frequency,
    Ripple,
    Coefficients,
    Topology,
    Vin,
    Vout,
    Iout,
    RippleRatio,
    Inductance,
    BiasCurrent,  // the calculator's DC current, where 0 A asks for the zero-bias inductance
    // The margins a design is judged by; each empty for its default.
    AlTolerance,   // % below the nominal AL: the worst case's inductance
    HotLimit,      // K: the temperature rise warned above
    RollOffLimit,  // %: the permeability left at the peak current warned below
};

// The values a box takes. The ranges hold everything the core selection can
// list, so that a listed candidate always opens: it tries at most 350 turns,
// takes any stack a 16-bit count holds, and no catalogue core carries even one
// turn of the wire sized for more than about 7000 A.
struct InputRule {
    DesignBox box;
    std::string_view key;   // a design file's and the page's name of it; "" for None
    Phrase name;            // as the box's label names it; in English as inside a sentence
    double low, high;
    bool lowOpen;           // the value must exceed `low` rather than reach it
    const Phrase* unit;     // nullptr for counts of nothing in particular
    bool whole;
};

inline constexpr double kMaxCurrent = 10000.0;  // A
inline constexpr double kMaxVoltage = 10000.0;  // V
inline constexpr double kMinVoltage = 0.1;      // V: below any converter's output
inline constexpr double kMaxRippleRatio = 2.0;  // ΔI ÷ I at the edge of continuous conduction
inline constexpr double kMaxInductance = 1.0e6;  // µH: a henry
inline constexpr double kMaxAlTolerance = 30.0;  // %: beyond any maker's stated tolerance
inline constexpr double kMaxHotLimit = 1000.0;   // K

const InputRule& RuleOf(DesignBox box);

// A typed text's value, or why it has none.
struct BoxReading {
    double value = 0.0;
    std::string refusal;  // empty when the value holds
};

// A box's text without the blanks and tabs around it.
std::string_view TrimmedBox(std::string_view typed);

// Reads a text as typed: blanks and tabs around it are ignored, nothing else
// is. A text that is not a whole decimal number (sign, digits, one point,
// exponent), a negative value, a count that is not whole, or a value outside
// the range is refused with its reason.
BoxReading ReadBox(DesignBox box, std::string_view typed);

// The same check on a value that came as a number (a file, the module): ""
// when it holds.
std::string RefusalOfValue(DesignBox box, double value);

// "1 到 32767 圈" or "大于 0 且不超过 10000 A" ("1 to 32767 turns", "above 0
// and at most 10000 A"): the range in the words of the current language.
std::string RangeText(DesignBox box);

}  // namespace zova
