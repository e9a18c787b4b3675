#include "cli/commands.h"

#include "presentation/warning_texts.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "cli/arguments.h"
#include "cli/help_texts.h"
#include "cli/design_output.h"
#include "cli/tool_messages.h"
#include "commands/core_list.h"
#include "commands/curve_lookup.h"
#include "commands/inductance_command.h"
#include "commands/messages.h"
#include "commands/selection_command.h"
#include "commands/design_command.h"
#include "language/texts.h"
#include "presentation/figure_formats.h"
#include "text/conversions.h"
#include "text/csv_record.h"
#include "text/json_writer.h"
#include "text/number_text.h"

namespace zova::cli {
namespace {

constexpr std::string_view kTool = "zovamagnetic-cli";

constexpr std::string_view kTextJson[] = {"text", "json"};
constexpr std::string_view kTextJsonCsv[] = {"text", "json", "csv"};
constexpr std::string_view kPartNoOperand[] = {"PARTNO"};
constexpr std::string_view kCurveOperands[] = {"SERIES", "PERM"};

constexpr OptionSpec kInductanceOptions[] = {
    {.name = "core", .required = true},
    {.name = "turns", .required = true},
    {.name = "current"},
    {.name = "stack"},
    {.name = "format", .choices = kTextJson},
    kLanguageOption,
};
constexpr OptionSpec kSelectOptions[] = {
    {.name = "current", .required = true},
    {.name = "inductance", .required = true},
    {.name = "stack"},
    {.name = "format", .choices = kTextJsonCsv},
    {.name = "figures", .flag = true},
    kLanguageOption,
};
constexpr OptionSpec kCoresOptions[] = {{.name = "search"}, kLanguageOption};
constexpr OptionSpec kCoreOptions[] = {{.name = "format", .choices = kTextJson}, kLanguageOption};
constexpr OptionSpec kCurveOptions[] = {
    {.name = "at", .many = true},
    {.name = "format", .choices = kTextJson},
    kLanguageOption,
};


// From the command table below.
std::string_view synopsisOf(std::string_view command);
std::string commandNames();

std::string joinedLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

bool wantsJson(const Arguments& a) { return a.value("format") == "json"; }

CliResult runInductance(const Arguments& a) {
    const std::string core = *a.value("core");
    const std::string turns = *a.value("turns");
    const std::string current = a.value("current").value_or("0");
    const std::string stack = a.value("stack").value_or("1");

    const InductanceOutcome outcome = CalculateInductance(core, turns, current, stack);
    switch (outcome.end) {
        case InductanceEnd::OutOfRange:
            return Failure(kExitOutOfRange, Say(texts::messages::outOfRange));
        case InductanceEnd::Validation:
            return Failure(kExitRefused, outcome.resultText);
        case InductanceEnd::UnknownCore:
            return UnknownCore(core);
        case InductanceEnd::Result:
            break;
    }
    const InductanceFigures& figures = *outcome.figures;
    if (!wantsJson(a)) return {kExitOk, outcome.resultText + "\n", {}};

    text::JsonWriter j;
    j.beginObject();
    j.key("core").string(core);
    j.key("turnsText").string(turns);
    j.key("currentText").string(current);
    j.key("stackText").string(stack);
    j.key("text").string(outcome.resultText);
    j.key("turns").integer(figures.turns);
    j.key("current").number(figures.current);
    j.key("stack").integer(figures.stackCount);
    j.key("perCore").number(figures.perCore);
    j.key("inductance").number(figures.total);
    j.endObject();
    return {kExitOk, j.text(), {}};
}

std::string selectionJson(const Arguments& a, const SelectionOutcome& o, const std::vector<DesignFigures>* figures) {
    text::JsonWriter j;
    j.beginObject();
    j.key("currentText").string(*a.value("current"));
    j.key("inductanceText").string(*a.value("inductance"));
    j.key("stackText").string(a.value("stack").value_or("1"));
    j.key("end").string(o.end == SelectionEnd::Found ? "found" : "outOfRange");
    if (o.message.empty())
        j.key("message").null();
    else
        j.key("message").string(o.message);
    // Lines exist only once the wire has been sized from the current.
    if (o.lines.empty() || !o.bareDiameter) {
        j.key("wireDiameter").null();
    } else {
        j.key("wireDiameter").number(*o.bareDiameter);
    }
    j.key("cores").beginArray();
    for (std::size_t i = 0; i < o.cores.size(); ++i) {
        const CoreRecord& core = CoreCatalogue(o.cores[i].row);
        j.beginObject();
        j.key("line").string(o.lines[i]);
        j.key("partNo").string(core.PartNo);
        j.key("coatedOD").number(core.CoatedOD);
        j.key("coatedID").number(core.CoatedID);
        j.key("coatedHeight").number(core.CoatedHeight);
        j.key("turns").integer(o.cores[i].turns);
        j.key("wire").string(o.wireText);
        if (figures) {
            WriteFigureMembers(j, (*figures)[i]);
            WriteWarningsMember(j, WarningLines((*figures)[i]));
        }
        j.endObject();
    }
    j.endArray();
    j.endObject();
    return j.text();
}

std::string selectionCsv(const SelectionOutcome& o, const std::vector<DesignFigures>* figures) {
    // The header names the columns for the scripts that read them: the same in either language.
    const auto captions = messages::ResultColumnCaptions(Language::Chinese);
    std::vector<std::string> header(captions.begin(), captions.end());
    if (figures) std::ranges::copy(FigureKeys(), std::back_inserter(header));
    std::string out = text::CsvRecord(header);
    for (std::size_t i = 0; i < o.cores.size(); ++i) {
        const auto columns = ResultColumns(o.cores[i], o.wireText);
        std::vector<std::string> fields(columns.begin(), columns.end());
        if (figures) std::ranges::copy(FigureFields((*figures)[i]), std::back_inserter(fields));
        out += text::CsvRecord(fields);
    }
    return out;
}

CliResult runSelect(const Arguments& a) {
    if (a.value("figures") && a.value("format").value_or("text") == "text")
        return UsageError("select", "--figures needs --format json or csv");
    const SelectionOutcome o =
        SelectCores(*a.value("current"), *a.value("inductance"), a.value("stack").value_or("1"));
    switch (o.end) {
        case SelectionEnd::Validation:
            return Failure(kExitRefused, o.message);
        case SelectionEnd::NoResult:
            return Failure(kExitNoResult, o.message);
        case SelectionEnd::Found:
        case SelectionEnd::OutOfRange:
            break;
    }
    CliResult r;
    const std::string format = a.value("format").value_or("text");
    CandidateFigures candidates;
    if (a.value("figures")) {
        candidates = FiguresOfCandidates(o);
        if (candidates.end == DesignEnd::OutOfRange) return Failure(kExitOutOfRange, candidates.message);
    }
    const auto* figures = a.value("figures") ? &candidates.figures : nullptr;
    r.out = format == "json"  ? selectionJson(a, o, figures)
            : format == "csv" ? selectionCsv(o, figures)
                              : joinedLines(o.lines);
    if (o.end == SelectionEnd::OutOfRange) {
        r.exitCode = kExitOutOfRange;
        r.err = o.message + "\n";
    }
    return r;
}

CliResult runCores(const Arguments& a) {
    return {kExitOk, joinedLines(FilterCoreList(text::Trimmed(a.value("search").value_or("")))), {}};
}

CliResult runCore(const Arguments& a) {
    const std::string& partNo = a.operands[0];
    if (!IsOffered(partNo)) return UnknownCore(partNo);
    const std::vector<std::string> lines = CoreDetailsLines(partNo);
    if (!wantsJson(a)) return {kExitOk, joinedLines(lines), {}};

    const CoreRecord core = FindCore(partNo);
    text::JsonWriter j;
    j.beginObject();
    j.key("partNo").string(partNo);
    j.key("lines").beginArray();
    for (const std::string& line : lines) j.string(line);
    j.endArray();
    j.key("coatedOD").number(core.CoatedOD);
    j.key("coatedID").number(core.CoatedID);
    j.key("coatedHeight").number(core.CoatedHeight);
    j.key("AL").number(core.AL);
    j.key("pathLength").number(core.PathLength);
    j.endObject();
    return {kExitOk, j.text(), {}};
}

CliResult runCurve(const Arguments& a) {
    const std::string& series = a.operands[0];
    const std::string& perm = a.operands[1];
    const std::vector<std::string> at = a.values("at");
    const CurveLookupOutcome o = LookUpCurve(series, perm, at);
    switch (o.end) {
        case CurveLookupEnd::UnknownCurve:
            return UnknownCurve(series, perm);
        case CurveLookupEnd::NotNumeric:
            return FieldNotNumeric(o.badText);
        case CurveLookupEnd::OutOfRange:
            return Failure(kExitOutOfRange, Say(texts::messages::outOfRange));
        case CurveLookupEnd::Found:
            break;
    }
    const std::vector<CurvePoint>& points = o.points;

    if (wantsJson(a)) {
        text::JsonWriter j;
        j.beginObject();
        j.key("series").string(series);
        j.key("perm").string(perm);
        j.key("points").beginArray();
        for (const CurvePoint& p : points) j.beginObject().key("h").number(p.h).key("percent").number(p.percent).endObject();
        j.endArray();
        j.endObject();
        return {kExitOk, j.text(), {}};
    }
    std::string out;
    for (const CurvePoint& p : points) {
        if (at.empty()) out += text::GeneralForm(p.h) + "\t";
        out += text::GeneralForm(p.percent) + "\n";
    }
    return {kExitOk, out, {}};
}

using Handler = CliResult (*)(const Arguments&);

// One record per command: adding a command is one record and one handler.
struct Command {
    CommandSpec syntax;
    std::string_view synopsis;
    std::string_view help;
    Handler run;
};

constexpr Command kCommandTable[] = {
    {{"inductance", kInductanceOptions, {}}, help::kInductanceSynopsis, help::kInductance, runInductance},
    {{"select", kSelectOptions, {}}, help::kSelectSynopsis, help::kSelect, runSelect},
    {{"cores", kCoresOptions, {}}, help::kCoresSynopsis, help::kCores, runCores},
    {{"core", kCoreOptions, kPartNoOperand}, help::kCoreSynopsis, help::kCore, runCore},
    {{"curve", kCurveOptions, kCurveOperands}, help::kCurveSynopsis, help::kCurve, runCurve},
    {{"design", kDesignOptions, {}}, help::kDesignSynopsis, help::kDesign, RunDesign},
    {{"converter", kConverterOptions, {}}, help::kConverterSynopsis, help::kConverter, RunConverter},
    {{"spice", kSpiceOptions, {}}, help::kSpiceSynopsis, help::kSpice, RunSpice},
};

// What the argument parser reads of each record.
constexpr auto kCommandSyntax = [] {
    std::array<CommandSpec, std::size(kCommandTable)> syntax{};
    for (std::size_t i = 0; i < syntax.size(); ++i) syntax[i] = kCommandTable[i].syntax;
    return syntax;
}();

const Command& commandNamed(std::string_view name) {
    return *std::ranges::find(kCommandTable, name, [](const Command& c) { return c.syntax.name; });
}

std::string_view synopsisOf(std::string_view command) { return commandNamed(command).synopsis; }

std::string commandNames() {
    std::string names;
    for (const Command& c : kCommandTable) names.append(names.empty() ? "" : ", ").append(c.syntax.name);
    return names;
}

}  // namespace

CliResult UsageError(const std::string& command, const std::string& error) {
    std::string err = std::string(kTool) + ": " + error + "\n";
    if (command.empty()) {
        err += "Usage: zovamagnetic-cli COMMAND [OPTIONS]; commands: " + commandNames() + "\n";
        err += "Run 'zovamagnetic-cli --help' for more.\n";
    } else {
        err += "Usage: " + std::string(synopsisOf(command)) + "\n";
        err += "Run 'zovamagnetic-cli " + command + " --help' for more.\n";
    }
    return {kExitUsage, {}, err};
}

CliResult RunCli(std::span<const std::string> args) {
    const ParseResult parsed = ParseArguments(args, kCommandSyntax);
    const Arguments& a = parsed.arguments;
    if (!parsed.ok()) return UsageError(a.command, parsed.error);
    if (a.help) {
        if (a.command.empty()) return {kExitOk, std::string(help::kToolPage), {}};
        const Command& command = commandNamed(a.command);
        return {kExitOk, "Usage: " + std::string(command.synopsis) + "\n\n" + std::string(command.help), {}};
    }
    // The library's texts in the language asked for, for this run; the parser
    // has refused any code but the two.
    const LanguageScope language(LanguageNamed(a.value("lang").value_or("zh")).value_or(kDefaultLanguage));
    return commandNamed(a.command).run(a);
}

}  // namespace zova::cli
