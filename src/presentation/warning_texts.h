#pragma once

#include "text/json_writer.h"

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

// The warnings' short names, as a table's cell holds them, in the current
// language: "温升高、近饱和", "hot, near saturation"; "" for none.
std::string WarningNames(const std::vector<DesignWarning>& warnings);

// The warnings of DesignWarningsOf in words, in its order.
std::vector<WarningLine> WarningLines(const DesignFigures& f, const DesignLimits& limits = {});

// The member "warnings": [{"key", "text"}, ...] of a design's JSON object.
void WriteWarningsMember(text::JsonWriter& j, const std::vector<WarningLine>& warnings);

}  // namespace zova
