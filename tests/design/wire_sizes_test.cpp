// Expected values come from the published tables, not from the code:
// - IEC 60317-0-1 (enamelled round copper wire), Table 1, the R 20 nominal
//   conductor diameters from 0.050 to 5.000 mm: ISO 3's R 20 preferred numbers
//   1.00 1.12 1.25 1.40 1.60 1.80 2.00 2.24 2.50 2.80 3.15 3.55 4.00 4.50 5.00
//   5.60 6.30 7.10 8.00 9.00, times a power of ten.
// - The AWG table of ASTM B258 (nominal diameters of solid round wires), inch
//   values as printed in California Fine Wire Co.'s "Wire Gauge Conversions
//   Chart", AWG column; 36 AWG is 0.005 in (0.127 mm) by definition.
#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <optional>
#include <string>

#include "design/wire_sizes.h"
#include "support/named_case.h"

namespace zova {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// IEC 60317-0-1, Table 1, R 20, mm.
constexpr double kR20[] = {0.050, 0.056, 0.063, 0.071, 0.080, 0.090, 0.100, 0.112, 0.125, 0.140, 0.160,
                           0.180, 0.200, 0.224, 0.250, 0.280, 0.315, 0.355, 0.400, 0.450, 0.500, 0.560,
                           0.630, 0.710, 0.800, 0.900, 1.000, 1.120, 1.250, 1.400, 1.600, 1.800, 2.000,
                           2.240, 2.500, 2.800, 3.150, 3.550, 4.000, 4.500, 5.000};

// Every size is offered, in order: a millionth below a size takes it, a
// millionth above takes the next (far more than a single's precision, far less
// than the 12 % between sizes).
TEST(StandardWire, EverySizeOfTheR20Series) {
    for (std::size_t k = 0; k < std::size(kR20); ++k) {
        const std::optional<double> next = k + 1 < std::size(kR20) ? std::optional(kR20[k + 1]) : std::nullopt;
        EXPECT_EQ(StandardWireDiameter(static_cast<float>(kR20[k] * (1.0 - 1e-6))), kR20[k]);
        // The size itself in single precision (0.4f is 0.40000000596 mm) is that size.
        EXPECT_EQ(StandardWireDiameter(static_cast<float>(kR20[k])), kR20[k]);
        EXPECT_EQ(StandardWireDiameter(static_cast<float>(kR20[k] * (1.0 + 1e-6))), next) << kR20[k];
    }
}

struct GaugeRow {
    const char* name;
    int gauge;
    double inches;    // as the chart prints it
    double halfUnit;  // half a unit in its last printed digit
};
ZOVA_PRINT_CASE_NAME(GaugeRow)

class AwgTable : public ::testing::TestWithParam<GaugeRow> {};

// The gauge's diameter rounds to the printed value; a bare wire 1 % thinner
// takes the gauge, 1 % thicker the next thicker one (none past gauge 0). Gauges
// are 12 % apart, the chart's rounding is below 0.2 %.
TEST_P(AwgTable, DiameterAndTheGaugeEitherSideOfIt) {
    const GaugeRow& r = GetParam();
    const double mm = r.inches * kMillimetresPerInch;
    EXPECT_NEAR(AwgDiameter(r.gauge), mm, r.halfUnit * kMillimetresPerInch);
    EXPECT_EQ(AwgFor(static_cast<float>(mm * 0.99)), r.gauge);
    EXPECT_EQ(AwgFor(static_cast<float>(mm * 1.01)), r.gauge > 0 ? std::optional(r.gauge - 1) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Wire, AwgTable,
                         ::testing::Values(GaugeRow{"gauge0", 0, 0.3249, 0.00005},
                                           GaugeRow{"gauge4", 4, 0.2043, 0.00005},
                                           GaugeRow{"gauge10", 10, 0.1019, 0.00005},
                                           GaugeRow{"gauge18", 18, 0.04030, 0.000005},
                                           GaugeRow{"gauge20", 20, 0.03196, 0.000005},
                                           GaugeRow{"gauge24", 24, 0.02010, 0.000005},
                                           GaugeRow{"gauge26", 26, 0.01594, 0.000005},
                                           GaugeRow{"gauge36", 36, 0.00500, 0.000005},
                                           GaugeRow{"gauge40", 40, 0.00314, 0.000005}),
                         [](const auto& info) { return std::string(info.param.name); });

// One bare diameter, both sizes the design figures give for it. AWG from the
// chart: 24 = 0.5105 mm, 25 = 0.4547; 16 = 1.290, 17 = 1.150; 4 = 5.189,
// 5 = 4.620; 2 = 6.543, 3 = 5.827; 0 = 8.252 mm; 40 = 0.0798 mm.
struct BareRow {
    const char* name;
    float bare;  // mm
    std::optional<double> standard;
    std::optional<int> awg;
};
ZOVA_PRINT_CASE_NAME(BareRow)

class BareWire : public ::testing::TestWithParam<BareRow> {};

TEST_P(BareWire, StandardSizeAndGauge) {
    const BareRow& r = GetParam();
    EXPECT_EQ(StandardWireDiameter(r.bare), r.standard);
    EXPECT_EQ(AwgFor(r.bare), r.awg);
}

// Sizes a single holds exactly stand for "exactly at a size"; nextafter is the
// smallest step above it.
INSTANTIATE_TEST_SUITE_P(
    Wire, BareWire,
    ::testing::Values(BareRow{"thinnerThanEverySize", 0.01f, 0.050, 40},
                      BareRow{"exactlyAtHalfAMillimetre", 0.5f, 0.500, 24},
                      BareRow{"justAboveHalfAMillimetre", std::nextafter(0.5f, 1.0f), 0.560, 24},
                      BareRow{"exactlyAt1p25", 1.25f, 1.250, 16},
                      BareRow{"justAbove1p25", std::nextafter(1.25f, 2.0f), 1.400, 16},
                      BareRow{"exactlyAtTheLargestSize", 5.0f, 5.000, 4},
                      BareRow{"justAboveTheLargestSize", std::nextafter(5.0f, 6.0f), std::nullopt, 4},
                      BareRow{"sixMillimetres", 6.0f, std::nullopt, 2},
                      BareRow{"belowGauge0", 8.2f, std::nullopt, 0},
                      BareRow{"aboveGauge0", 8.3f, std::nullopt, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zova
