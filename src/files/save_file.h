#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

// Saving a file so that it is either written whole or left as it was: the
// bytes go to a new temporary file beside the target, every write is checked,
// the data is flushed to the disk, and only then is the temporary renamed over
// the target. A target that is not a regular file (a device, a FIFO, a folder)
// is refused, never replaced.
namespace zova::files {

enum class SaveEnd {
    Saved,
    FolderMissing,  // the folder of the target does not exist (or a part of the path is not a folder)
    NoPermission,   // the folder or the existing file may not be written
    ReadOnlyFileSystem,
    DiskFull,        // no space left, or the user's quota is used up
    NotRegularFile,  // the target is a device, a FIFO, a socket or a folder
    Other,           // any other failure: the message names it
};

struct SaveOutcome {
    SaveEnd end = SaveEnd::Saved;
    int error = 0;        // the errno of the failing call; 0 when saved or refused without one
    std::string message;  // empty when saved; else Chinese, naming the path and the reason

    bool saved() const { return end == SaveEnd::Saved; }
};

// Writes `bytes` to `path`. A symbolic link is followed: the file it points
// to is replaced and the link stays. A replaced file keeps its permission bits.
SaveOutcome SaveFile(const std::string& path, std::string_view bytes);

// The same with the data written through `write` instead of ::write. A test
// hands in a call that writes to /dev/full, so the disk-full path runs with the
// kernel's own error, or one that writes a few bytes at a time.
using WriteCall = ssize_t (*)(int fd, const void* data, std::size_t size);
SaveOutcome SaveFileWith(const std::string& path, std::string_view bytes, WriteCall write);

// The reason for an errno in words, in the current language: "磁盘已满" ("the disk is full"), ...
std::string ReasonText(int error);

}  // namespace zova::files
