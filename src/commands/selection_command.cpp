#include "commands/selection_command.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "engine/arithmetic_error.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"
#include "engine/winding_rules.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace zova {

namespace m = texts::messages;

namespace {

constexpr std::string_view kSeparator = "\t\t";

// What every core is tried against in one run.
struct Demand {
    float current;    // A, > 0
    float target;     // µH per core, > 0
    double wire;      // the insulated wire's diameter, mm
};

// Tries one core; returns the turns of its line, or 0 when it yields none.
// Throws ArithmeticError exactly where the plain scan would.
using CoreScan = std::int16_t (*)(const CoreRecord&, const Demand&);

SelectionOutcome refused(std::string_view message) {
    SelectionOutcome out;
    out.end = SelectionEnd::Validation;
    out.message = message;
    out.caption = Say(m::errorCaption);
    return out;
}

std::string resultLine(const SelectedCore& selected, const std::string& wireText) {
    const auto columns = ResultColumns(selected, wireText);
    std::string line = columns[0];
    for (std::size_t i = 1; i < columns.size(); ++i) {
        line += kSeparator;
        line += columns[i];
    }
    return line;
}

std::string wireText(float bareDiameter) {
    std::string text = text::Format00(bareDiameter);
    if (bareDiameter >= kStrandedWireFrom) text += Say(m::strandedWire);
    return text;
}

double windowFit(const CoreRecord& core, const Demand& d) { return TurnsTheWindowHolds(core, d.wire); }

// The rule as it reads: 1, 2, 3, ... turns until one reaches the target and fits.
std::int16_t plainScan(const CoreRecord& core, const Demand& d) {
    const BiasCurve* curve = CurveOf(core);  // per core, not per turn count
    for (std::int16_t n = 1; n <= MaxTurns(); ++n) {
        const float l = InductanceAt(n, core, d.current, curve);
        if (!(l >= d.target)) continue;
        const double fit = windowFit(core, d);
        if (!std::isfinite(fit)) throw ArithmeticError("window fit");
        if (fit > static_cast<double>(n)) return n;
    }
    return 0;
}

// The largest |percent| a curve gives for any field of 0 Oe or more: fields in
// its range interpolate between two neighbouring points, fields of 1000 Oe and
// more take point 1, and fields below the last point follow the line through
// the last two points, whose largest value on [0, last point] is at one of the
// ends. Infinity when that line is vertical (the lookup would divide by zero).
double percentBound(const BiasCurve& c) {
    constexpr std::size_t last = kCurvePoints - 1;
    const double h1 = c.h[last - 1], h2 = c.h[last];
    const double p1 = c.percent[last - 1], p2 = c.percent[last];
    if (h1 == h2) return INFINITY;
    double bound = std::fabs(p1 + (0.0 - h1) * (p1 - p2) / (h1 - h2));
    for (const float p : c.percent) bound = std::max(bound, std::fabs(static_cast<double>(p)));
    return std::isfinite(bound) ? bound : INFINITY;
}

double percentBound(const BiasCurve* curve) {
    if (curve == nullptr) return 0.0;  // no curve: 0 % at every field
    static const auto bounds = [] {
        std::array<double, 64> b{};
        const auto curves = BiasCurves();
        for (std::size_t k = 0; k < curves.size() && k < b.size(); ++k) b[k] = percentBound(curves[k]);
        return b;
    }();
    const auto index = static_cast<std::size_t>(curve - BiasCurves().data());
    return index < bounds.size() ? bounds[index] : INFINITY;
}

// Covers, many times over, the two single-precision roundings between the
// bound and the inductance InductanceAt returns: the percentage's and the
// inductance's own (its products are exact or rounded in double).
constexpr double kRoundingMargin = 1.01;

// Whether InductanceAt returns a finite value at every turn count 1..MaxTurns.
// The field grows with the turns, so it stays finite if it is finite at the
// limit; the percentage stays within its bound, so neither the product nor the
// inductance rounded to single can overflow below the limit either.
bool quietAtEveryTurnCount(const CoreRecord& core, float current, double bound) {
    if (!(core.PathLength > 0.0f) || !std::isfinite(core.PathLength)) return false;
    if (!(core.AL >= 0.0f) || !std::isfinite(core.AL) || !std::isfinite(bound)) return false;
    const double limit = MaxTurns();
    if (!(limit * limit * core.AL * bound * kRoundingMargin < FLT_MAX)) return false;
    try {
        FieldStrength(MaxTurns(), current, core);
    } catch (const ArithmeticError&) {
        return false;
    }
    return true;
}

// The plain scan's outcome, without its hopeless turn counts. On a core where no
// turn count can fail, a turn count is tried only if
// - the inductance bound turns^2 × AL × max percent could reach the target
//   (the turns below cannot, and were they tried they would change nothing), and
// - the window holds it (the first turn count that reaches the target decides:
//   if it does not fit, no larger one fits, and no line is written).
// Any other core is scanned in full, so that it fails where the plain scan fails.
std::int16_t prunedScan(const CoreRecord& core, const Demand& d) {
    const BiasCurve* curve = CurveOf(core);
    const double bound = percentBound(curve);
    const double fit = windowFit(core, d);
    if (!std::isfinite(fit) || !quietAtEveryTurnCount(core, d.current, bound)) return plainScan(core, d);

    const int limit = MaxTurns();
    const double reach = static_cast<double>(core.AL) * bound * kRoundingMargin / kNanohenryPercentPerMicrohenry;
    if (!(reach > 0.0)) return 0;  // 0 µH at every turn count
    // Below sqrt(target / reach) turns the bound stays under the target; start a
    // turn early so the rounding of the root cannot skip a candidate.
    const double root = std::sqrt(static_cast<double>(d.target) / reach);
    const int first = root < limit ? std::max(1, static_cast<int>(root) - 1) : limit + 1;
    const int last = fit < limit ? static_cast<int>(fit) : limit;
    for (int turns = first; turns <= last; ++turns) {
        const auto n = static_cast<std::int16_t>(turns);
        if (!(InductanceAt(n, core, d.current, curve) >= d.target)) continue;
        return fit > static_cast<double>(n) ? n : 0;
    }
    return 0;
}

SelectionOutcome selectCores(std::string_view currentText, std::string_view inductanceText,
                             std::string_view stackText, CoreScan scan) {
    SelectionOutcome out;
    try {
        // Converted before any check and never validated itself: "" gives 0 cores,
        // which fails below as a division by zero; an overflow fails at once.
        const std::int16_t stackSize = text::ToInt16(text::LeadingValue(stackText));
        out.stackSize = stackSize;

        if (currentText.empty()) return refused(Say(m::enterCurrent));
        if (!text::IsNumeric(currentText)) return refused(Say(m::currentNotNumeric));
        const float current = text::ToSingle(text::LeadingValue(currentText));
        out.current = current;
        if (!(current > 0.0f)) return refused(Say(m::currentNotPositive));
        if (inductanceText.empty()) return refused(Say(m::enterInductance));
        if (!text::IsNumeric(inductanceText)) return refused(Say(m::inductanceNotNumeric));

        out.inductance = text::LeadingValue(inductanceText);
        const double quotient = out.inductance / static_cast<double>(stackSize);
        if (!std::isfinite(quotient)) throw ArithmeticError("per-core target");
        const float target = text::ToSingle(quotient);
        if (!(target > 0.0f)) return refused(Say(m::inductanceNotPositive));

        const float bareDiameter = WireDiameter(current);
        const float overallDiameter = OverallWireDiameter(bareDiameter);
        out.bareDiameter = bareDiameter;
        out.wireText = wireText(bareDiameter);

        const Demand demand{current, target, overallDiameter};
        for (int row = 1; row <= CoreCount(); ++row) {
            const CoreRecord& core = CoreCatalogue(row);
            if (const std::int16_t turns = scan(core, demand); turns > 0) {
                out.cores.push_back({row, turns});
                out.lines.push_back(resultLine(out.cores.back(), out.wireText));
            }
        }
        if (!out.lines.empty()) return out;
        out.end = SelectionEnd::NoResult;
        out.message = Say(m::noCoreFound);
        out.caption = Say(m::appTitle);
        return out;
    } catch (const ArithmeticError&) {
        out.end = SelectionEnd::OutOfRange;
        out.message = Say(m::outOfRange);
        out.caption = Say(m::appTitle);
        return out;
    }
}

}  // namespace

void SayLinesAgain(SelectionOutcome& run) {
    if (!run.bareDiameter) return;
    run.wireText = wireText(*run.bareDiameter);
    for (std::size_t i = 0; i < run.lines.size() && i < run.cores.size(); ++i)
        run.lines[i] = resultLine(run.cores[i], run.wireText);
}

std::array<std::string, 6> ResultColumns(const SelectedCore& selected, const std::string& wireText) {
    const CoreRecord& core = CoreCatalogue(selected.row);
    return {core.PartNo,
            text::GeneralForm(core.CoatedOD),
            text::GeneralForm(core.CoatedID),
            text::GeneralForm(core.CoatedHeight),
            std::to_string(selected.turns),
            ">" + wireText};
}

SelectionOutcome SelectCores(std::string_view currentText, std::string_view inductanceText,
                             std::string_view stackText) {
    return selectCores(currentText, inductanceText, stackText, &prunedScan);
}

SelectionOutcome SelectCoresPlainScan(std::string_view currentText, std::string_view inductanceText,
                                      std::string_view stackText) {
    return selectCores(currentText, inductanceText, stackText, &plainScan);
}

}  // namespace zova
