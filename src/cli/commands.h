#pragma once

#include <span>
#include <string>

namespace zova::cli {

// Exit codes of zovamagnetic-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNoResult = 1;    // select: no offered core qualifies
inline constexpr int kExitRefused = 2;     // a check of the inputs failed, or an unknown core or curve
inline constexpr int kExitOutOfRange = 3;  // "超出计算范围，请您调整计算参数。"
inline constexpr int kExitUsage = 64;      // unknown command or option, missing argument
inline constexpr int kExitWriteFailed = 74;  // the output could not be written (EX_IOERR)

// What one run of the tool prints and returns. Standard output is written
// before standard error.
struct CliResult {
    int exitCode = kExitOk;
    std::string out;
    std::string err;
};

// One run of the tool on its arguments (the program name excluded). The
// catalogue must have been filled.
CliResult RunCli(std::span<const std::string> args);

}  // namespace zova::cli
