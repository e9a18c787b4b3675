#pragma once

#include <string>
#include <string_view>

namespace zova::text {

// A text as HTML shows it, markup characters escaped (quotes too, so it may
// stand in an attribute): the report and the help page take user and table
// texts as text, never as markup.
std::string HtmlEscaped(std::string_view s);

}  // namespace zova::text
