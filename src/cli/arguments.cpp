#include "cli/arguments.h"

#include <algorithm>

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
        return "unexpected argument '" + a.operands[shape.operands.size()] + "'";
    for (const OptionSpec& o : shape.options)
        if (o.required && !a.value(o.name)) return "missing --" + std::string(o.name);
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
    if (args.empty()) {
        r.error = "missing command";
        return r;
    }
    if (isHelp(args[0])) {
        a.help = true;
        return r;
    }
    const auto shape = std::ranges::find(commands, std::string_view(args[0]), &CommandSpec::name);
    if (shape == commands.end()) {
        r.error = args[0].starts_with('-') ? "unknown option '" + args[0] + "'" : "unknown command '" + args[0] + "'";
        return r;
    }
    a.command = args[0];

    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
            a.operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (isHelp(arg)) {
            a.help = true;
        } else if (!arg.starts_with("--")) {
            r.error = "unknown option '" + arg + "'";
            return r;
        } else {
            const std::size_t eq = arg.find('=');
            const std::string name = arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
            const OptionSpec* option = findOption(*shape, name);
            if (option == nullptr) {
                r.error = (name == "help" ? "--help takes no value" : "unknown option '--" + name + "'");
                return r;
            }
            if (!option->many && a.value(name)) {
                r.error = "--" + name + " given more than once";
                return r;
            }
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
                r.error = "--" + name + " needs a value";
                return r;
            }
            while (option->many && i + 1 < args.size() && !args[i + 1].starts_with("--")) given.push_back(args[++i]);
            for (std::string& v : given) {
                if (!option->choices.empty() && std::ranges::find(option->choices, v) == option->choices.end()) {
                    r.error = "--" + name + " must be one of: " + choiceList(option->choices);
                    return r;
                }
                a.options.emplace_back(name, std::move(v));
            }
        }
    }
    if (!a.help) r.error = completenessError(*shape, a);
    return r;
}

}  // namespace zova::cli
