#include "cli/design_output.h"

#include <string>
#include <vector>

#include "cli/tool_messages.h"
#include "commands/design_command.h"
#include "commands/converter_command.h"
#include "documents/design_file.h"
#include "documents/spice_model.h"
#include "files/read_file.h"
#include "files/save_file.h"
#include "language/texts.h"
#include "presentation/converter_outputs.h"
#include "presentation/figure_formats.h"
#include "presentation/warning_texts.h"
#include "text/json_writer.h"
#include "text/conversions.h"
#include "text/number_text.h"
#include "text/shown_text.h"

namespace zova::cli {
namespace {

std::string inputTable(const std::string& partNo, const DesignOutcome& o) {
    return Fill(texts::tool::designInputs, {partNo, std::to_string(o.turns), text::GeneralForm(o.current),
                                            std::to_string(o.stackSize)});
}

// A design's refusal or arithmetic failure, with its exit code.
CliResult FailureOf(DesignEnd end, const std::string& message) {
    return Failure(end == DesignEnd::OutOfRange ? kExitOutOfRange : kExitRefused, message);
}

// Each warning a line of its own under the inputs, as a note is.
std::string warningLines(const std::vector<WarningLine>& warnings) {
    std::string out;
    for (const WarningLine& w : warnings) out += Fill(texts::tool::warningLine, {w.text});
    return out.empty() ? out : out + "\n";
}

CliResult printed(const Arguments& a, const std::string& core, const DesignOutcome& o, const std::string& note) {
    const std::vector<WarningLine> warnings = WarningLines(*o.figures, o.limits);
    if (a.value("format") != "json")
        return {kExitOk, inputTable(core, o) + note + warningLines(warnings) + FigureTextTable(*o.figures), {}};
    text::JsonWriter j;
    j.beginObject();
    WriteFigureMembers(j, *o.figures);
    WriteWarningsMember(j, warnings);
    j.endObject();
    return {kExitOk, j.text(), {}};
}

CliResult openDesign(const Arguments& a) {
    const std::string path = *a.value("open");
    const files::ReadOutcome read = files::ReadFilePrefix(path, kDesignFileMaxBytes);
    if (!read.bytes) return Failure(kExitRefused, read.message);
    const OpenedDesign opened = OpenDesign(*read.bytes);
    if (!opened.inputs) return Failure(kExitRefused, Fill(texts::tool::fileRefused, {text::ShownArgument(path), opened.message}));
    const std::string changes = ChangesMessage(opened.changes);
    return printed(a, opened.inputs->core, opened.outcome, changes.empty() ? "" : Fill(texts::tool::noteLine, {changes}));
}

}  // namespace

CliResult RunDesign(const Arguments& a) {
    if (a.value("open")) return openDesign(a);
    const std::string core = *a.value("core");
    const std::string current = *a.value("current");
    const std::string frequency = a.value("frequency").value_or("");
    const std::string ripple = a.value("ripple").value_or("");
    const std::string coefficients = a.value("loss-coefficients").value_or("");
    const std::string alTolerance = a.value("al-tolerance").value_or(""), hotLimit = a.value("hot-limit").value_or(""),
                      rollOffLimit = a.value("rolloff-limit").value_or("");
    const DesignOutcome o = DesignAsTyped(core, *a.value("turns"), current, a.value("stack").value_or("1"),
                                          {frequency, ripple, coefficients}, {alTolerance, hotLimit, rollOffLimit});
    if (o.end != DesignEnd::Found) return FailureOf(o.end, o.message);
    if (const auto path = a.value("save")) {
        const files::SaveOutcome saved = files::SaveFile(*path, DesignFileText(InputsOf(o, current), *o.figures));
        if (!saved.saved()) return Failure(kExitWriteFailed, saved.message);
    }
    return printed(a, o.partNo, o, "");
}

CliResult RunSpice(const Arguments& a) {
    const bool losses = a.value("with-losses").has_value();
    if (!losses && (a.value("current") || a.value("frequency") || a.value("ripple")))
        return UsageError("spice", "--current, --frequency and --ripple need --with-losses");
    const auto text = [&a](std::string_view name, std::string_view otherwise = "") {
        return a.value(name).value_or(std::string(otherwise));
    };
    const std::string core = text("core"), turns = text("turns"), stack = text("stack", "1"),
                      current = text("current"), frequency = text("frequency"), ripple = text("ripple");
    const SpiceOutcome o = SpiceModelAsTyped({.partNo = core,
                                              .turns = turns,
                                              .stack = stack,
                                              .dialect = *SpiceDialectNamed(text("dialect", "ngspice")),
                                              .withLosses = losses,
                                              .current = current,
                                              .frequency = frequency,
                                              .ripple = ripple});
    if (o.end != DesignEnd::Found) return FailureOf(o.end, o.message);
    if (const auto path = a.value("output")) {
        const files::SaveOutcome saved = files::SaveFile(*path, o.text);
        if (!saved.saved()) return Failure(kExitWriteFailed, saved.message);
        return {kExitOk, {}, {}};
    }
    return {kExitOk, o.text, {}};
}

CliResult RunConverter(const Arguments& a) {
    const std::string sort = a.value("sort").value_or("totalLoss");
    if (!CandidateOrder({}, sort)) return UsageError("converter", "--sort needs the key of a figure with a number, such as totalLoss");
    const auto text = [&a](std::string_view name, std::string_view otherwise = "") {
        return a.value(name).value_or(std::string(otherwise));
    };
    const std::string topology = text("topology"), vin = text("vin"), vout = text("vout"), iout = text("iout"),
                      frequency = text("frequency"), ratio = text("ripple-ratio"), inductance = text("inductance"),
                      stack = text("stack", "1"), coefficients = text("loss-coefficients");
    const std::string alTolerance = text("al-tolerance"), hotLimit = text("hot-limit"),
                      rollOffLimit = text("rolloff-limit");
    const ConverterOutcome o = zova::RunConverter({topology, vin, vout, iout, frequency, ratio, inductance, stack,
                                                   coefficients, {alTolerance, hotLimit, rollOffLimit}});
    switch (o.end) {
        case ConverterEnd::Validation:
            return Failure(kExitRefused, o.message);
        case ConverterEnd::NoResult:
            return Failure(kExitNoResult, o.message);
        case ConverterEnd::OutOfRange:
            return Failure(kExitOutOfRange, o.message);
        case ConverterEnd::Found:
            break;
    }
    const std::vector<std::size_t> order = *CandidateOrder(o.figures, sort, o.limits, a.value("hide-warned").has_value());
    const std::string format = text("format", "text");
    return {kExitOk, format == "json" ? ConverterJson(o, order) : format == "csv" ? ConverterCsv(o, order)
                                                                                 : ConverterText(o, order), {}};
}

}  // namespace zova::cli
