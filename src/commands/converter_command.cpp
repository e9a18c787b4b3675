#include "commands/converter_command.h"

#include "catalogue/catalogue.h"
#include "commands/ac_inputs.h"
#include "commands/messages.h"
#include "engine/arithmetic_error.h"
#include "engine/fp_check.h"
#include "text/number_text.h"

namespace zova {
namespace {

ConverterOutcome ended(ConverterOutcome out, ConverterEnd end, std::string_view message) {
    out.end = end;
    out.message = std::string(message);
    out.figures.clear();
    return out;
}

}  // namespace

ConverterOutcome RunConverter(const ConverterTexts& t) {
    ConverterOutcome out;
    const auto refused = [&out](std::string_view message) { return ended(out, ConverterEnd::Validation, message); };

    const auto topology = TopologyNamed(t.topology);
    if (!topology) return refused(messages::kTopologyUnknown);
    const auto vin = PositiveNumber(t.vin);
    if (!vin) return refused(messages::kVinNotPositive);
    const auto vout = PositiveNumber(t.vout);
    if (!vout) return refused(messages::kVoutNotPositive);
    const auto iout = PositiveNumber(t.iout);
    if (!iout) return refused(messages::kIoutNotPositive);
    if (*topology == Topology::Buck && !(*vout < *vin)) return refused(messages::kBuckNeedsLowerVout);
    if (*topology == Topology::Boost && !(*vout > *vin)) return refused(messages::kBoostNeedsHigherVout);
    const AcInputs operation = ReadAcInputs({t.frequency, {}, t.coefficients});
    if (!operation.message.empty()) return refused(operation.message);
    if (!operation.options.ac) return refused(messages::kFrequencyNotNumeric);
    const double frequency = operation.options.ac->frequency;
    if (!t.rippleRatio.empty() && !t.inductance.empty()) return refused(messages::kRippleRatioOrInductance);

    std::optional<double> ratio;
    std::optional<double> inductance;
    if (!t.inductance.empty()) {
        inductance = PositiveNumber(t.inductance);
        if (!inductance) return refused(messages::kConverterInductanceNotPositive);
    } else {
        ratio = t.rippleRatio.empty() ? std::optional<double>(kDefaultRippleRatio) : PositiveNumber(t.rippleRatio);
        if (!ratio || *ratio > 2.0) return refused(messages::kRippleRatioOutOfRange);
    }
    try {
        const OperatingPoint p = OperatingPointOf(*topology, *vin, *vout, *iout, frequency, ratio, inductance);
        for (const double v : {p.dutyCycle, p.inductorCurrent, p.voltSeconds, p.inductance, p.peakCurrent})
            detail::checked(v, "operating point");
        if (!(p.rippleRatio > 0.0 && p.rippleRatio <= 2.0)) return refused(messages::kRippleRatioOutOfRange);
        out.point = p;

        out.currentText = text::ShortestText(p.peakCurrent);
        out.inductanceText = text::ShortestText(p.inductance);
        out.selection = SelectCores(out.currentText, out.inductanceText, t.stack);
        switch (out.selection.end) {
            case SelectionEnd::Found:
                break;
            case SelectionEnd::Validation:
                return ended(out, ConverterEnd::Validation, out.selection.message);
            case SelectionEnd::NoResult:
                return ended(out, ConverterEnd::NoResult, out.selection.message);
            case SelectionEnd::OutOfRange:
                return ended(out, ConverterEnd::OutOfRange, out.selection.message);
        }

        DesignOptions options = operation.options;
        options.ac->voltSeconds = p.voltSeconds;
        options.ac->ripple.reset();
        options.rolloff = false;
        out.current = detail::checked(static_cast<float>(p.inductorCurrent), "inductor current");
        out.options = options;
        out.figures.reserve(out.selection.cores.size());
        for (const SelectedCore& selected : out.selection.cores)
            out.figures.push_back(ComputeDesignFigures(CoreCatalogue(selected.row), selected.turns, out.current,
                                                       out.selection.stackSize, options));
        return out;
    } catch (const ArithmeticError&) {
        return ended(out, ConverterEnd::OutOfRange, messages::kOutOfRange);
    }
}

}  // namespace zova
