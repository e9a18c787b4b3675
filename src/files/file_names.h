#pragma once

#include <span>
#include <string>
#include <string_view>

namespace zova::files {

// The name a file is saved under, settled before anyone is asked whether to
// replace it: `path` as typed when it already ends in "." + one of
// `extensions` (in any case: "chart.PNG" stays), else `path` + "." + `chosen`
// (the extension of the format picked in the dialog). "chart" becomes
// "chart.png", "v1.2" becomes "v1.2.png".
std::string WithExtension(std::string_view path, std::span<const std::string_view> extensions, std::string_view chosen);

// The extension of `path` among `extensions`, compared without case, or ""
// when it ends in none of them.
std::string_view ExtensionOf(std::string_view path, std::span<const std::string_view> extensions);

}  // namespace zova::files
