#include "cli/design_output.h"

#include <string>

#include "cli/tool_messages.h"
#include "commands/design_command.h"
#include "presentation/figure_formats.h"
#include "text/json_writer.h"
#include "text/number_text.h"

namespace zova::cli {
namespace {

std::string inputTable(const std::string& partNo, const DesignOutcome& o) {
    return "磁芯料号\t" + partNo + "\n绕线圈数\t" + std::to_string(o.turns) + "\n电流(A)\t" +
           text::GeneralForm(o.current) + "\n磁芯个数\t" + std::to_string(o.stackSize) + "\n\n";
}

}  // namespace

CliResult RunDesign(const Arguments& a) {
    const std::string core = *a.value("core");
    const DesignOutcome o = DesignWinding(core, *a.value("turns"), *a.value("current"), a.value("stack").value_or("1"));
    switch (o.end) {
        case DesignEnd::Validation:
            return Failure(kExitRefused, o.message);
        case DesignEnd::UnknownCore:
            return UnknownCore(core);
        case DesignEnd::OutOfRange:
            return Failure(kExitOutOfRange, o.message);
        case DesignEnd::Found:
            break;
    }
    if (a.value("format") != "json") return {kExitOk, inputTable(core, o) + FigureTextTable(*o.figures), {}};
    text::JsonWriter j;
    j.beginObject();
    WriteFigureMembers(j, *o.figures);
    j.endObject();
    return {kExitOk, j.text(), {}};
}

}  // namespace zova::cli
