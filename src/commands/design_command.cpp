#include "commands/design_command.h"

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "commands/rule_texts.h"
#include "engine/formulas.h"
#include "engine/arithmetic_error.h"

namespace zova {

namespace m = texts::messages;

namespace {

DesignOutcome refused(DesignBox box, std::string message, DesignEnd end = DesignEnd::Validation) {
    DesignOutcome out;
    out.end = end;
    out.box = box;
    out.message = std::move(message);
    return out;
}

std::string upperCase(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

bool blank(std::string_view s) { return TrimmedBox(s).empty(); }

}  // namespace

DesignOutcome DesignAsTyped(std::string_view partNoText, std::string_view turnsText, std::string_view currentText,
                            std::string_view stackText, const AcTexts& ac, const MarginTexts& margins,
                            std::optional<double> voltSeconds) {
    const std::string_view typed = TrimmedBox(partNoText);
    const std::string partNo = upperCase(typed);
    if (partNo.empty()) return refused(DesignBox::Core, std::string(Say(m::chooseCore)));
    if (!IsOffered(partNo)) return refused(DesignBox::Core, messages::UnknownCoreText(typed), DesignEnd::UnknownCore);
    double values[3] = {};
    const DesignBox boxes[3] = {DesignBox::Turns, DesignBox::Current, DesignBox::Stack};
    const std::string_view texts[3] = {turnsText, currentText, stackText};
    for (int i = 0; i < 3; ++i) {
        BoxReading r = ReadBox(boxes[i], texts[i]);
        if (!r.refusal.empty()) return refused(boxes[i], std::move(r.refusal));
        values[i] = r.value;
    }

    DesignOptions options;
    if (!blank(ac.frequency)) {
        BoxReading f = ReadBox(DesignBox::Frequency, ac.frequency);
        if (!f.refusal.empty()) return refused(DesignBox::Frequency, std::move(f.refusal));
        options.ac = AcDrive{f.value, 0.0, std::nullopt};
    }
    if (!blank(ac.ripple)) {
        if (!options.ac) return refused(DesignBox::Ripple, std::string(Say(m::rippleNeedsFrequency)));
        BoxReading r = ReadBox(DesignBox::Ripple, ac.ripple);
        if (!r.refusal.empty()) return refused(DesignBox::Ripple, std::move(r.refusal));
        options.ac->ripple = r.value;
    }
    if (voltSeconds) {
        if (!options.ac) return refused(DesignBox::Ripple, std::string(Say(m::rippleNeedsFrequency)));
        options.ac->ripple.reset();
        options.ac->voltSeconds = *voltSeconds;
    }
    if (!blank(ac.coefficients)) {
        options.coefficients = ReadCoefficients(ac.coefficients);
        if (!options.coefficients)
            return refused(DesignBox::Coefficients, std::string(Say(m::coefficientsInvalid)));
    }

    MarginsRead read = ReadMargins(margins);
    if (read.refused != DesignBox::None) return refused(read.refused, std::move(read.refusal));
    options.alTolerance = read.alTolerance;

    DesignOutcome out;
    out.limits = read.limits;
    out.partNo = partNo;
    out.options = options;
    out.turns = static_cast<std::int16_t>(values[0]);
    out.current = static_cast<float>(values[1]);
    out.stackSize = static_cast<std::int16_t>(values[2]);
    const CoreRecord& core = FindCore(partNo);
    out.biasCurve = CurveOf(core) != nullptr;
    try {
        out.figures = ComputeDesignFigures(core, out.turns, out.current, out.stackSize, options);
    } catch (const ArithmeticError&) {
        return refused(DesignBox::None, std::string(Say(m::outOfRange)), DesignEnd::OutOfRange);
    }
    return out;
}

MarginsRead ReadMargins(const MarginTexts& margins) {
    MarginsRead out;
    const std::pair<DesignBox, std::string_view> boxes[] = {{DesignBox::AlTolerance, margins.alTolerance},
                                                            {DesignBox::HotLimit, margins.hotLimit},
                                                            {DesignBox::RollOffLimit, margins.rollOffLimit}};
    double* values[] = {&out.alTolerance, &out.limits.temperatureRise, &out.limits.percentPermeability};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        const auto& [box, text] = boxes[i];
        if (blank(text)) continue;
        BoxReading r = ReadBox(box, text);
        if (!r.refusal.empty()) {
            out.refused = box;
            out.refusal = std::move(r.refusal);
            return out;
        }
        *values[i] = r.value;
    }
    return out;
}

CandidateFigures FiguresOfCandidates(const SelectionOutcome& selection) {
    CandidateFigures out;
    try {
        out.figures.reserve(selection.cores.size());
        for (const SelectedCore& selected : selection.cores)
            out.figures.push_back(ComputeDesignFigures(CoreCatalogue(selected.row), selected.turns,
                                                       selection.current, selection.stackSize));
    } catch (const ArithmeticError&) {
        out.end = DesignEnd::OutOfRange;
        out.figures.clear();
        out.message = Say(m::outOfRange);
    }
    return out;
}

}  // namespace zova
