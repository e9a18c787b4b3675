#include "engine/formulas.h"

#include <cmath>
#include <string_view>

#include "engine/bias_curves.h"
#include "engine/fp_check.h"

namespace zova {

using detail::checked;

std::string_view SeriesCodeOf(std::string_view partNo) { return partNo.substr(0, 3); }

std::string_view PermCodeOf(std::string_view partNo) {
    return partNo.size() <= 3 ? partNo : partNo.substr(partNo.size() - 3);
}

float FieldStrength(std::int16_t n, float i, const CoreRecord& core) {
    // 1.25664 = 0.4π: ampere-turns per centimetre to oersted.
    const double h = static_cast<double>(n) * 1.25664 * static_cast<double>(i) /
                     static_cast<double>(core.PathLength);
    return checked(static_cast<float>(h), "FieldStrength");
}

const BiasCurve* CurveOf(const CoreRecord& core) {
    return FindBiasCurve(PermCodeOf(core.PartNo), SeriesCodeOf(core.PartNo));
}

float InductanceAt(std::int16_t n, const CoreRecord& core, float i) {
    if (i == 0.0f) return InductanceAt(n, core, i, nullptr);
    return InductanceAt(n, core, i, CurveOf(core));
}

float InductanceAt(std::int16_t n, const CoreRecord& core, float i, const BiasCurve* curve) {
    if (i == 0.0f) return InductanceAtPercent(n, core, i, 0.0f);
    const float h = FieldStrength(n, i, core);
    return InductanceAtPercent(n, core, i, curve == nullptr ? 0.0f : CurveLookup(curve->h, curve->percent, h));
}

float InductanceAtPercent(std::int16_t n, const CoreRecord& core, float i, float percent) {
    // Both products run in double and are rounded to single once, at the end:
    // rounding after each product moves the last shown digit of about one
    // result in a hundred.
    const double turns = static_cast<double>(n);
    const double al = static_cast<double>(core.AL);
    if (i == 0.0f) {
        // Zero bias: the full initial permeability, no curve consulted.
        const double nanohenries = turns * al * turns;
        return checked(static_cast<float>(nanohenries / static_cast<double>(1000.0f)), "InductanceAt");
    }
    const double product = checked(turns * al * turns * static_cast<double>(percent), "InductanceAt");
    return checked(static_cast<float>(product / kNanohenryPercentPerMicrohenry), "InductanceAt");
}

float StackedInductance(float perCore, std::int16_t stack) {
    return checked(perCore * static_cast<float>(stack), "stacked inductance");
}

float WireDiameter(float i) {
    const float area = checked(i / kCurrentDensity, "WireDiameter");  // mm²
    const double root = checked(std::sqrt(static_cast<double>(area) / 3.1416), "WireDiameter");
    return checked(static_cast<float>(2.0 * root), "WireDiameter");
}

float InsulationAllowance(float d) {
    return checked(static_cast<float>(static_cast<double>(d) * 0.045 + 0.007), "InsulationAllowance");
}

float OverallWireDiameter(float d) { return checked(InsulationAllowance(d) + d, "wire diameter"); }

}  // namespace zova
