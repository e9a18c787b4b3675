// zovamagnetic._zovamagnetic: the functions the package zovamagnetic offers.
// Each takes numbers, turns them into the texts a user would type and runs the
// library's command on them, so the checks and the messages are the windows'
// own; its answer is built from the command's outcome and the figure table as
// json.loads reads the tool's JSON of the same outcome (json_values.h).
#include <array>
#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "call_language.h"
#include "candidates.h"
#include "catalogue/catalogue.h"
#include "commands/converter_command.h"
#include "commands/core_list.h"
#include "commands/curve_lookup.h"
#include "commands/design_command.h"
#include "commands/inductance_command.h"
#include "commands/messages.h"
#include "commands/rule_texts.h"
#include "commands/selection_command.h"
#include "documents/spice_model.h"
#include "json_values.h"
#include "presentation/converter_outputs.h"
#include "presentation/warning_texts.h"
#include "refusals.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace py = pybind11;
using namespace py::literals;

namespace zova::python {
namespace {

// The text a user would type for a number: the shortest decimal text that
// reads back as the same double ("10", "0.1", "1e-07"); "" for None.
std::string typed(double v) { return text::ShortestText(v); }
std::string typed(const std::optional<double>& v) { return v ? typed(*v) : std::string(); }

using Coefficients = std::optional<std::array<double, 3>>;

// "a,b,c" as a user types a core-loss fit; "" for the material's own.
std::string typed(const Coefficients& k) {
    return k ? typed((*k)[0]) + "," + typed((*k)[1]) + "," + typed((*k)[2]) : std::string();
}

[[noreturn]] void refuse(std::string_view message) { throw InputRefusedError(std::string(message)); }
[[noreturn]] void outOfRange(std::string_view message) { throw OutOfRangeError(std::string(message)); }

// Runs f without holding the GIL: the library never calls Python.
template <typename F>
auto unlocked(F f) {
    py::gil_scoped_release released;
    return f();
}

py::list cores(const std::string& search) {
    return py::cast(FilterCoreList(text::Trimmed(search)));
}

py::dict core(const std::string& partNo, const std::string& language) {
    const CallLanguage said(LanguageArgument(language));
    if (!IsOffered(partNo)) refuse(messages::UnknownPartNumberText(partNo));
    const CoreRecord record = FindCore(partNo);
    py::dict d;
    d["partNo"] = partNo;
    d["lines"] = CoreDetailsLines(partNo);
    d["coatedOD"] = JsonNumber(record.CoatedOD);
    d["coatedID"] = JsonNumber(record.CoatedID);
    d["coatedHeight"] = JsonNumber(record.CoatedHeight);
    d["AL"] = JsonNumber(record.AL);
    d["pathLength"] = JsonNumber(record.PathLength);
    return d;
}

py::dict inductance(const std::string& partNo, double turns, double current, double stack,
                    const std::string& language) {
    const CallLanguage said(LanguageArgument(language));
    const std::string turnsText = typed(turns), currentText = typed(current), stackText = typed(stack);
    const InductanceOutcome o = CalculateInductance(partNo, turnsText, currentText, stackText);
    switch (o.end) {
        case InductanceEnd::OutOfRange: outOfRange(Say(texts::messages::outOfRange));
        case InductanceEnd::Validation: refuse(o.resultText);
        case InductanceEnd::UnknownCore: refuse(messages::UnknownPartNumberText(partNo));
        case InductanceEnd::Result: break;
    }
    py::dict d;
    d["core"] = partNo;
    d["turnsText"] = turnsText;
    d["currentText"] = currentText;
    d["stackText"] = stackText;
    d["text"] = o.resultText;
    d["turns"] = o.figures->turns;
    d["current"] = JsonNumber(o.figures->current);
    d["stack"] = o.figures->stackCount;
    d["perCore"] = JsonNumber(o.figures->perCore);
    d["inductance"] = JsonNumber(o.figures->total);
    return d;
}

std::vector<std::size_t> inOrder(std::size_t count) {
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    return order;
}

py::list selection(double current, double wanted, double stack, bool figures, const std::string& language) {
    const Language answered = LanguageArgument(language);
    const CallLanguage said(answered);
    const std::string currentText = typed(current), wantedText = typed(wanted), stackText = typed(stack);
    auto run = std::make_shared<CandidateRun>();
    run->language = answered;
    const CandidateFigures computed = unlocked([&] {
        run->selection = SelectCores(currentText, wantedText, stackText);
        return figures && run->selection.end == SelectionEnd::Found ? FiguresOfCandidates(run->selection)
                                                                    : CandidateFigures{};
    });
    switch (run->selection.end) {
        case SelectionEnd::Validation: refuse(run->selection.message);
        case SelectionEnd::NoResult: return py::list();
        // The tool writes the lines found before the failure; the module reports the failure alone.
        case SelectionEnd::OutOfRange: outOfRange(run->selection.message);
        case SelectionEnd::Found: break;
    }
    if (computed.end == DesignEnd::OutOfRange) outOfRange(computed.message);
    run->figures = std::move(computed.figures);
    return CandidateList(run, inOrder(run->selection.cores.size()));
}

py::dict design(const std::string& partNo, double turns, double current, double stack,
                const std::optional<double>& frequency, const std::optional<double>& ripple,
                const Coefficients& lossCoefficients, const std::optional<double>& alTolerance,
                const std::optional<double>& hotLimit, const std::optional<double>& rollOffLimit,
                const std::string& language) {
    const CallLanguage said(LanguageArgument(language));
    const std::string frequencyText = typed(frequency), rippleText = typed(ripple),
                      coefficientsText = typed(lossCoefficients), toleranceText = typed(alTolerance),
                      hotText = typed(hotLimit), rollOffText = typed(rollOffLimit);
    const DesignOutcome o = unlocked([&] {
        return DesignAsTyped(partNo, typed(turns), typed(current), typed(stack),
                             {frequencyText, rippleText, coefficientsText}, {toleranceText, hotText, rollOffText});
    });
    switch (o.end) {
        case DesignEnd::Validation:
        case DesignEnd::UnknownCore: refuse(o.message);
        case DesignEnd::OutOfRange: outOfRange(o.message);
        case DesignEnd::Found: break;
    }
    py::dict dict = FigureDict(*o.figures);
    dict["warnings"] = WarningList(WarningLines(*o.figures, o.limits));
    return dict;
}

std::string spice(const std::string& partNo, double turns, double stack, const std::string& dialect,
                  bool withLosses, const std::optional<double>& current, const std::optional<double>& frequency,
                  const std::optional<double>& ripple, const std::string& language) {
    const Language answered = LanguageArgument(language);
    const auto named = SpiceDialectNamed(dialect);
    if (!named) throw py::value_error("dialect must be 'ngspice' or 'ltspice'");
    const std::string turnsText = typed(turns), stackText = typed(stack), currentText = typed(current),
                      frequencyText = typed(frequency), rippleText = typed(ripple);
    const CallLanguage said(answered);
    const SpiceOutcome o = unlocked([&] {
        return SpiceModelAsTyped({.partNo = partNo,
                                  .turns = turnsText,
                                  .stack = stackText,
                                  .dialect = *named,
                                  .withLosses = withLosses,
                                  .current = currentText,
                                  .frequency = frequencyText,
                                  .ripple = rippleText});
    });
    switch (o.end) {
        case DesignEnd::Validation:
        case DesignEnd::UnknownCore: refuse(o.message);
        case DesignEnd::OutOfRange: outOfRange(o.message);
        case DesignEnd::Found: break;
    }
    return o.text;
}

py::dict converter(const std::string& topology, double vin, double vout, double iout, double frequency,
                   const std::optional<double>& rippleRatio, const std::optional<double>& wanted, double stack,
                   const std::string& sort, const Coefficients& lossCoefficients,
                   const std::optional<double>& alTolerance, const std::optional<double>& hotLimit,
                   const std::optional<double>& rollOffLimit, bool hideWarned, const std::string& language) {
    const Language answered = LanguageArgument(language);
    if (!CandidateOrder({}, sort)) throw py::value_error("sort needs the key of a figure with a number, such as totalLoss");
    const std::string vinText = typed(vin), voutText = typed(vout), ioutText = typed(iout),
                      frequencyText = typed(frequency), ratioText = typed(rippleRatio), wantedText = typed(wanted),
                      stackText = typed(stack), coefficientsText = typed(lossCoefficients),
                      toleranceText = typed(alTolerance), hotText = typed(hotLimit), rollOffText = typed(rollOffLimit);
    const CallLanguage said(answered);
    auto run = std::make_shared<CandidateRun>();
    run->converter = true;
    run->language = answered;
    ConverterOutcome o = unlocked([&] {
        return RunConverter({topology, vinText, voutText, ioutText, frequencyText, ratioText, wantedText, stackText,
                             coefficientsText, {toleranceText, hotText, rollOffText}});
    });
    switch (o.end) {
        case ConverterEnd::Validation: refuse(o.message);
        case ConverterEnd::OutOfRange: outOfRange(o.message);
        case ConverterEnd::NoResult:  // the operating point and no candidate
        case ConverterEnd::Found: break;
    }
    py::dict point;
    for (const PointFigure& p : PointFigures()) point[py::str(p.key.data(), p.key.size())] = JsonNumber((*o.point).*p.member);
    py::list candidates;
    if (o.end == ConverterEnd::Found) {
        const std::vector<std::size_t> order = *CandidateOrder(o.figures, sort, o.limits, hideWarned);
        run->limits = o.limits;
        run->selection = std::move(o.selection);
        run->figures = std::move(o.figures);
        candidates = CandidateList(run, order);
    }
    py::dict answer;
    answer["operatingPoint"] = point;
    answer["candidates"] = candidates;
    return answer;
}

using Fields = std::variant<double, std::vector<double>>;

py::dict curve(const std::string& series, const std::string& perm, const std::optional<Fields>& at,
               const std::string& language) {
    const CallLanguage said(LanguageArgument(language));
    std::vector<std::string> fieldTexts;
    if (at) {
        if (const double* h = std::get_if<double>(&*at)) fieldTexts.push_back(typed(*h));
        else for (const double h : std::get<std::vector<double>>(*at)) fieldTexts.push_back(typed(h));
    }
    const CurveLookupOutcome o = LookUpCurve(series, perm, fieldTexts);
    switch (o.end) {
        case CurveLookupEnd::UnknownCurve: refuse(messages::UnknownCurveText(series, perm));
        case CurveLookupEnd::NotNumeric: refuse(messages::FieldNotNumericText(o.badText));
        case CurveLookupEnd::OutOfRange: outOfRange(Say(texts::messages::outOfRange));
        case CurveLookupEnd::Found: break;
    }
    py::list points;
    // Without fields the curve's own points; an empty sequence asks for none.
    if (!at || !fieldTexts.empty())
        for (const CurvePoint& p : o.points) points.append(py::dict("h"_a = JsonNumber(p.h), "percent"_a = JsonNumber(p.percent)));
    py::dict d;
    d["series"] = series;
    d["perm"] = perm;
    d["points"] = points;
    return d;
}

}  // namespace
}  // namespace zova::python

PYBIND11_MODULE(_zovamagnetic, m) {
    using namespace zova::python;
    zova::LoadCatalogue();

    m.doc() = "The functions of zovamagnetic; import them from the package zovamagnetic.";

    auto refused = py::register_exception<InputRefusedError>(m, "InputRefused", PyExc_ValueError);
    refused.attr("__module__") = "zovamagnetic";
    refused.doc() =
        "An input was refused. The message is the windows' own in the call's language (for "
        "example '对不起，绕线圈数必须为数字！', with language='en' 'Sorry, the number of turns "
        "must be a number.'), or names an unknown part number or curve.";
    auto outOfRange = py::register_exception<OutOfRangeError>(m, "OutOfRange", PyExc_ArithmeticError);
    outOfRange.attr("__module__") = "zovamagnetic";
    outOfRange.doc() =
        "A calculation left the range of its numbers: '超出计算范围，请您调整计算参数。' ('Out of "
        "calculation range. Please adjust the parameters.').";

    BindCandidate(m);
    m.attr("Candidate").attr("__module__") = "zovamagnetic";

    m.def("cores", &cores, "search"_a = "",
          "The part numbers the calculator's list offers for a search text (as typed: trimmed,\n"
          "any case), in catalogue order; '' lists all 469.");
    m.def("core", &core, "part_no"_a, "language"_a = "zh",
          "A core's record: partNo, lines (the six lines of its details, in Chinese),\n"
          "coatedOD, coatedID, coatedHeight (mm), AL (nH/turn²) and pathLength (cm).\n"
          "Raises InputRefused for a part number cores() does not list.\n"
          "`language` 'zh' (default) or 'en': the language of every text of the answer\n"
          "and of the refusals, as the tool's --lang; another code raises ValueError.");
    m.def("inductance", &inductance, "core"_a, "turns"_a, "current"_a = 0.0, "stack"_a = 1.0, "language"_a = "zh",
          "The inductance calculator: `turns` turns on a stack of `stack` cores at a DC\n"
          "peak current in A. Returns core, turnsText, currentText, stackText (the texts\n"
          "the numbers were typed as), text (the result as the window shows it), turns,\n"
          "current (A), stack, perCore and inductance (µH, the whole stack).\n"
          "Raises InputRefused with the window's message, or OutOfRange; the texts in\n"
          "`language`, as for core().");
    m.def("select", &selection, "current"_a, "inductance"_a, "stack"_a = 1.0, "figures"_a = false,
          "language"_a = "zh",
          "The core selection: every offered core that reaches `inductance` µH at a DC peak\n"
          "current in A with a stack of `stack` cores, with the fewest turns that fit.\n"
          "A list of Candidate mappings in catalogue order: line (the result line), partNo,\n"
          "coatedOD, coatedID, coatedHeight (mm), turns, wire (mm, as the line shows it);\n"
          "with figures=True also the design figures of its winding, keyed as design()\n"
          "keys them (the roll-off included). An empty list when no core qualifies.\n"
          "Raises InputRefused with the window's message, or OutOfRange; the texts in\n"
          "`language`, as for core(), the candidates' too.");
    m.def("design", &design, "core"_a, "turns"_a, "current"_a, "stack"_a = 1.0, "frequency"_a = py::none(),
          "ripple"_a = py::none(), "loss_coefficients"_a = py::none(), "al_tolerance"_a = py::none(),
          "hot_limit"_a = py::none(), "rolloff_limit"_a = py::none(), "language"_a = "zh",
          "The design figures of a winding: `turns` turns on a stack of `stack` cores at a\n"
          "DC current in A; with a switching `frequency` in kHz (0.001 to 100000) also a\n"
          "triangular `ripple` in A peak to peak (default 0) and its AC figures, with the\n"
          "core material's loss fit or `loss_coefficients` (a, b, c) of your own:\n"
          "P = a × B^b × f^c in mW/cm³, B the peak flux density in T, f in kHz.\n"
          "Keys and units as in 'zovamagnetic-cli design --format json': inductance and\n"
          "inductanceZeroBias (µH), fieldStrength (Oe), ampereTurnsPerMetre,\n"
          "percentPermeability (%), energy (µJ), wire sizes (mm), windowFill (a fraction),\n"
          "fitsWindow, turnsPerLayer, layers, windingFits, meanTurnLength (mm), wireLength\n"
          "(m), resistance20/100 (Ω), copperLoss20/100 (W), woundOD/ID/Height (mm),\n"
          "surfaceArea (cm²), temperatureRise (K), woundVolume (cm³), rolloff (51 points of\n"
          "current in A, inductance in µH, percent), ripple and peakCurrent (A),\n"
          "inductanceAtPeak (µH), crossSection (cm²), coreVolume (cm³), fluxSwing,\n"
          "peakFluxDensity and saturationFluxDensity (T), fluxDensityRatio,\n"
          "percentPermeabilityAtPeak (%), inductanceMin (µH), rippleMax (A),\n"
          "coreLossDensity (mW/cm³), coreLoss (W), skinDepth (mm), acResistanceFactor,\n"
          "acCopperLoss and totalLoss (W), temperatureRiseTotal (K), coreLossModel (words);\n"
          "then warnings, a list of {key, text}. None where a figure is undefined (the\n"
          "winding does not fit, no frequency, no bias curve for a figure that needs the\n"
          "inductance at a current). Raises InputRefused with the windows' message, or\n"
          "OutOfRange. The texts (warnings, coreLossModel, refusals) in `language`, as\n"
          "for core().");
    m.def("spice", &spice, "core"_a, "turns"_a, "stack"_a = 1.0, "dialect"_a = "ngspice", "with_losses"_a = false,
          "current"_a = py::none(), "frequency"_a = py::none(), "ripple"_a = py::none(), "language"_a = "zh",
          "A circuit-simulator model of `turns` turns on a stack of `stack` cores, as the\n"
          "text of a two-pin subcircuit: for `dialect` 'ngspice' an inductor whose value\n"
          "follows the design's inductance against DC current, for 'ltspice' the arbitrary\n"
          "inductor with the flux linkage as a table. `with_losses` adds the winding's DC\n"
          "resistance at 100 °C (the wire sized for `current` in A) and, with `frequency`\n"
          "in kHz and `ripple` in A peak to peak, a resistance dissipating the core loss at\n"
          "that operating point. Raises InputRefused with the design's message (and for a\n"
          "core without a DC-bias curve), or OutOfRange; the texts in `language`, as\n"
          "for core().");
    m.def("converter", &converter, "topology"_a, "vin"_a, "vout"_a, "iout"_a, "frequency"_a,
          "ripple_ratio"_a = py::none(), "inductance"_a = py::none(), "stack"_a = 1.0, "sort"_a = "totalLoss",
          "loss_coefficients"_a = py::none(), "al_tolerance"_a = py::none(), "hot_limit"_a = py::none(),
          "rolloff_limit"_a = py::none(), "hide_warned"_a = false, "language"_a = "zh",
          "The inductor of a DC-DC converter in continuous conduction: `topology` 'buck'\n"
          "(vout < vin), 'boost' (vout > vin) or 'buck-boost' (inverting, vout its\n"
          "magnitude), vin and vout in V, iout in A, `frequency` in kHz, and either\n"
          "`ripple_ratio` (ripple over the inductor's DC current, above 0 and at most 2;\n"
          "0.3 when neither is given) or the `inductance` wanted in µH. Returns\n"
          "{'operatingPoint': dutyCycle, inductorCurrent (A), voltSeconds (V·µs),\n"
          "inductance (µH), ripple (A peak to peak), peakCurrent (A); 'candidates': the\n"
          "cores the selection lists for that peak current and inductance on a stack of\n"
          "`stack` cores, as Candidate mappings keyed partNo, turns and design()'s figures\n"
          "(no roll-off), ordered by the figure `sort` names (rising, a candidate without\n"
          "it last)}, as 'zovamagnetic-cli converter --format json'; no candidate when no\n"
          "core reaches. `loss_coefficients` (a, b, c) as in design(). Raises\n"
          "InputRefused with the windows' message, OutOfRange, or ValueError for a `sort`\n"
          "that names no figure with a number. The texts in `language`, as for core().");
    m.def("curve", &curve, "series"_a, "perm"_a, "at"_a = py::none(), "language"_a = "zh",
          "A DC-bias curve: series ('KTA') and permeability code ('060'). Returns series,\n"
          "perm and points, each with h (Oe) and percent (of the initial permeability):\n"
          "the curve's 45 points when `at` is None, else one per field strength in `at`\n"
          "(a number or a sequence of numbers, in Oe), in the order given.\n"
          "Raises InputRefused for an unknown curve, OutOfRange for a field beyond range\n"
          "(its message in `language`, as for core()).");

    // For the tests: a number as the answers hold it, in single or double precision.
    m.def("_json_number", [](double v, bool single) { return single ? JsonNumber(static_cast<float>(v)) : JsonNumber(v); },
          "value"_a, "single"_a);
}
