#include "files/file_names.h"

namespace zova::files {
namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool endsWithNoCase(std::string_view s, std::string_view tail) {
    if (s.size() < tail.size()) return false;
    s.remove_prefix(s.size() - tail.size());
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (lower(s[i]) != lower(tail[i])) return false;
    return true;
}

}  // namespace

std::string_view ExtensionOf(std::string_view path, std::span<const std::string_view> extensions) {
    for (const std::string_view extension : extensions) {
        // The extension follows a point that ends a name of at least one character.
        if (path.size() <= extension.size() + 1) continue;
        const std::string_view head = path.substr(0, path.size() - extension.size());
        if (head.back() == '.' && head[head.size() - 2] != '/' && endsWithNoCase(path, extension)) return extension;
    }
    return {};
}

std::string WithExtension(std::string_view path, std::span<const std::string_view> extensions,
                          std::string_view chosen) {
    std::string name(path);
    if (ExtensionOf(path, extensions).empty()) name.append(".").append(chosen);
    return name;
}

}  // namespace zova::files
