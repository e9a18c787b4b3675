#include "design/rolloff.h"

#include <cstddef>

#include "design/curve_index.h"
#include "engine/bias_curves.h"
#include "engine/formulas.h"
#include "engine/fp_check.h"

namespace zova {

std::vector<RolloffPoint> Rolloff(const CoreRecord& core, std::int16_t turns, float current, std::int16_t stack,
                                  const CurveIndex* curve) {
    std::vector<RolloffPoint> points;
    points.reserve(kRolloffPoints);
    const double span = 2.0 * static_cast<double>(current);
    std::size_t stop = kCurvePoints;  // of the rising lookups
    for (int m = 0; m < kRolloffPoints; ++m) {
        const float im = detail::checked(static_cast<float>(m * span / (kRolloffPoints - 1)), "rolloff current");
        if (m == 0) {
            // At 0 A the calculator takes the full initial permeability.
            points.push_back({im, StackedInductance(InductanceAt(turns, core, im), stack), 100.0f});
            continue;
        }
        const float h = FieldStrength(turns, im, core);
        const float percent = curve != nullptr ? curve->percentAtRising(h, stop) : 0.0f;
        points.push_back({im, StackedInductance(InductanceAtPercent(turns, core, im, percent), stack), percent});
    }
    return points;
}

}  // namespace zova
