// design --save and --open as a script runs them: a saved design reopens to the
// same output, and a file that cannot be written or read says why.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cli/tool_runner.h"

namespace zova {
namespace {

namespace fs = std::filesystem;
using test::RunTool;
using Args = std::vector<std::string>;

class DesignFileRun : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/zova-design-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = name;
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string dir;
};

TEST_F(DesignFileRun, ReopensToTheSameFigures) {
    const std::string file = dir + "/kta.json";
    const Args design = {"design", "--core", "KTA092060", "--turns", "54", "--current", "0.1", "--frequency", "100",
                         "--ripple", "0.03"};
    Args saving = design;
    saving.insert(saving.end(), {"--save", file});
    const test::ToolRun saved = RunTool(saving);
    ASSERT_EQ(saved.exitCode, 0) << saved.err;
    for (const char* format : {"text", "json"}) {
        Args plain = design, opening = {"design", "--open", file};
        plain.insert(plain.end(), {"--format", format});
        opening.insert(opening.end(), {"--format", format});
        const test::ToolRun opened = RunTool(opening);
        EXPECT_EQ(opened.exitCode, 0) << opened.err;
        EXPECT_EQ(opened.out, RunTool(plain).out) << format;
    }
}

TEST_F(DesignFileRun, SaysWhyAFileCannotBeWrittenOrRead) {
    const test::ToolRun unwritable =
        RunTool({"design", "--core", "KTA092060", "--turns", "54", "--current", "10", "--save", dir + "/no/x.json"});
    EXPECT_EQ(unwritable.exitCode, 74);
    EXPECT_EQ(unwritable.err, "无法保存“" + dir + "/no/x.json”：文件夹不存在。\n");

    std::ofstream(dir + "/foreign.json") << "{\"name\": 1}";
    const test::ToolRun foreign = RunTool({"design", "--open", dir + "/foreign.json"});
    EXPECT_EQ(foreign.exitCode, 2);
    EXPECT_EQ(foreign.err, dir + "/foreign.json：这不是本程序的设计文件：缺少 \"format\": \"zovamagnetic-design\"。\n");

    EXPECT_EQ(RunTool({"design", "--open", dir + "/foreign.json", "--turns", "5"}).exitCode, 64);
}

}  // namespace
}  // namespace zova
