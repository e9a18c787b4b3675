#include "cli/arguments.h"

#include <algorithm>

#include "text/shown_text.h"

namespace zova::cli {
namespace {

bool isHelp(std::string_view a) { return a == "--help" || a == "-h"; }

const OptionSpec* findOption(const CommandSpec& command, std::string_view name) {
    for (const OptionSpec& o : command.options)
        if (o.name == name) return &o;
    return nullptr;
}

std::string choiceList(std::span<const std::string_view> choices) {
    std::string s;
    for (std::string_view c : choices) {
        if (!s.empty()) s += ", ";
        s += c;
    }
    return s;
}

// Checks once every argument has been read: the right number of operands and
// every required option present.
std::string completenessError(const CommandSpec& shape, const Arguments& a) {
    if (a.operands.size() < shape.operands.size())
        return "missing " + std::string(shape.operands[a.operands.size()]);
    if (a.operands.size() > shape.operands.size())
        return "unexpected argument '" + text::ShownArgument(a.operands[shape.operands.size()]) + "'";
    for (const OptionSpec& o : shape.options) {
        const bool replaced = !o.replacedBy.empty() && a.value(o.replacedBy);
        if (replaced && a.value(o.name))
            return "--" + std::string(o.name) + " and --" + std::string(o.replacedBy) + " exclude each other";
        if (o.required && !replaced && !a.value(o.name)) return "missing --" + std::string(o.name);
    }
    return {};
}

}  // namespace

std::optional<std::string> Arguments::value(std::string_view name) const {
    for (const auto& [n, v] : options)
        if (n == name) return v;
    return std::nullopt;
}

std::vector<std::string> Arguments::values(std::string_view name) const {
    std::vector<std::string> found;
    for (const auto& [n, v] : options)
        if (n == name) found.push_back(v);
    return found;
}

ParseResult ParseArguments(std::span<const std::string> args, std::span<const CommandSpec> commands) {
    ParseResult r;
    Arguments& a = r.arguments;
    // Every argument is read, so that a --help after a faulty one is still seen;
    // the first fault is reported when no help was asked for.
    std::string firstError;
    const auto fail = [&](std::string error) {
        if (firstError.empty()) firstError = std::move(error);
    };

    // Up to the command name, help is the only option there is.
    std::size_t i = 0;
    const CommandSpec* shape = nullptr;
    for (; i < args.size() && shape == nullptr; ++i) {
        const std::string& arg = args[i];
        if (isHelp(arg)) {
            a.help = true;
        } else if (arg.starts_with("--help=")) {
            fail("--help takes no value");
        } else if (arg.starts_with('-')) {
            fail("unknown option '" + text::ShownArgument(arg) + "'");
        } else if (const auto found = std::ranges::find(commands, std::string_view(arg), &CommandSpec::name);
                   found != commands.end()) {
            shape = &*found;
            a.command = arg;
        } else {
            // No help text to show for it: refused with or without --help.
            r.error = firstError.empty() || a.help ? "unknown command '" + text::ShownArgument(arg) + "'" : firstError;
            return r;
        }
    }
    if (shape == nullptr) {
        if (!a.help) r.error = firstError.empty() ? "missing command" : firstError;
        return r;
    }

    bool optionsEnded = false;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
            a.operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (isHelp(arg)) {
            a.help = true;
        } else if (!arg.starts_with("--")) {
            fail("unknown option '" + text::ShownArgument(arg) + "'");
        } else {
            const std::size_t eq = arg.find('=');
            const std::string name = arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
            const OptionSpec* option = findOption(*shape, name);
            if (option == nullptr) {
                // Taken as an option without a value: what follows is read as usual.
                fail(name == "help" ? "--help takes no value" : "unknown option '--" + text::ShownArgument(name) + "'");
                continue;
            }
            // A value that fails a check is read past but not kept.
            const bool repeated = !option->many && a.value(name);
            if (repeated) fail("--" + name + " given more than once");
            std::vector<std::string> given;
            if (option->flag) {
                if (eq != std::string::npos) {
                    r.error = "--" + name + " takes no value";
                    return r;
                }
                given.emplace_back();
            } else if (eq != std::string::npos) {
                given.push_back(arg.substr(eq + 1));
            } else if (i + 1 < args.size()) {
                given.push_back(args[++i]);
            } else {
                fail("--" + name + " needs a value");
                break;
            }
            while (option->many && i + 1 < args.size() && !args[i + 1].starts_with("--")) given.push_back(args[++i]);
            for (std::string& v : given) {
                if (!option->choices.empty() && std::ranges::find(option->choices, v) == option->choices.end())
                    fail("--" + name + " must be one of: " + choiceList(option->choices));
                else if (!repeated)
                    a.options.emplace_back(name, std::move(v));
            }
        }
    }
    if (a.help) return r;
    r.error = firstError.empty() ? completenessError(*shape, a) : firstError;
    return r;
}

}  // namespace zova::cli
