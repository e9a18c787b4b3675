#include "cli/result_writer.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace zova::cli {

int WriteResult(const CliResult& result, std::FILE* out, std::FILE* err) {
    errno = 0;
    const bool written = std::fwrite(result.out.data(), 1, result.out.size(), out) == result.out.size();
    // The stream's buffer hides a full disk or a closed descriptor until it is flushed.
    const bool flushed = std::fflush(out) == 0 && !std::ferror(out);
    const int cause = errno;
    std::fwrite(result.err.data(), 1, result.err.size(), err);
    if (written && flushed) return result.exitCode;

    std::string message = "zovamagnetic-cli: cannot write to standard output";
    if (cause != 0) message += std::string(": ") + std::strerror(cause);
    message += "\n";
    std::fwrite(message.data(), 1, message.size(), err);
    std::fflush(err);
    return kExitWriteFailed;
}

}  // namespace zova::cli
