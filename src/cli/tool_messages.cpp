#include "cli/tool_messages.h"

#include "commands/rule_texts.h"

namespace zova::cli {

CliResult Failure(int code, std::string_view message) { return {code, {}, std::string(message) + "\n"}; }

CliResult ToolFailure(int code, const std::string& message) { return Failure(code, "zovamagnetic-cli: " + message); }

CliResult UnknownCore(std::string_view partNo) {
    return ToolFailure(kExitRefused, messages::UnknownPartNumberText(partNo));
}

CliResult UnknownCurve(std::string_view series, std::string_view perm) {
    return ToolFailure(kExitRefused, messages::UnknownCurveText(series, perm));
}

CliResult FieldNotNumeric(std::string_view text) { return ToolFailure(kExitRefused, messages::FieldNotNumericText(text)); }

}  // namespace zova::cli
