#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zova {

// Part numbers of the offered rows (1..CoreCount) that contain the search text,
// upper-cased, in row order. The caller trims the text; "" lists every row.
std::vector<std::string> FilterCoreList(std::string_view searchText);

// The six lines describing a list item, joined by a carriage return: part number,
// coated OD, ID and height, AL, path length. The item is looked up trimmed and
// shown as it stands.
std::string CoreDetailsText(std::string_view listItem);

// The same six lines, each on its own.
std::vector<std::string> CoreDetailsLines(std::string_view listItem);

// The calculator's help text: six lines joined by line feed + carriage return.
std::string CalculatorHelpText();

}  // namespace zova
