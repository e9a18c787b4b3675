#include "documents/program_version.h"

namespace zova {

// ZOVA_VERSION comes from the project's version in CMakeLists.txt.
std::string_view ProgramNameAndVersion() { return "zovamagnetic " ZOVA_VERSION; }

}  // namespace zova
