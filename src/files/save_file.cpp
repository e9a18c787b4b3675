#include "files/save_file.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "language/texts.h"
#include "text/shown_text.h"

namespace zova::files {
namespace {

// Symbolic-link hops followed before giving up, as the kernel does (ELOOP).
constexpr int kMaxLinks = 40;
// Names tried for the temporary before giving up (each try is O_EXCL).
constexpr int kNameTries = 100;

SaveEnd endOf(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return SaveEnd::DiskFull;
        case EACCES:
        case EPERM:
            return SaveEnd::NoPermission;
        case ENOENT:
        case ENOTDIR:
            return SaveEnd::FolderMissing;
        case EROFS:
            return SaveEnd::ReadOnlyFileSystem;
        default:
            return SaveEnd::Other;
    }
}

std::string couldNotSave(const std::string& path, const std::string& reason) {
    return Fill(texts::files::couldNotSave, {text::ShownArgument(path), reason});
}

SaveOutcome failed(const std::string& path, int error) {
    return {endOf(error), error, couldNotSave(path, ReasonText(error))};
}

// Follows symbolic links to the name they end at, as open() would. On return
// `exists` says whether that name exists and `st` holds its lstat; false (with
// errno) when the path cannot be followed.
bool followLinks(std::string& target, struct stat& st, bool& exists) {
    for (int hop = 0; hop <= kMaxLinks; ++hop) {
        if (::lstat(target.c_str(), &st) != 0) {
            exists = false;
            return errno == ENOENT;  // a missing folder shows when the temporary is created
        }
        exists = true;
        if (!S_ISLNK(st.st_mode)) return true;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) return false;
        link.resize(static_cast<std::size_t>(n));
        if (link.empty() || link.front() != '/') {
            const std::size_t slash = target.rfind('/');
            link.insert(0, slash == std::string::npos ? std::string() : target.substr(0, slash + 1));
        }
        target = std::move(link);
    }
    errno = ELOOP;
    return false;
}

std::string folderOf(const std::string& target) {
    const std::size_t slash = target.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : target.substr(0, slash);
}

// A fresh name in `folder`, created with O_EXCL so that no other file is ever
// opened in its place; -1 with errno when none could be made.
int createTemporary(const std::string& folder, mode_t mode, std::string& name) {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        name = folder + "/.zova-save-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
               std::to_string(random()) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, std::string_view bytes, WriteCall write) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {  // no progress and no error: treat as a device that takes no more
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

SaveOutcome SaveFile(const std::string& path, std::string_view bytes) { return SaveFileWith(path, bytes, &::write); }

SaveOutcome SaveFileWith(const std::string& path, std::string_view bytes, WriteCall write) {
    std::string target = path;
    struct stat st {};
    bool exists = false;
    if (!followLinks(target, st, exists)) return failed(path, errno);
    if (exists && !S_ISREG(st.st_mode))
        return {SaveEnd::NotRegularFile, 0,
                couldNotSave(path, std::string(Say(texts::files::cannotReplaceSpecialFile)))};
    // A file its owner made read-only is not replaced behind their back.
    if (exists && ::access(target.c_str(), W_OK) != 0) return failed(path, errno);

    std::string temporary;
    const mode_t mode = exists ? (st.st_mode & 07777) : 0666;
    const int fd = createTemporary(folderOf(target), mode, temporary);
    if (fd < 0) return failed(path, errno);
    // The umask narrowed the mode of the new file: a replaced file keeps its own.
    bool ok = !exists || ::fchmod(fd, mode) == 0;
    ok = ok && writeAll(fd, bytes, write) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return failed(path, error);
    }
    // The rename itself reaches the disk with the folder (best effort: some
    // file systems cannot sync a folder, and the file is in place already).
    const int folder = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

std::string ReasonText(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return std::string(Say(texts::files::diskFull));
        case EACCES:
        case EPERM:
            return std::string(Say(texts::files::noWritePermission));
        case ENOENT:
        case ENOTDIR:
            return std::string(Say(texts::files::noSuchFolder));
        case EROFS:
            return std::string(Say(texts::files::readOnlyFileSystem));
        case EFBIG:
            return std::string(Say(texts::files::fileTooLarge));
        case ENAMETOOLONG:
            return std::string(Say(texts::files::nameTooLong));
        case ELOOP:
            return std::string(Say(texts::files::tooManyLinks));
        case EISDIR:
            return std::string(Say(texts::files::isFolder));
        case EIO:
            return std::string(Say(texts::files::deviceError));
        case EBUSY:
        case ETXTBSY:
            return std::string(Say(texts::files::fileBusy));
        case EMFILE:
        case ENFILE:
            return std::string(Say(texts::files::tooManyOpenFiles));
        case ENOMEM:
            return std::string(Say(texts::files::outOfMemory));
        default:
            return Fill(texts::files::systemError, {std::to_string(error)});
    }
}

}  // namespace zova::files
