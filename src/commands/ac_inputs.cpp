#include "commands/ac_inputs.h"

#include <cmath>
#include <string>

#include "commands/messages.h"
#include "commands/rule_texts.h"
#include "design/skin_effect.h"
#include "text/conversions.h"

namespace zova {
namespace {

std::optional<double> number(std::string_view text) {
    const std::string t = text::Trimmed(text);
    if (!text::IsNumeric(t)) return std::nullopt;
    const double v = text::LeadingValue(t);
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

std::optional<LossCoefficients> coefficients(std::string_view text) {
    double k[3];
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = text.find(',');
        if ((i < 2) == (comma == std::string_view::npos)) return std::nullopt;
        const auto v = PositiveNumber(text.substr(0, comma));
        if (!v) return std::nullopt;
        k[i] = *v;
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return LossCoefficients{k[0], k[1], k[2]};
}

}  // namespace

std::optional<double> PositiveNumber(std::string_view text) {
    const auto v = number(text);
    return v && *v > 0.0 ? v : std::nullopt;
}

AcInputs ReadAcInputs(const AcTexts& texts) {
    AcInputs in;
    const auto refused = [&in](std::string_view message) {
        in.message = std::string(message);
        return in;
    };
    if (!texts.frequency.empty()) {
        const auto f = number(texts.frequency);
        if (!f) return refused(messages::kFrequencyNotNumeric);
        if (!(*f >= kLowestFrequency && *f <= kHighestFrequency)) return refused(messages::FrequencyRangeText());
        in.options.ac = AcDrive{*f, 0.0, std::nullopt};
    }
    if (!texts.ripple.empty()) {
        if (!in.options.ac) return refused(messages::kRippleNeedsFrequency);
        const auto r = number(texts.ripple);
        if (!r) return refused(messages::kRippleNotNumeric);
        if (*r < 0.0) return refused(messages::kRippleNegative);
        in.options.ac->ripple = *r;
    }
    if (!texts.coefficients.empty()) {
        in.options.coefficients = coefficients(texts.coefficients);
        if (!in.options.coefficients) return refused(messages::kCoefficientsInvalid);
    }
    return in;
}

}  // namespace zova
