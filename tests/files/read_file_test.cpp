// Opening what a user names: a FIFO and a folder are refused without waiting
// or reading, a long file is read only as far as the limit and one byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "files/read_file.h"

namespace zova::files {
namespace {

namespace fs = std::filesystem;

class ReadFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/zova-read-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = name;
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string at(const char* name) const { return dir + "/" + name; }
    std::string dir;
};

TEST_F(ReadFileTest, ReadsAsFarAsTheLimitAndOneByte) {
    std::ofstream(at("long")) << std::string(70000, 'x');
    EXPECT_EQ(ReadFilePrefix(at("long"), 100).bytes->size(), 101u);
    EXPECT_EQ(ReadFilePrefix(at("long"), 1000000).bytes->size(), 70000u);
}

TEST_F(ReadFileTest, RefusesWhatIsNotARegularFileWithoutReadingIt) {
    ASSERT_EQ(::mkfifo(at("fifo").c_str(), 0600), 0);  // no writer: a blocking open would wait for ever
    EXPECT_EQ(ReadFilePrefix(at("fifo"), 100).message, "无法打开“" + at("fifo") + "”：不是普通文件。");
    EXPECT_EQ(ReadFilePrefix(dir, 100).message, "无法打开“" + dir + "”：这是一个文件夹。");
    EXPECT_FALSE(ReadFilePrefix("/dev/zero", 100).bytes);
    EXPECT_EQ(ReadFilePrefix(at("missing"), 100).message, "无法打开“" + at("missing") + "”：文件不存在。");
}

}  // namespace
}  // namespace zova::files
