#include "cli/design_output.h"

#include <string>

#include "catalogue/catalogue.h"
#include "cli/figures_output.h"
#include "cli/output_formats.h"
#include "commands/messages.h"
#include "design/design_command.h"
#include "text/number_text.h"

namespace zova::cli {
namespace {

CliResult refusal(int code, std::string_view message) { return {code, {}, std::string(message) + "\n"}; }

std::string inputTable(const std::string& partNo, const DesignOutcome& o) {
    return "磁芯料号\t" + partNo + "\n绕线圈数\t" + std::to_string(o.turns) + "\n电流(A)\t" +
           text::GeneralForm(o.current) + "\n磁芯个数\t" + std::to_string(o.stackSize) + "\n\n";
}

}  // namespace

CliResult RunDesign(const Arguments& a) {
    const std::string core = *a.value("core");
    const std::string turns = *a.value("turns");
    const std::string current = *a.value("current");
    const std::string stack = a.value("stack").value_or("1");

    // As for 'inductance': a text that is not an offered part number is refused
    // where the core is checked, after the stack text has been converted.
    if (!core.empty() && FindCore(core).PartNo != core) {
        if (DesignWinding("", turns, current, stack).end == DesignEnd::OutOfRange)
            return refusal(kExitOutOfRange, messages::kOutOfRange);
        return refusal(kExitRefused, "zovamagnetic-cli: unknown part number '" + core +
                                         "' (see 'zovamagnetic-cli cores')");
    }
    const DesignOutcome o = DesignWinding(core, turns, current, stack);
    switch (o.end) {
        case DesignEnd::Validation:
            return refusal(kExitRefused, o.message);
        case DesignEnd::OutOfRange:
            return refusal(kExitOutOfRange, o.message);
        case DesignEnd::Found:
            break;
    }
    if (a.value("format") != "json") return {kExitOk, inputTable(core, o) + FigureTable(*o.figures), {}};
    JsonWriter j;
    j.beginObject();
    WriteFigureMembers(j, *o.figures);
    j.endObject();
    return {kExitOk, j.text(), {}};
}

}  // namespace zova::cli
