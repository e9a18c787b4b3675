#include "commands/converter_command.h"

#include "catalogue/catalogue.h"
#include "commands/ac_inputs.h"
#include "commands/messages.h"
#include "commands/rule_texts.h"
#include "engine/arithmetic_error.h"
#include "engine/fp_check.h"
#include "text/number_text.h"

namespace zova {

namespace m = texts::messages;

namespace {

ConverterOutcome ended(ConverterOutcome out, ConverterEnd end, std::string_view message,
                       DesignBox box = DesignBox::None) {
    out.end = end;
    out.box = box;
    out.message = std::string(message);
    out.figures.clear();
    return out;
}

bool blank(std::string_view s) { return TrimmedBox(s).empty(); }

}  // namespace

std::optional<ConverterRefusal> CheckConverter(const ConverterValues& v) {
    const std::pair<DesignBox, std::optional<double>> values[] = {
        {DesignBox::Vin, v.vin},           {DesignBox::Vout, v.vout},
        {DesignBox::Iout, v.iout},         {DesignBox::Frequency, v.frequency},
        {DesignBox::RippleRatio, v.rippleRatio}, {DesignBox::Inductance, v.inductance}};
    for (const auto& [box, value] : values)
        if (value)
            if (std::string refusal = RefusalOfValue(box, *value); !refusal.empty())
                return ConverterRefusal{box, std::move(refusal)};
    if (v.topology == Topology::Buck && !(v.vout < v.vin))
        return ConverterRefusal{DesignBox::Vout, std::string(Say(m::buckNeedsLowerVout))};
    if (v.topology == Topology::Boost && !(v.vout > v.vin))
        return ConverterRefusal{DesignBox::Vout, std::string(Say(m::boostNeedsHigherVout))};
    if (v.rippleRatio.has_value() == v.inductance.has_value())
        return ConverterRefusal{DesignBox::Inductance, std::string(Say(m::rippleRatioOrInductance))};
    return std::nullopt;
}

ConverterOutcome RunConverter(const ConverterTexts& t) {
    ConverterOutcome out;
    const auto refused = [&out](DesignBox box, std::string_view message) {
        return ended(out, ConverterEnd::Validation, message, box);
    };

    const auto topology = TopologyNamed(t.topology);
    if (!topology) return refused(DesignBox::Topology, Say(m::topologyUnknown));
    ConverterValues v;
    v.topology = *topology;
    // The four boxes that must be filled, then the two of which one may be.
    const struct {
        DesignBox box;
        std::string_view text;
        double* value;
    } required[] = {{DesignBox::Vin, t.vin, &v.vin},
                    {DesignBox::Vout, t.vout, &v.vout},
                    {DesignBox::Iout, t.iout, &v.iout},
                    {DesignBox::Frequency, t.frequency, &v.frequency}};
    for (const auto& [box, text, value] : required) {
        const BoxReading r = ReadBox(box, text);
        if (!r.refusal.empty()) return refused(box, r.refusal);
        *value = r.value;
    }
    const struct {
        DesignBox box;
        std::string_view text;
        std::optional<double>* value;
    } optional[] = {{DesignBox::RippleRatio, t.rippleRatio, &v.rippleRatio},
                    {DesignBox::Inductance, t.inductance, &v.inductance}};
    for (const auto& [box, text, value] : optional) {
        if (blank(text)) continue;
        const BoxReading r = ReadBox(box, text);
        if (!r.refusal.empty()) return refused(box, r.refusal);
        *value = r.value;
    }
    if (!v.rippleRatio && !v.inductance) v.rippleRatio = kDefaultRippleRatio;
    if (const auto refusal = CheckConverter(v)) return refused(refusal->box, refusal->message);
    const BoxReading stack = ReadBox(DesignBox::Stack, t.stack);
    if (!stack.refusal.empty()) return refused(DesignBox::Stack, stack.refusal);
    DesignOptions options;
    options.ac = AcDrive{v.frequency, 0.0, std::nullopt};
    if (!blank(t.coefficients)) {
        options.coefficients = ReadCoefficients(t.coefficients);
        if (!options.coefficients) return refused(DesignBox::Coefficients, Say(m::coefficientsInvalid));
    }
    MarginsRead margins = ReadMargins(t.margins);
    if (margins.refused != DesignBox::None) return refused(margins.refused, margins.refusal);
    options.alTolerance = margins.alTolerance;
    out.limits = margins.limits;
    try {
        const OperatingPoint p =
            OperatingPointOf(v.topology, v.vin, v.vout, v.iout, v.frequency, v.rippleRatio, v.inductance);
        for (const double x : {p.dutyCycle, p.inductorCurrent, p.voltSeconds, p.inductance, p.peakCurrent})
            detail::checked(x, "operating point");
        if (!(p.rippleRatio > 0.0 && p.rippleRatio <= kMaxRippleRatio))
            return refused(DesignBox::Inductance, messages::InductanceTooSmallText(p.rippleRatio));
        out.point = p;

        out.currentText = text::ShortestText(p.peakCurrent);
        out.inductanceText = text::ShortestText(p.inductance);
        out.selection = SelectCores(out.currentText, out.inductanceText, text::ShortestText(stack.value));
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
        return ended(out, ConverterEnd::OutOfRange, Say(m::outOfRange));
    }
}

}  // namespace zova
