#include "cli/tool_runner.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

extern char** environ;

namespace zova::test {
namespace {

// An unlinked temporary file that receives one stream of the child.
class Capture {
public:
    Capture() {
        char name[] = "/tmp/zovacli-test-XXXXXX";
        fd_ = mkstemp(name);
        if (fd_ < 0) throw std::runtime_error("mkstemp failed");
        unlink(name);
    }
    ~Capture() { close(fd_); }
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    int fd() const { return fd_; }

    std::string contents() const {
        std::string text;
        char buf[4096];
        ssize_t n = 0;
        off_t at = 0;
        while ((n = pread(fd_, buf, sizeof buf, at)) > 0) {
            text.append(buf, static_cast<std::size_t>(n));
            at += n;
        }
        return text;
    }

private:
    int fd_ = -1;
};

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args, StdoutTo stdoutTo) {
    std::vector<std::string> argv{ZOVA_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> ptrs;
    for (std::string& a : argv) ptrs.push_back(a.data());
    ptrs.push_back(nullptr);

    Capture out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    switch (stdoutTo) {
        case StdoutTo::Capture:
            posix_spawn_file_actions_adddup2(&actions, out.fd(), STDOUT_FILENO);
            break;
        case StdoutTo::DevFull:
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
            break;
        case StdoutTo::Closed:
            posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
            break;
    }
    posix_spawn_file_actions_adddup2(&actions, err.fd(), STDERR_FILENO);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, ptrs[0], &actions, nullptr, ptrs.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + argv[0]);

    int status = 0;
    if (waitpid(pid, &status, 0) != pid) throw std::runtime_error("waitpid failed");
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = out.contents();
    run.err = err.contents();
    return run;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));  // an unterminated last line
    return lines;
}

Json JsonOf(const ToolRun& run) {
    EXPECT_EQ(run.err, "");
    try {
        return ParseJson(run.out);
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what() << "\n" << run.out;
        return {};
    }
}

}  // namespace zova::test
