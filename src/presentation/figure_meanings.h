#pragma once

#include <string>
#include <string_view>

// What each design figure means, for the help page: one short sentence per key
// of Figures(), with how it is worked out where a reader needs that to trust
// or compare it. The models themselves are described in src/design/.
namespace zova {

// The sentence for a figure's key, in the current language; empty for a key
// that names no figure.
std::string FigureMeaning(std::string_view key);

}  // namespace zova
