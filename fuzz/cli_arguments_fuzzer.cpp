// The command-line tool on any argument list: first the parser against a table
// with every kind of option, then the whole tool in-process. Whatever a script
// passes, the tool answers with one of its exit codes, says why on standard
// error when it refuses, writes JSON that parses, and writes nothing to the
// terminal's standard error that the terminal would act on: no control byte
// but the line feed, no byte that is not UTF-8.
#include <algorithm>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "fuzz_support.h"
#include "support/json_reader.h"
#include "text/shown_text.h"

namespace {

using namespace zova;
using namespace zova::cli;

// Enough arguments for every command with every option given twice.
constexpr std::size_t kMaxArguments = 24;

constexpr std::string_view kColours[] = {"red", "green"};
constexpr std::string_view kTwoOperands[] = {"first", "second"};
constexpr OptionSpec kPaintOptions[] = {
    {.name = "colour", .required = true, .choices = kColours},
    {.name = "at", .many = true},
    {.name = "note"},
};
constexpr CommandSpec kTable[] = {
    {"paint", kPaintOptions, kTwoOperands},
    {"plain", {}, {}},
};

void checkParse(const std::vector<std::string>& args) {
    const ParseResult r = ParseArguments(args, kTable);
    if (!r.ok()) return;
    const Arguments& a = r.arguments;
    if (a.command.empty()) {
        ZOVA_FUZZ_CHECK(a.help);
        return;
    }
    const auto shape = std::ranges::find(kTable, std::string_view(a.command), &CommandSpec::name);
    ZOVA_FUZZ_CHECK(shape != std::end(kTable));
    for (const auto& [name, value] : a.options) {
        const auto option = std::ranges::find(shape->options, std::string_view(name), &OptionSpec::name);
        ZOVA_FUZZ_CHECK(option != shape->options.end());
        ZOVA_FUZZ_CHECK(option->many || a.values(name).size() == 1);
        ZOVA_FUZZ_CHECK(option->choices.empty() || std::ranges::find(option->choices, value) != option->choices.end());
    }
    if (a.help) return;
    ZOVA_FUZZ_CHECK(a.operands.size() == shape->operands.size());
    for (const OptionSpec& o : shape->options)
        if (o.required) ZOVA_FUZZ_CHECK(a.value(o.name).has_value());
}

void checkRun(const std::vector<std::string>& args) {
    // A fuzzer must not write files wherever its inputs say.
    if (std::ranges::any_of(args, [](const std::string& arg) { return arg.starts_with("--save"); })) return;
    const CliResult r = RunCli(args);
    constexpr int kCodes[] = {kExitOk, kExitNoResult, kExitRefused, kExitOutOfRange, kExitUsage};
    ZOVA_FUZZ_CHECK(std::ranges::find(kCodes, r.exitCode) != std::end(kCodes));
    ZOVA_FUZZ_CHECK((r.exitCode == kExitOk) == r.err.empty());
    ZOVA_FUZZ_CHECK(r.exitCode != kExitUsage || r.out.empty());
    for (std::size_t i = 0; i < r.err.size();) {
        const std::size_t length = text::Utf8SequenceLength(r.err, i);
        ZOVA_FUZZ_CHECK(length > 0);
        const auto byte = static_cast<unsigned char>(r.err[i]);
        ZOVA_FUZZ_CHECK(length > 1 || byte == '\n' || (byte >= 0x20 && byte != 0x7f));
        // C1 controls are two bytes in UTF-8: U+0080..U+009F.
        ZOVA_FUZZ_CHECK(!(length == 2 && byte == 0xc2 && static_cast<unsigned char>(r.err[i + 1]) < 0xa0));
        i += length;
    }
    if (r.out.starts_with('{') || r.out.starts_with('[')) {
        try {
            (void)test::ParseJson(r.out);
        } catch (const std::exception&) {
            ZOVA_FUZZ_CHECK(!"the tool wrote JSON that does not parse");
        }
    }
}

}  // namespace

// Input: the arguments after the program name, separated by NUL.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fields = fuzz::AllFields(fuzz::AsText(data, size));
    if (fields.size() > kMaxArguments) return 0;
    const std::vector<std::string> args(fields.begin(), fields.end());
    checkParse(args);
    checkRun(args);
    return 0;
}
