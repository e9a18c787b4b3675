#pragma once

#include <string>
#include <vector>

#include "design/design_warnings.h"

namespace zova {

// A warning as every face shows it: its key and one sentence naming the
// figure, its value and the limit it passes.
struct WarningLine {
    std::string key;
    std::string text;

    friend bool operator==(const WarningLine&, const WarningLine&) = default;
};

// The warnings of DesignWarningsOf in words, in its order.
std::vector<WarningLine> WarningLines(const DesignFigures& f, const DesignLimits& limits = {});

}  // namespace zova
