#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "commands/input_rules.h"

namespace zova {

// The boxes of the design workbench, then those of its converter page, then
// the design's margins. The loss coefficients box is the design's and the
// converter reads it too.
enum class SessionBox : std::uint8_t {
    Core, Turns, Current, Stack, Frequency, Ripple, Coefficients,
    Topology, Vin, Vout, Iout, ConverterFrequency, RippleRatio, ConverterInductance, ConverterStack,
    AlTolerance, HotLimit, RollOffLimit,
};
inline constexpr std::size_t kSessionBoxes = 18;

// The box's key, as the page names its boxes and a refusal names the box:
// the reader's own for the design's boxes ("lossCoefficients"), and for the
// converter's "topology", "vin", "vout", "iout", "converterFrequency",
// "rippleRatio", "converterInductance", "converterStack".
std::string_view KeyOf(SessionBox box);
std::optional<SessionBox> SessionBoxNamed(std::string_view key);

bool IsConverterBox(SessionBox box);

// The session's box that a reader's refusal names: on the design page, or
// (converter) on the converter page.
std::optional<SessionBox> SessionBoxOf(DesignBox box, bool converter);

}  // namespace zova
