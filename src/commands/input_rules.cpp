#include "commands/input_rules.h"

#include <cmath>

#include "design/skin_effect.h"
#include "language/texts.h"
#include "text/conversions.h"
#include "text/number_text.h"

namespace zova {
namespace {

using B = DesignBox;

namespace m = texts::messages;

constexpr InputRule kRules[] = {
    {B::Turns, "turns", m::boxTurns, 1, 32767, false, &m::unitTurns, true},
    {B::Current, "current", m::boxCurrent, 0, kMaxCurrent, true, &m::unitAmpere, false},
    {B::Stack, "stack", m::boxStack, 1, 32767, false, &m::unitCores, true},
    {B::Frequency, "frequency", m::boxFrequency, kLowestFrequency, kHighestFrequency, false, &m::unitKilohertz, false},
    {B::Ripple, "ripple", m::boxRipple, 0, 2 * kMaxCurrent, false, &m::unitAmpere, false},
    {B::Vin, "vin", m::boxVin, kMinVoltage, kMaxVoltage, false, &m::unitVolt, false},
    {B::Vout, "vout", m::boxVout, kMinVoltage, kMaxVoltage, false, &m::unitVolt, false},
    {B::Iout, "iout", m::boxIout, 0, kMaxCurrent, true, &m::unitAmpere, false},
    {B::RippleRatio, "rippleRatio", m::boxRippleRatio, 0, kMaxRippleRatio, true, nullptr, false},
    {B::Inductance, "inductance", m::boxInductance, 0, kMaxInductance, true, &m::unitMicrohenry, false},
    {B::BiasCurrent, "current", m::boxCurrent, 0, kMaxCurrent, false, &m::unitAmpere, false},
    {B::AlTolerance, "alTolerance", m::boxAlTolerance, 0, kMaxAlTolerance, false, &m::unitPercent, false},
    {B::HotLimit, "hotLimit", m::boxHotLimit, 0, kMaxHotLimit, true, &m::unitKelvin, false},
    {B::RollOffLimit, "rollOffLimit", m::boxRollOffLimit, 0, 100, false, &m::unitPercent, false},
    // The boxes that hold no number have a key and a name and nothing else.
    {B::Core, "core", m::boxCore, 0, 0, false, nullptr, false},
    {B::Coefficients, "lossCoefficients", m::boxCoefficients, 0, 0, false, nullptr, false},
    {B::Topology, "topology", m::boxTopology, 0, 0, false, nullptr, false},
};
constexpr InputRule kNoBox{B::None, "", {}, 0, 0, false, nullptr, false};

std::string shown(double v) { return text::GeneralForm(static_cast<float>(v)); }

// The unit as it stands before more words; as it ends a sentence, without the blank after it.
std::string_view unitOf(const InputRule& r) { return r.unit ? Say(*r.unit) : std::string_view(); }
std::string_view trimmedUnit(const InputRule& r) {
    const std::string_view unit = unitOf(r);
    const auto last = unit.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : unit.substr(0, last + 1);
}

}  // namespace

const InputRule& RuleOf(DesignBox box) {
    for (const InputRule& r : kRules)
        if (r.box == box) return r;
    return kNoBox;
}

std::string_view TrimmedBox(std::string_view typed) {
    const auto first = typed.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
}

std::string RangeText(DesignBox box) {
    const InputRule& r = RuleOf(box);
    if (r.lowOpen) return Fill(m::rangeAboveAndAtMost, {shown(r.low), shown(r.high), trimmedUnit(r)});
    return Fill(m::rangeFromTo, {shown(r.low), shown(r.high), unitOf(r)});
}

std::string RefusalOfValue(DesignBox box, double v) {
    const InputRule& r = RuleOf(box);
    const std::string_view name = Say(r.name);
    if (v < 0.0) return Fill(m::valueNegative, {name});
    if (r.whole && std::isfinite(v) && v != std::floor(v)) return Fill(m::valueNotWhole, {name});
    const bool above = r.lowOpen ? v > r.low : v >= r.low;
    if (above && v <= r.high) return {};
    if (r.lowOpen) return Fill(m::valueAboveAndAtMost, {name, shown(r.low), shown(r.high), trimmedUnit(r)});
    return Fill(m::valueBetween, {name, shown(r.low), shown(r.high), unitOf(r)});
}

BoxReading ReadBox(DesignBox box, std::string_view typed) {
    const InputRule& r = RuleOf(box);
    const std::string_view name = Say(r.name);
    const std::string t(TrimmedBox(typed));
    if (t.empty()) return {0.0, Fill(m::enterValue, {name})};
    if (!text::IsNumeric(t)) {
        if (t.find(',') != std::string::npos || t.find("，") != std::string::npos)
            return {0.0, Fill(m::valueWithComma, {name})};
        return {0.0, Fill(r.whole ? m::valueNotWholeNumber : m::valueNotNumber, {name})};
    }
    const double v = text::LeadingValue(t);
    return {v, RefusalOfValue(box, v)};
}

}  // namespace zova
