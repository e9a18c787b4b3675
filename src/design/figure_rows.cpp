#include "design/figure_rows.h"

#include <numeric>
#include <optional>

#include "text/number_text.h"

namespace zova {
namespace {

constexpr const char* kUndefined = "—";

std::string fixed(double v, int decimals) { return text::FormatFixed(v, decimals); }

std::string fixed(const std::optional<double>& v, int decimals, double scale = 1.0) {
    return v ? text::FormatFixed(*v * scale, decimals) : kUndefined;
}

std::string whole(const std::optional<int>& v) { return v ? std::to_string(*v) : kUndefined; }

// A nominal size as the standard prints it: 1.32, 0.071, 2.5.
std::string nominal(const std::optional<double>& v) {
    return v ? text::ShortestText(*v) : kUndefined;
}

std::string perLayer(const std::vector<int>& turns) {
    std::string s;
    for (const int t : turns) s += (s.empty() ? "" : " / ") + std::to_string(t);
    return s.empty() ? kUndefined : s;
}

}  // namespace

std::vector<FigureRow> FigureRows(const DesignFigures& f) {
    return {
        {"电感量 (μH)", fixed(f.inductance, 3)},
        {"零偏置电感量 (μH)", fixed(f.inductanceZeroBias, 3)},
        {"磁场强度 (Oe)", fixed(f.fieldStrength, 2)},
        {"磁场强度 (A/m)", fixed(f.ampereTurnsPerMetre, 0)},
        {"磁导率保持 (%)", fixed(f.percentPermeability, 2)},
        {"储能 (μJ)", fixed(f.energy, 1)},
        {"裸线径 (mm)", fixed(f.bareDiameter, 3)},
        {"漆包线外径 (mm)", fixed(f.overallDiameter, 3)},
        {"推荐标准线径 IEC 60317 (mm)", nominal(f.standardWire)},
        {"AWG", whole(f.awg)},
        {"窗口占用率 (%)", fixed(f.windowFill * 100.0, 1)},
        {"窗口占用率不超过 55%", f.fitsWindow ? "是" : "否"},
        {"绕线层数", whole(f.layers)},
        {"每层圈数", perLayer(f.turnsPerLayer)},
        {"平均匝长 第一层 (mm)", fixed(f.meanTurnLength, 2)},
        {"线长 (m)", fixed(f.wireLength, 3)},
        {"直流电阻 20 °C (mΩ)", fixed(f.resistance20, 2, 1000.0)},
        {"直流电阻 100 °C (mΩ)", fixed(f.resistance100, 2, 1000.0)},
        {"铜损 20 °C (W)", fixed(f.copperLoss20, 3)},
        {"铜损 100 °C (W)", fixed(f.copperLoss100, 3)},
        {"温升估算 (K)", fixed(f.temperatureRise, 1)},
        {"绕后外径 (mm)", fixed(f.woundOD, 2)},
        {"绕后内径 (mm)", fixed(f.woundID, 2)},
        {"绕后高度 (mm)", fixed(f.woundHeight, 2)},
        {"表面积 (cm²)", fixed(f.surfaceArea, 2)},
        {"绕后体积 (cm³)", fixed(f.woundVolume, 2)},
    };
}

std::string WindingWarning(const DesignFigures& f, int turns) {
    if (!f.windingFits) {
        const int placed = std::accumulate(f.turnsPerLayer.begin(), f.turnsPerLayer.end(), 0);
        return "绕组放不下：用这个线径，磁芯内孔只能排下 " + std::to_string(placed) + " 圈，少于 " +
               std::to_string(turns) + " 圈。请减少圈数、换更大的磁芯或用多股线。";
    }
    if (!f.fitsWindow)
        return "窗口占用率 " + fixed(f.windowFill * 100.0, 1) + "% 超过选型规则允许的 55%，绕制困难。";
    return {};
}

}  // namespace zova
