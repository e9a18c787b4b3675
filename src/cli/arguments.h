#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Command-line parsing of zovamagnetic-cli, kept apart from the commands so it
// can be driven on its own. Options are "--name VALUE" or "--name=VALUE"; the
// value after "--name" is taken whatever it holds (empty, blanks, a leading
// "-"), because the tool passes values on as the texts a user would type.
namespace zova::cli {

struct OptionSpec {
    std::string_view name;  // without the leading "--"
    bool required = false;
    // May be given more than once; each use also takes every following argument
    // up to the next one that starts with "--" ("--at 10 20" = "--at 10 --at 20").
    bool many = false;
    // A switch: given as "--name" alone, it takes no value (its value reads "").
    bool flag = false;
    std::span<const std::string_view> choices = {};  // allowed values; empty: any text
    // Another option that replaces this one (design's inputs by --open FILE):
    // with it given, this one is not required and may not be given.
    std::string_view replacedBy = {};
};

// --lang CODE, which every command takes: the language of the library's texts
// it prints ("zh", the default, or "en"); the tool's own messages stay English.
inline constexpr std::string_view kLanguageCodes[] = {"zh", "en"};
inline constexpr OptionSpec kLanguageOption = {.name = "lang", .choices = kLanguageCodes};

struct CommandSpec {
    std::string_view name;
    std::span<const OptionSpec> options;
    std::span<const std::string_view> operands;  // names of the positional arguments, all required
};

struct Arguments {
    std::string command;  // empty for the tool's own --help
    bool help = false;
    std::vector<std::string> operands;
    std::vector<std::pair<std::string, std::string>> options;  // name, value; in the order given

    // The value of an option given once, or nothing when it was not given.
    std::optional<std::string> value(std::string_view name) const;
    // Every value of an option, in the order given.
    std::vector<std::string> values(std::string_view name) const;
};

struct ParseResult {
    Arguments arguments;
    std::string error;  // empty when the arguments are usable

    bool ok() const { return error.empty(); }
};

// args: everything after the program name. --help (or -h) asks for help before
// or after the command name alike (not as an option's value, not after "--"):
// then only the command name is checked, and the faults of the other arguments
// are passed over. Without it the first fault in argument order is reported.
// "--help=VALUE" is a fault wherever it stands.
ParseResult ParseArguments(std::span<const std::string> args, std::span<const CommandSpec> commands);

}  // namespace zova::cli
