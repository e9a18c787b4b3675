// Expected values: the kernel's own errors (a missing folder, a device, a full
// device, a file-size limit, a folder another user owns) and the words this
// program gives each reason.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/save_file.h"
#include "support/named_case.h"

namespace zova::files {
namespace {

namespace fs = std::filesystem;

class SaveFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/zova-save-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = name;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string at(const char* name) const { return dir + "/" + name; }
    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& entry : fs::directory_iterator(dir)) out.insert(entry.path().filename().string());
        return out;
    }
    static std::string contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

    std::string dir;
};

// Targets that cannot be written, each refused with the path and the reason in words.
struct RefusedCase {
    const char* name;
    std::string (*target)(const std::string& dir);
    SaveEnd end;
    const char* reason;
};
ZOVA_PRINT_CASE_NAME(RefusedCase)

const RefusedCase kRefused[] = {
    {"missingFolder", [](const std::string& d) { return d + "/no-such-folder/a.csv"; }, SaveEnd::FolderMissing,
     "文件夹不存在"},
    {"folderIsAFile",
     [](const std::string& d) {
         std::ofstream(d + "/plain") << "x";
         return d + "/plain/a.csv";
     },
     SaveEnd::FolderMissing, "文件夹不存在"},
    {"devNull", [](const std::string&) { return std::string("/dev/null"); }, SaveEnd::NotRegularFile, "不是普通文件"},
    {"devFull", [](const std::string&) { return std::string("/dev/full"); }, SaveEnd::NotRegularFile, "不是普通文件"},
    {"fifo",
     [](const std::string& d) {
         ::mkfifo((d + "/pipe.csv").c_str(), 0644);
         return d + "/pipe.csv";
     },
     SaveEnd::NotRegularFile, "不是普通文件"},
    {"folder",
     [](const std::string& d) {
         fs::create_directory(d + "/sub");
         return d + "/sub";
     },
     SaveEnd::NotRegularFile, "不是普通文件"},
    {"linkToADevice",
     [](const std::string& d) {
         fs::create_symlink("/dev/null", d + "/link.csv");
         return d + "/link.csv";
     },
     SaveEnd::NotRegularFile, "不是普通文件"},
};

class Refused : public SaveFileTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(Refused, WithThePathAndTheReasonAndNothingReplacedOrLeftBehind) {
    const std::string target = GetParam().target(dir);
    struct stat before {};
    const bool existed = ::lstat(target.c_str(), &before) == 0;
    const std::set<std::string> entries = names();

    const SaveOutcome o = SaveFile(target, "a,b\n");
    EXPECT_EQ(o.end, GetParam().end);
    EXPECT_NE(o.message.find("“" + target + "”"), std::string::npos) << o.message;
    EXPECT_NE(o.message.find(GetParam().reason), std::string::npos) << o.message;
    EXPECT_EQ(names(), entries);  // no temporary left
    if (existed) {
        struct stat after {};
        ASSERT_EQ(::lstat(target.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode);  // a device stays a device, a FIFO a FIFO
        EXPECT_EQ(after.st_ino, before.st_ino);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, Refused, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.name); });

ssize_t WriteToDevFull(int, const void* data, std::size_t size) {
    static const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    return ::write(full, data, size);
}

TEST_F(SaveFileTest, ADiskThatFillsUpKeepsTheOldFile) {
    const std::string target = at("chart.png");
    write(target, "old picture");
    const SaveOutcome o = SaveFileWith(target, std::string(100000, 'x'), &WriteToDevFull);
    EXPECT_EQ(o.end, SaveEnd::DiskFull);
    EXPECT_EQ(o.error, ENOSPC);
    EXPECT_EQ(o.message, "无法保存“" + target + "”：磁盘已满。");
    EXPECT_EQ(contents(target), "old picture");
    EXPECT_EQ(names(), std::set<std::string>{"chart.png"});
}

TEST_F(SaveFileTest, AFileSizeLimitReachedMidwayKeepsTheOldFile) {
    // No seam: the kernel stops the real write at 1000 bytes (EFBIG, SIGXFSZ ignored).
    const std::string target = at("table.csv");
    write(target, "old table");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveOutcome o = SaveFile(target, std::string(5000, 'y'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(o.end, SaveEnd::Other);
    EXPECT_EQ(o.message, "无法保存“" + target + "”：文件超过了系统允许的大小。");
    EXPECT_EQ(contents(target), "old table");
    EXPECT_EQ(names(), std::set<std::string>{"table.csv"});
}

TEST_F(SaveFileTest, AFolderOfAnotherUserIsRefusedForWantOfPermission) {
    // Root may write anywhere: as root the save runs in a child that has become nobody.
    ::chmod(dir.c_str(), 0755);
    const std::string target = at("a.csv");
    int pipe[2];
    ASSERT_EQ(::pipe(pipe), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        if (::geteuid() != 0) ::chmod(dir.c_str(), 0555);
        const SaveOutcome o = SaveFile(target, "x");
        const std::string said = std::to_string(static_cast<int>(o.end)) + " " + o.message;
        (void)!::write(pipe[1], said.data(), said.size());
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string said(512, '\0');
    said.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(pipe[0], said.data(), said.size()))));
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(dir.c_str(), 0700);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(said,
              std::to_string(static_cast<int>(SaveEnd::NoPermission)) + " 无法保存“" + target + "”：没有写入权限。");
    EXPECT_TRUE(names().empty());
}

ssize_t WriteThreeBytes(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, std::min<std::size_t>(size, 3));
}

TEST_F(SaveFileTest, ReplacesAFileWholeKeepingItsModeAndTheLinkToIt) {
    const std::string target = at("real.csv");
    write(target, "old");
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("real.csv", at("link.csv"));
    const std::string bytes = "first line\nsecond line\n";
    // Writes that take a few bytes at a time still write every byte.
    const SaveOutcome o = SaveFileWith(at("link.csv"), bytes, &WriteThreeBytes);
    ASSERT_TRUE(o.saved()) << o.message;
    EXPECT_EQ(contents(target), bytes);
    EXPECT_TRUE(fs::is_symlink(at("link.csv")));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    EXPECT_EQ(names(), (std::set<std::string>{"link.csv", "real.csv"}));
}

}  // namespace
}  // namespace zova::files
