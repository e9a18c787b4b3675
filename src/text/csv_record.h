#pragma once

#include <span>
#include <string>

namespace zova::text {

// One CSV record and its line feed; a field holding a comma, a quote or a line
// break is quoted, quotes inside doubled.
std::string CsvRecord(std::span<const std::string> fields);

}  // namespace zova::text
