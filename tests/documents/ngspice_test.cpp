// The ngspice model run in ngspice itself (batch mode): its small-signal
// inductance under DC bias against the design's, and a buck converter built
// on the converter's first candidate against the converter's ripple.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "commands/converter_command.h"
#include "documents/spice_model.h"
#include "presentation/converter_outputs.h"
#include "support/named_case.h"
#include "support/spice_tables.h"

namespace zova {
namespace {

bool ngspiceFound() { return std::system("command -v ngspice >/dev/null 2>&1") == 0; }

#define SKIP_WITHOUT_NGSPICE() \
    if (!ngspiceFound()) GTEST_SKIP() << "ngspice is not installed (scripts/install-deps.sh installs it)"

// Runs a netlist in batch mode (its .control block ends in quit: without it
// ngspice exits with 1 after a run); the "name = value" lines its .control block
// printed or measured, by name.
std::map<std::string, double> runNgspice(const std::string& netlist, const std::string& file) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zova_ngspice_test";
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / file;
    std::ofstream(path) << netlist;
    std::map<std::string, double> values;
    FILE* pipe = popen(("ngspice -b " + path.string() + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return values;
    std::array<char, 4096> line{};
    std::string all;
    while (fgets(line.data(), line.size(), pipe) != nullptr) {
        const std::string l = line.data();
        all += l;
        const std::size_t eq = l.find(" = ");
        if (eq == std::string::npos) continue;
        const std::string name = l.substr(0, l.find_first_of(" \t"));
        const char* start = l.c_str() + eq + 3;
        while (*start == ' ') ++start;
        double v = 0.0;
        if (std::from_chars(start, l.c_str() + l.size(), v).ec == std::errc()) values[name] = v;
    }
    const int status = pclose(pipe);
    EXPECT_EQ(status, 0) << all;
    return values;
}

struct AcCase {
    const char* name;
    const char* partNo;
    std::int16_t turns;
    std::int16_t stack;
};
ZOVA_PRINT_CASE_NAME(AcCase)

class NgspiceAc : public ::testing::TestWithParam<AcCase> {};

// Ten copies of the model, each biased by its own DC current source from 0 A
// to the top field with 1 A of AC on it: L = Im(V) / 2πf.
TEST_P(NgspiceAc, SmallSignalInductanceIsTheDesigns) {
    SKIP_WITHOUT_NGSPICE();
    const AcCase& c = GetParam();
    const SpiceOutcome o = SpiceModelAsTyped(
        {.partNo = c.partNo, .turns = std::to_string(c.turns), .stack = std::to_string(c.stack)});
    ASSERT_TRUE(o.written()) << o.message;
    const CoreRecord core = FindCore(c.partNo);
    const double top = TopFieldCurrent(core, c.turns);
    std::string netlist = "small-signal inductance under DC bias\n" + o.text;
    std::string control = ".control\nac lin 1 1k 1k\n";
    for (int k = 0; k < 10; ++k) {
        const std::string n = std::to_string(k);
        netlist.append("I").append(n).append(" 0 n").append(n).append(" dc ").append(std::to_string(top * k / 9.0));
        netlist.append(" ac 1\nX").append(n).append(" n").append(n).append(" 0 ").append(o.name).append("\n");
        control.append("let l").append(n).append(" = imag(v(n").append(n).append("))/(2*pi*1k)\nprint l");
        control.append(n).append("\n");
    }
    const auto values = runNgspice(netlist + control + "quit\n.endc\n.end\n", std::string(c.name) + "_ac.cir");
    double worst = 0.0;
    for (int k = 0; k < 10; ++k) {
        const double current = std::stod(std::to_string(top * k / 9.0));
        const double want = test::DesignInductance(core, c.turns, c.stack, current);
        std::string key(1, 'l');
        key += std::to_string(k);
        ASSERT_TRUE(values.contains(key));
        const double got = values.at(key);
        EXPECT_NEAR(got, want, 0.005 * want) << current << " A";
        worst = std::max(worst, std::abs(got / want - 1.0));
    }
    RecordProperty("worstPercent", std::to_string(worst * 100.0));
    std::printf("%s: largest .ac deviation %.4f %%\n", c.name, worst * 100.0);
}

INSTANTIATE_TEST_SUITE_P(Series, NgspiceAc,
                         ::testing::Values(AcCase{"KTA", "KTA106090", 18, 1}, AcCase{"KTB", "KTB130147", 19, 1},
                                           AcCase{"KRA", "KRA068060", 40, 1},
                                           AcCase{"stackOfThree", "KTA092060", 54, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

// 48 V to 12 V at 100 kHz, 10 A: an ideal switch at duty 0.25 and a diode of
// a few millivolts, the output capacitor started at 12 V so that steady state
// comes within a millisecond; the last ten periods measured.
TEST(NgspiceBuck, RippleAndAverageCurrentAreTheConvertersFirstCandidates) {
    SKIP_WITHOUT_NGSPICE();
    const ConverterOutcome run = RunConverter({.topology = "buck", .vin = "48", .vout = "12", .iout = "10",
                                               .frequency = "100", .rippleRatio = "", .inductance = "", .coefficients = ""});
    ASSERT_EQ(run.end, ConverterEnd::Found) << run.message;
    const std::size_t first = CandidateOrder(run.figures, "totalLoss")->front();
    const CoreRecord& core = CoreCatalogue(run.selection.cores[first].row);
    const std::int16_t turns = run.selection.cores[first].turns;
    const double ripple = run.figures[first].ripple.value();

    const SpiceOutcome o = SpiceModelAsTyped({.partNo = core.PartNo, .turns = std::to_string(turns)});
    ASSERT_TRUE(o.written()) << o.message;
    const std::string netlist = "buck 48 V to 12 V, 100 kHz\n" + o.text +
                                "Vin in 0 48\n"
                                "Vg g 0 pulse(0 1 0 10n 10n 2.49u 10u)\n"
                                "S1 in sw g 0 switch\n"
                                "D1 0 sw diode\n"
                                "Vil sw xl 0\n"
                                "X1 xl out " + o.name + "\n"
                                "C1 out 0 100u\n"
                                "Rload out 0 1.2\n"
                                ".model switch sw(vt=0.5 vh=0 ron=1m roff=1meg)\n"
                                ".model diode d(is=1e-9 n=0.05 rs=1m)\n"
                                ".ic v(out)=12\n"
                                ".control\ntran 10n 1.5m 0 10n uic\n"
                                "meas tran ipp pp i(vil) from=1.4m to=1.5m\n"
                                "meas tran iavg avg i(vil) from=1.4m to=1.5m\n"
                                "quit\n.endc\n.end\n";
    const auto values = runNgspice(netlist, "buck.cir");
    ASSERT_TRUE(values.contains("ipp") && values.contains("iavg"));
    EXPECT_NEAR(values.at("ipp"), ripple, 0.02 * ripple);
    EXPECT_NEAR(values.at("iavg"), 10.0, 0.015 * 10.0);
    std::printf("%s %d turns: ripple %.4f A against %.4f A (%+.2f %%), average %.4f A\n", core.PartNo.c_str(),
                turns, values.at("ipp"), ripple, (values.at("ipp") / ripple - 1.0) * 100.0, values.at("iavg"));
}

}  // namespace
}  // namespace zova
