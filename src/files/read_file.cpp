#include "files/read_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/save_file.h"
#include "language/texts.h"
#include "text/shown_text.h"

namespace zova::files {
namespace {

ReadOutcome couldNotOpen(const std::string& path, const std::string& reason) {
    return {std::nullopt, Fill(texts::files::couldNotOpen, {text::ShownArgument(path), reason})};
}

// The saving reasons speak of folders and writing; a file being read has its own.
std::string readingReason(int error) {
    switch (error) {
        case ENOENT:
            return std::string(Say(texts::files::noSuchFile));
        case EACCES:
        case EPERM:
            return std::string(Say(texts::files::noReadPermission));
        default:
            return ReasonText(error);
    }
}

}  // namespace

ReadOutcome ReadFilePrefix(const std::string& path, std::size_t limit) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return couldNotOpen(path, readingReason(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return couldNotOpen(path, readingReason(error));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return couldNotOpen(path, std::string(Say(S_ISDIR(st.st_mode) ? texts::files::isFolder : texts::files::notRegularFile)));
    }
    std::string bytes;
    char buffer[65536];
    while (bytes.size() <= limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return couldNotOpen(path, readingReason(error));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (bytes.size() > limit + 1) bytes.resize(limit + 1);
    return {std::move(bytes), {}};
}

}  // namespace zova::files
