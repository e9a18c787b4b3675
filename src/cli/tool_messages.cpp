#include "cli/tool_messages.h"

#include "engine/bias_curves.h"
#include "text/shown_text.h"

namespace zova::cli {

CliResult Failure(int code, std::string_view message) { return {code, {}, std::string(message) + "\n"}; }

CliResult ToolFailure(int code, const std::string& message) { return Failure(code, "zovamagnetic-cli: " + message); }

CliResult UnknownCore(std::string_view partNo) {
    return ToolFailure(kExitRefused,
                       "unknown part number '" + text::ShownArgument(partNo) + "' (see 'zovamagnetic-cli cores')");
}

CliResult UnknownCurve(std::string_view series, std::string_view perm) {
    std::string known;
    for (const BiasCurve& c : BiasCurves()) {
        known += known.empty() ? " " : ", ";
        known.append(c.series).append(" ").append(c.perm);
    }
    return ToolFailure(kExitRefused, "no curve for series '" + text::ShownArgument(series) + "' and permeability '" +
                                         text::ShownArgument(perm) + "' (curves:" + known + ")");
}

CliResult FieldNotNumeric(std::string_view text) {
    return ToolFailure(kExitRefused, "--at needs a number, not '" + text::ShownArgument(text) + "'");
}

}  // namespace zova::cli
