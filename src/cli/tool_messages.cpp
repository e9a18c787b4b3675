#include "cli/tool_messages.h"

#include "text/shown_text.h"

namespace zova::cli {

CliResult Failure(int code, std::string_view message) { return {code, {}, std::string(message) + "\n"}; }

CliResult ToolFailure(int code, const std::string& message) { return Failure(code, "zovamagnetic-cli: " + message); }

CliResult UnknownCore(std::string_view partNo) {
    return ToolFailure(kExitRefused,
                       "unknown part number '" + text::ShownArgument(partNo) + "' (see 'zovamagnetic-cli cores')");
}

}  // namespace zova::cli
