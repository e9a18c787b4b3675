#include "documents/spice_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "catalogue/catalogue.h"
#include "commands/messages.h"
#include "documents/program_version.h"
#include "engine/arithmetic_error.h"
#include "engine/bias_curves.h"
#include "engine/fp_check.h"
#include "engine/formulas.h"
#include "language/texts.h"
#include "text/number_text.h"

// The inductance a simulator should see is the incremental one, v = L(i)·di/dt:
// the maker's DC-bias curve is measured as the small-signal inductance under a
// DC bias. ngspice's behavioural inductor takes that L(i) itself (manual,
// "Inductors, dependent on expressions"); LTspice's arbitrary inductor takes
// the flux linkage Φ(i), whose slope is L(i).
namespace zova {
namespace {

using detail::checked;

constexpr double kMicro = 1e-6;
// The flux table reaches this many times the top current, with the top's
// inductance, so that a simulator's behaviour past a table's end (LTspice's
// table() is not documented to extend its last segment) never matters in use.
constexpr double kFluxReach = 100.0;
// The uniform currents checked beside the curve's own points: a guard against
// bends the points alone would miss.
constexpr int kGuardCurrents = 400;

// The design's inductance of the stack at a current, H: the library's one path.
double toolInductance(const CoreRecord& core, std::int16_t turns, std::int16_t stack, float current) {
    return static_cast<double>(StackedInductance(InductanceAt(turns, core, current), stack)) * kMicro;
}

double interpolated(const TablePoint& a, const TablePoint& b, double x) {
    if (b.current == a.current) return a.value;
    return a.value + (b.value - a.value) * (x - a.current) / (b.current - a.current);
}

// The least float current whose field reaches the curve's top field.
float topCurrentFloat(const CoreRecord& core, std::int16_t turns) {
    float top = static_cast<float>(TopFieldCurrent(core, turns));
    while (FieldStrength(turns, top, core) < kCurveTopField)
        top = std::nextafter(top, std::numeric_limits<float>::infinity());
    while (top > 0.0f) {
        const float below = std::nextafter(top, 0.0f);
        if (FieldStrength(turns, below, core) < kCurveTopField) break;
        top = below;
    }
    return top;
}

// Douglas–Peucker refinement: keep the candidate farthest (relatively) from the
// chord of each segment until every candidate lies within the tolerance.
std::vector<TablePoint> refined(const std::vector<TablePoint>& candidates, double tolerance) {
    std::vector<bool> keep(candidates.size(), false);
    keep.front() = keep.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> open{{0, candidates.size() - 1}};
    while (!open.empty()) {
        const auto [a, b] = open.back();
        open.pop_back();
        double worst = tolerance;
        std::size_t at = 0;
        for (std::size_t k = a + 1; k < b; ++k) {
            const double v = candidates[k].value;
            const double error = std::abs(interpolated(candidates[a], candidates[b], candidates[k].current) - v) / v;
            if (error > worst) worst = error, at = k;
        }
        if (at == 0) continue;
        keep[at] = true;
        open.push_back({a, at});
        open.push_back({at, b});
    }
    std::vector<TablePoint> out;
    for (std::size_t k = 0; k < candidates.size(); ++k)
        if (keep[k]) out.push_back(candidates[k]);
    return out;
}

// The design's L(I) at every current where it may bend, from 0 A to the top
// current: between neighbours it is linear (the curve is interpolated
// linearly in the field, and the field is proportional to the current), so
// these points are the design's inductance exactly.
std::vector<TablePoint> exactCurve(const CoreRecord& core, std::int16_t turns, std::int16_t stack) {
    const BiasCurve* curve = CurveOf(core);
    if (curve == nullptr) throw ArithmeticError("no bias curve");
    const float top = topCurrentFloat(core, turns);
    const double perOersted = TopFieldCurrent(core, turns) / static_cast<double>(kCurveTopField);

    // The curve's points, and the floats beside them, where a point out of
    // order makes L jump; a uniform guard grid besides.
    std::vector<float> currents;
    float lowest = top;
    constexpr float kUp = std::numeric_limits<float>::infinity();
    for (const float h : curve->h) {
        if (h >= kCurveTopField) continue;
        // The lookup treats a field below, at and above a point apart, and
        // several float currents may round to the point's field: take the
        // last below, the first and last at, and the first above it.
        const float i = static_cast<float>(h * perOersted);
        float below = i, above = i;
        while (below > 0.0f && FieldStrength(turns, below, core) >= h) below = std::nextafter(below, 0.0f);
        while (FieldStrength(turns, above, core) <= h) above = std::nextafter(above, kUp);
        currents.insert(currents.end(), {below, std::nextafter(below, kUp), std::nextafter(above, 0.0f), above});
        lowest = std::min(lowest, i);
    }
    // Just above 0 A the curve's own value holds, not the zero-bias one.
    const float first = lowest / 1000.0f;
    for (int k = 0; k <= kGuardCurrents; ++k)
        currents.push_back(first + (top - first) * static_cast<float>(k) / kGuardCurrents);
    currents.push_back(first);
    currents.push_back(top);
    std::erase_if(currents, [&](float i) { return i < first || i > top; });
    std::sort(currents.begin(), currents.end());
    currents.erase(std::unique(currents.begin(), currents.end()), currents.end());

    std::vector<TablePoint> points{{0.0, toolInductance(core, turns, stack, 0.0f)}};
    for (const float i : currents) points.push_back({i, toolInductance(core, turns, stack, i)});
    for (const TablePoint& p : points) checked(p.value, "inductance table");
    return points;
}

// The exact curve with each step cut into pieces over which L changes by at
// most `tolerance` of its smaller end: no chord of the flux spans a jump.
std::vector<TablePoint> finelyCut(const std::vector<TablePoint>& l, double tolerance) {
    std::vector<TablePoint> out{l.front()};
    for (std::size_t k = 1; k < l.size(); ++k) {
        const TablePoint &a = l[k - 1], &b = l[k];
        const double change = std::abs(b.value - a.value) / std::min(a.value, b.value);
        const int pieces = static_cast<int>(std::ceil(change / tolerance));
        for (int j = 1; j < pieces; ++j)
            out.push_back({a.current + (b.current - a.current) * j / pieces, a.value + (b.value - a.value) * j / pieces});
        out.push_back(b);
    }
    return out;
}

std::string num(double v) { return text::ShortestText(v); }
// The table's currents are the design's own single-precision currents, its
// inductances the design's single-precision microhenries: written as they are.
std::string amperes(double i) { return text::ShortestText(static_cast<float>(i)); }
std::string henries(double l) { return text::ShortestText(static_cast<float>(l / kMicro)) + "e-6"; }
// The flux table's points are computed in double; ten digits keep every
// slope far inside its tolerance.
std::string tenDigits(double v) { return text::SignificantText(v, 10); }

std::string subcircuitName(const std::string& partNo, std::int16_t turns, std::int16_t stack) {
    std::string name = partNo;
    name.append("_").append(std::to_string(turns)).append("T");
    if (stack > 1) name.append("_").append(std::to_string(stack)).append("S");
    return name;
}

// Pairs "x,y" joined by commas, a few to a continuation line.
template <typename X, typename Y>
std::string pairLines(const std::vector<TablePoint>& points, X xText, Y yText) {
    std::string out;
    for (std::size_t k = 0; k < points.size(); ++k) {
        out += k % 4 == 0 ? "\n+ " : " ";
        out += xText(points[k].current);
        out += ',';
        out += yText(points[k].value);
        if (k + 1 < points.size()) out += ",";
    }
    return out;
}

struct Losses {
    double seriesResistance = 0.0;          // Ω
    std::optional<double> parallelResistance;  // Ω
    double current = 0.0, frequency = 0.0, ripple = 0.0, coreLoss = 0.0, terminalRms = 0.0;
};

std::string header(const DesignOutcome& d, const std::string& name, const std::vector<TablePoint>& table,
                   SpiceDialect dialect, const std::optional<Losses>& losses) {
    const std::string_view series = SeriesCodeOf(d.partNo), perm = PermCodeOf(d.partNo);
    const TablePoint& top = table[table.size() - 2];
    std::string h;
    h += "* " + name + ": " + std::to_string(d.turns) + " turns on " + d.partNo + ", " +
         (d.stackSize == 1 ? std::string("one core") : "a stack of " + std::to_string(d.stackSize) + " cores") +
         "\n";
    h += "* Written by " + std::string(ProgramNameAndVersion()) + " for " +
         (dialect == SpiceDialect::Ngspice ? "ngspice" : "LTspice") + ". Pins: 1 2.\n";
    h += "* Inductance against DC current from the maker's DC-bias curve (" + std::string(series) + " " +
         std::string(perm) + ")\n* via this program's inductance formula: N^2 x AL x the permeability left at "
         "the field of N x I, times the stack.\n";
    h += "* Valid from 0 A to " + amperes(top.current) + " A, where the field reaches the curve's top field (" +
         text::GeneralForm(kCurveTopField) + " Oe);\n* beyond it the inductance stays " + henries(top.value) +
         " H, the top point's value.\n";
    h += "* 0 A takes the full initial permeability (" + henries(table[0].value) + " H), as the program does; from " +
         amperes(table[1].current) + " A on,\n* linear interpolation in the table is within " +
         text::GeneralForm(static_cast<float>(kTableTolerance * 100.0)) + " % of the program's inductance.\n";
    if (dialect == SpiceDialect::LTspice)
        h += "* Flux= takes the flux linkage (V s), the integral of L(I) from 0 A; its slope is within " +
             text::GeneralForm(static_cast<float>(kFluxTolerance * 100.0)) +
             " % of the program's inductance.\n";
    if (losses) {
        h += "* Rdc: the winding's DC resistance at 100 C, " + text::SignificantText(losses->seriesResistance, 6) + " ohm (wire sized for " +
             amperes(losses->current) + " A).\n";
        if (losses->parallelResistance)
            h += "* Rcore: dissipates the core loss " + text::SignificantText(losses->coreLoss, 6) + " W at " + num(losses->frequency) +
                 " kHz, " + num(losses->ripple) + " A peak to peak on " + amperes(losses->current) +
                 " A DC, and only there:\n* R = Vrms^2 / P, Vrms = " + text::SignificantText(losses->terminalRms, 6) +
                 " V of the square wave a symmetric triangular ripple puts across the winding.\n";
    }
    return h;
}

// The winding's resistance in series from pin 1 to node 4, the core's in
// parallel from node 4 to pin 2.
std::string lossLines(const std::optional<Losses>& losses) {
    std::string out;
    if (!losses) return out;
    out.append("Rdc 1 4 ").append(num(losses->seriesResistance)).append("\n");
    if (losses->parallelResistance) out.append("Rcore 4 2 ").append(num(*losses->parallelResistance)).append("\n");
    return out;
}

std::string ngspiceBody(const std::string& name, const std::vector<TablePoint>& table,
                        const std::optional<Losses>& losses) {
    std::string b = ".subckt " + name + " 1 2\n";
    const std::string in = losses ? "4" : "1";
    b += lossLines(losses);
    // The current is sensed by a 0 V source: a behavioural inductor's
    // expression reads branch currents of voltage sources only.
    b += "Vsense " + in + " 3 0\n";
    b += "Lbias 3 2 L='pwl(abs(i(Vsense)),";
    b += pairLines(table, amperes, henries);
    b += ")'\n.ends " + name + "\n";
    return b;
}

std::string ltspiceBody(const std::string& name, const std::vector<TablePoint>& flux,
                        const std::optional<Losses>& losses) {
    std::vector<TablePoint> odd;
    for (auto it = flux.rbegin(); it != flux.rend(); ++it)
        if (it->current > 0.0) odd.push_back({-it->current, -it->value});
    odd.insert(odd.end(), flux.begin(), flux.end());
    std::string b = ".subckt " + name + " 1 2\n";
    const std::string in = losses ? "4" : "1";
    b += lossLines(losses);
    b += "Lbias " + in + " 2 Flux={table(x,";
    b += pairLines(odd, tenDigits, tenDigits);
    b += ")}\n.ends " + name + "\n";
    return b;
}

SpiceOutcome refused(DesignEnd end, DesignBox box, std::string message) {
    SpiceOutcome out;
    out.end = end;
    out.box = box;
    out.message = std::move(message);
    return out;
}

}  // namespace

std::optional<SpiceDialect> SpiceDialectNamed(std::string_view name) {
    if (name == kSpiceDialectNames[0]) return SpiceDialect::Ngspice;
    if (name == kSpiceDialectNames[1]) return SpiceDialect::LTspice;
    return std::nullopt;
}

double TopFieldCurrent(const CoreRecord& core, std::int16_t turns) {
    // FieldStrength's inverse: H [Oe] = 0.4π N I / l [cm].
    return static_cast<double>(kCurveTopField) * static_cast<double>(core.PathLength) /
           (1.25664 * static_cast<double>(turns));
}

std::vector<TablePoint> InductanceTable(const CoreRecord& core, std::int16_t turns, std::int16_t stack) {
    const std::vector<TablePoint> exact = exactCurve(core, turns, stack);
    // 0 A stays apart: the zero-bias value is a step, not a bend.
    std::vector<TablePoint> table = refined({exact.begin() + 1, exact.end()}, kTableTolerance);
    table.insert(table.begin(), exact.front());
    table.push_back({2.0 * table.back().current, table.back().value});
    return table;
}

std::vector<TablePoint> FluxTable(const CoreRecord& core, std::int16_t turns, std::int16_t stack) {
    const std::vector<TablePoint> l = finelyCut(exactCurve(core, turns, stack), kFluxTolerance);
    // Φ at each point of l, its linear pieces integrated exactly.
    std::vector<double> phi(l.size(), 0.0);
    for (std::size_t k = 1; k < l.size(); ++k)
        phi[k] = phi[k - 1] + 0.5 * (l[k - 1].value + l[k].value) * (l[k].current - l[k - 1].current);
    // Each chord is taken as long as its slope stays within the tolerance of
    // L at every point of l it spans (L is linear between them, so nowhere
    // else can it stray further).
    std::vector<TablePoint> flux{{0.0, 0.0}};
    std::size_t from = 0;
    while (from + 1 < l.size()) {
        std::size_t to = from + 1;
        const auto fits = [&](std::size_t end) {
            const double slope = (phi[end] - phi[from]) / (l[end].current - l[from].current);
            for (std::size_t k = from; k <= end; ++k)
                if (std::abs(slope - l[k].value) > kFluxTolerance * l[k].value) return false;
            return true;
        };
        while (to + 1 < l.size() && fits(to + 1)) ++to;
        flux.push_back({l[to].current, phi[to]});
        from = to;
    }
    const TablePoint top = l.back();
    const double far = kFluxReach * top.current;
    flux.push_back({far, phi.back() + top.value * (far - top.current)});
    return flux;
}

SpiceOutcome SpiceModelOf(const DesignOutcome& d, SpiceDialect dialect, bool withLosses) {
    if (d.end != DesignEnd::Found) return refused(d.end, d.box, d.message);
    if (!d.biasCurve) return refused(DesignEnd::Validation, DesignBox::Core, std::string(Say(texts::documents::spiceNoBiasCurve)));
    const DesignFigures& f = *d.figures;
    std::optional<Losses> losses;
    if (withLosses) {
        if (!f.resistance100)
            return refused(DesignEnd::Validation, DesignBox::Turns, std::string(Say(texts::documents::spiceNoResistance)));
        losses.emplace();
        losses->seriesResistance = *f.resistance100;
        losses->current = d.current;
        if (d.options.ac && f.coreLoss && *f.coreLoss > 0.0 && f.ripple) {
            // A symmetric triangle of Δi at f puts ±λ·2f across the winding
            // (λ = L·Δi), a square wave whose rms is 2λf; another duty D gives
            // λf/√(D(1−D)), never less.
            const double lambda = static_cast<double>(f.inductance) * *f.ripple * kMicro;  // V·s
            const double hertz = d.options.ac->frequency * 1000.0;
            losses->frequency = d.options.ac->frequency;
            losses->ripple = *f.ripple;
            losses->coreLoss = *f.coreLoss;
            losses->terminalRms = 2.0 * lambda * hertz;
            losses->parallelResistance = losses->terminalRms * losses->terminalRms / *f.coreLoss;
        }
    }
    SpiceOutcome out;
    try {
        const CoreRecord core = FindCore(d.partNo);
        const std::vector<TablePoint> table = InductanceTable(core, d.turns, d.stackSize);
        out.name = subcircuitName(d.partNo, d.turns, d.stackSize);
        out.text = header(d, out.name, table, dialect, losses);
        out.text += dialect == SpiceDialect::Ngspice ? ngspiceBody(out.name, table, losses)
                                                     : ltspiceBody(out.name, FluxTable(core, d.turns, d.stackSize), losses);
        if (losses && losses->parallelResistance) checked(*losses->parallelResistance, "core loss resistance");
    } catch (const ArithmeticError&) {
        return refused(DesignEnd::OutOfRange, DesignBox::None, std::string(Say(texts::messages::outOfRange)));
    }
    return out;
}

SpiceOutcome SpiceModelAsTyped(const SpiceTexts& t) {
    // Without losses the model does not depend on the current; the design is
    // run at 1 A only so that its boxes are read and refused in its own words.
    const DesignOutcome d = t.withLosses ? DesignAsTyped(t.partNo, t.turns, t.current, t.stack, {t.frequency, t.ripple, ""})
                                         : DesignAsTyped(t.partNo, t.turns, "1", t.stack);
    return SpiceModelOf(d, t.dialect, t.withLosses);
}

}  // namespace zova
