#include "support/spice_tables.h"

#include <charconv>
#include <stdexcept>

#include "engine/formulas.h"

namespace zova::test {

double DesignInductance(const CoreRecord& core, std::int16_t turns, std::int16_t stack, double current) {
    return static_cast<double>(StackedInductance(InductanceAt(turns, core, static_cast<float>(current)), stack)) *
           1e-6;
}

std::vector<TablePoint> TableOf(std::string_view text, std::string_view marker) {
    std::vector<TablePoint> out;
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos) return out;
    const char* p = text.data() + at + marker.size();
    const char* end = text.data() + text.size();
    double pair[2];
    int n = 0;
    while (p < end && *p != ')') {
        if (*p == ' ' || *p == '\n' || *p == '+' || *p == ',') {
            ++p;
            continue;
        }
        const auto [next, error] = std::from_chars(p, end, pair[n]);
        if (error != std::errc()) throw std::runtime_error("not a number at: " + std::string(p, 20));
        p = next;
        if (++n == 2) out.push_back({pair[0], pair[1]}), n = 0;
    }
    return out;
}

double Interpolated(const std::vector<TablePoint>& t, double x) {
    std::size_t k = 1;
    while (k + 1 < t.size() && x > t[k].current) ++k;
    const TablePoint &a = t[k - 1], &b = t[k];
    return a.value + (b.value - a.value) * (x - a.current) / (b.current - a.current);
}

double Slope(const std::vector<TablePoint>& t, double x) {
    std::size_t k = 1;
    while (k + 1 < t.size() && x >= t[k].current) ++k;
    return (t[k].value - t[k - 1].value) / (t[k].current - t[k - 1].current);
}

}  // namespace zova::test
