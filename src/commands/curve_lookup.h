#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/bias_curves.h"

namespace zova {

// How a look-up on a bias curve ended.
enum class CurveLookupEnd {
    Found,         // points hold the curve's own points, or one per field text
    UnknownCurve,  // no curve for the series and permeability code
    NotNumeric,    // badText is the first field text that is not a number
    OutOfRange,    // a field text beyond single precision
};

struct CurvePoint {
    float h = 0.0f;        // Oe
    float percent = 0.0f;  // of the initial permeability

    friend bool operator==(const CurvePoint&, const CurvePoint&) = default;
};

struct CurveLookupOutcome {
    CurveLookupEnd end = CurveLookupEnd::Found;
    const BiasCurve* curve = nullptr;  // set unless end == UnknownCurve
    std::vector<CurvePoint> points;    // only when end == Found
    std::string badText;               // only when end == NotNumeric
};

// The curve of a series ("KTA") and permeability code ("060"). Without field
// texts: its 45 points. With them: the percentage at each field, in the order
// given; each text is read as the calculator reads its current box.
CurveLookupOutcome LookUpCurve(std::string_view series, std::string_view perm,
                               std::span<const std::string> fieldTexts);

}  // namespace zova
