#pragma once

#include <string_view>

namespace zova {

// "zovamagnetic 1.0": the program a file or a report was written by.
std::string_view ProgramNameAndVersion();

}  // namespace zova
