#include "commands/ac_inputs.h"

#include <cmath>
#include <string>

#include "text/conversions.h"

namespace zova {
namespace {

std::optional<double> positive(std::string_view text) {
    const std::string t = text::Trimmed(text);
    if (!text::IsNumeric(t)) return std::nullopt;
    const double v = text::LeadingValue(t);
    return std::isfinite(v) && v > 0.0 ? std::optional<double>(v) : std::nullopt;
}

}  // namespace

std::optional<LossCoefficients> ReadCoefficients(std::string_view text) {
    double k[3];
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = text.find(',');
        if ((i < 2) == (comma == std::string_view::npos)) return std::nullopt;
        const auto v = positive(text.substr(0, comma));
        if (!v) return std::nullopt;
        k[i] = *v;
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return LossCoefficients{k[0], k[1], k[2]};
}

}  // namespace zova
