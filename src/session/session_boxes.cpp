#include "session/session_boxes.h"

namespace zova {
namespace {

using S = SessionBox;
using D = DesignBox;

struct Entry {
    S box;
    D read;                   // the rule its text is read by
    std::string_view ownKey;  // where the rule's key would name another page's box
};

constexpr Entry kEntries[kSessionBoxes] = {
    {S::Core, D::Core, {}},
    {S::Turns, D::Turns, {}},
    {S::Current, D::Current, {}},
    {S::Stack, D::Stack, {}},
    {S::Frequency, D::Frequency, {}},
    {S::Ripple, D::Ripple, {}},
    {S::Coefficients, D::Coefficients, {}},
    {S::Topology, D::Topology, {}},
    {S::Vin, D::Vin, {}},
    {S::Vout, D::Vout, {}},
    {S::Iout, D::Iout, {}},
    {S::ConverterFrequency, D::Frequency, "converterFrequency"},
    {S::RippleRatio, D::RippleRatio, {}},
    {S::ConverterInductance, D::Inductance, "converterInductance"},
    {S::ConverterStack, D::Stack, "converterStack"},
    {S::AlTolerance, D::AlTolerance, {}},
    {S::HotLimit, D::HotLimit, {}},
    {S::RollOffLimit, D::RollOffLimit, {}},
};

}  // namespace

std::string_view KeyOf(SessionBox box) {
    const Entry& e = kEntries[static_cast<std::size_t>(box)];
    return e.ownKey.empty() ? RuleOf(e.read).key : e.ownKey;
}

std::optional<SessionBox> SessionBoxNamed(std::string_view key) {
    for (const Entry& e : kEntries)
        if (KeyOf(e.box) == key) return e.box;
    return std::nullopt;
}

bool IsConverterBox(SessionBox box) { return box >= S::Topology && box <= S::ConverterStack; }

std::optional<SessionBox> SessionBoxOf(DesignBox box, bool converter) {
    if (box == D::Coefficients) return S::Coefficients;
    if (box == D::BiasCurrent) return S::Current;
    for (const Entry& e : kEntries)
        if (e.read == box && IsConverterBox(e.box) == converter) return e.box;
    return std::nullopt;
}

}  // namespace zova
