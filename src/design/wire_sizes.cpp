#include "design/wire_sizes.h"

#include <array>
#include <cmath>

namespace zova {
namespace {

// Nominal conductor diameters of enamelled round copper wire, mm.
constexpr double kR20Series[] = {0.050, 0.056, 0.063, 0.071, 0.080, 0.090, 0.100, 0.112, 0.125, 0.140, 0.160,
                                 0.180, 0.200, 0.224, 0.250, 0.280, 0.315, 0.355, 0.400, 0.450, 0.500, 0.560,
                                 0.630, 0.710, 0.800, 0.900, 1.00,  1.12,  1.25,  1.40,  1.60,  1.80,  2.00,
                                 2.24,  2.50,  2.80,  3.15,  3.55,  4.00,  4.50,  5.00};

constexpr int kThickestGauge = 0;
constexpr int kThinnestGauge = 40;

}  // namespace

// Compared in the bare diameter's own precision: 0.4f lies 6 nm above 0.4 mm,
// and is the 0.4 mm size, not the 0.45 mm one.
std::optional<double> StandardWireDiameter(float d) {
    for (const double nominal : kR20Series)
        if (static_cast<float>(nominal) >= d) return nominal;
    return std::nullopt;
}

double AwgDiameter(int n) { return 0.127 * std::pow(92.0, (36.0 - n) / 39.0); }

std::optional<int> AwgFor(float d) {
    // Worked out once: every selection candidate asks.
    static const auto diameters = [] {
        std::array<double, kThinnestGauge + 1> all{};
        for (int n = kThickestGauge; n <= kThinnestGauge; ++n) all[n] = AwgDiameter(n);
        return all;
    }();
    // Gauges thin out as the number grows: the first from the thin end that is
    // thick enough is the largest number that is.
    for (int n = kThinnestGauge; n >= kThickestGauge; --n)
        if (static_cast<float>(diameters[n]) >= d) return n;
    return std::nullopt;
}

}  // namespace zova
