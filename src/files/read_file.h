#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Opening a file a user names: whatever it is, nothing blocks, nothing reads
// without end, and a failure says why.
namespace zova::files {

struct ReadOutcome {
    std::optional<std::string> bytes;  // when it was read
    std::string message;               // else Chinese, naming the path and the reason
};

// The first `limit` + 1 bytes of a regular file at most: enough to tell a file
// that is larger than `limit` without reading it all. A device, a FIFO or a
// folder is refused without reading from it.
ReadOutcome ReadFilePrefix(const std::string& path, std::size_t limit);

}  // namespace zova::files
