#include "presentation/figure_meanings.h"

#include <string>
#include <utility>
#include <vector>

#include "commands/rule_texts.h"
#include "design/design_figures.h"
#include "engine/formulas.h"
#include "text/number_text.h"

namespace zova {
namespace {

using Meanings = std::vector<std::pair<std::string_view, std::string>>;

// The numbers a rule is made of come from the rule's own constant, so the help
// cannot drift from what is computed.
Meanings makeMeanings() {
    const std::string density = text::GeneralForm(kCurrentDensity) + " A/mm²";
    const std::string fill = messages::WindowFillLimitText();
    const std::string rise = "ΔT = (损耗 mW ÷ 绕后表面积 cm²)^0.833，环形电感在静止空气中自然冷却的经验式"
                             "（Amidon 及 Magnetics 粉芯目录）";
    return {
        {"inductance", "直流电流下的电感量：圈数² × AL × 该磁场下的磁导率保持率（取自厂家直流偏置曲线），"
                       "多个磁芯叠用时乘以磁芯个数。"},
        {"inductanceZeroBias", "电流为 0 时的电感量：圈数² × AL，即保持全部初始磁导率，乘以磁芯个数。"},
        {"fieldStrength", "直流电流产生的磁场强度 H = 0.4π × 圈数 × 电流 ÷ 有效磁路长度 le (cm)。"},
        {"ampereTurnsPerMetre", "同一磁场强度的国际单位值：圈数 × 电流 ÷ 有效磁路长度 (m)。"},
        {"percentPermeability", "该磁场下剩余的初始磁导率百分比，由厂家直流偏置曲线线性插值得到；没有偏置曲线的磁芯为 0。"},
        {"energy", "电感储存的能量 ½ L I²，L 为直流电流下的电感量。"},
        {"bareDiameter", "按电流密度 " + density + " 由直流电流选取的单根圆铜线的裸线直径。"},
        {"overallDiameter", "含漆膜的导线外径：裸线直径 × 1.045 + 0.007 mm；窗口占用率和排绕都按它计算。"},
        {"standardWire", "不细于裸线直径的最近 IEC 60317 R20 标称线径（0.050–5.00 mm），更粗时为“—”。"},
        {"awg", "不细于裸线直径的最细 AWG 线号（0–40），更粗时为“—”。"},
        {"windowFill", "圈数 × 导线外径² ÷ 涂层后内径²：导线截面占内孔方形面积的比例。"},
        {"fitsWindow", "选型的窗口检查：窗口占用率低于 " + fill + "，其余留给绕线梭和绕线操作。"},
        {"turnsPerLayer", "导线紧贴内孔逐层排绕时各层的圈数：第 j 层导线中心在半径 ID/2 − (j − ½) d 的圆上，"
                          "可排 ⌊π ÷ asin(d ÷ 2R)⌋ 圈。"},
        {"layers", "排下全部圈数所用的层数；放不下时为“—”。"},
        {"windingFits", "全部圈数能否按层排进内孔；放不下时绕线相关的数据不给出。"},
        {"meanTurnLength", "第一层一匝的长度：(OD − ID) + 2 × 叠高 + π d，d 为导线外径。"},
        {"wireLength", "各层匝长乘以该层圈数之和，不计引线。"},
        {"resistance20", "退火铜（IEC 60028，20 °C 电阻率 0.017241 Ω·mm²/m）导线在 20 °C 的直流电阻。"},
        {"resistance100", "同一导线在 100 °C 的直流电阻（温度系数 0.00393/K）。"},
        {"copperLoss20", "直流电流在 20 °C 直流电阻上的损耗 I² R。"},
        {"copperLoss100", "直流电流在 100 °C 直流电阻上的损耗 I² R，按工作温度计的铜损。"},
        {"woundOD", "绕后外径：涂层后外径加上 2 × 层数 × 导线外径。"},
        {"woundID", "绕后内径：涂层后内径减去 2 × 层数 × 导线外径，不小于 0。"},
        {"woundHeight", "绕后高度：磁芯（叠）高度加上 2 × 层数 × 导线外径。"},
        {"surfaceArea", "绕后的外表面积：外圆、内孔和两个端面，温升按它估算。"},
        {"temperatureRise", "只计 100 °C 直流铜损的温升：" + rise + "。"},
        {"woundVolume", "包住绕后电感的圆柱体积：π ÷ 4 × 绕后外径² × 绕后高度。"},
        {"rolloff", "电感量随直流电流变化的曲线：从 0 到两倍电流均匀取的 51 个点。"},
        {"ripple", "纹波电流峰峰值：输入的纹波，或由变换器的伏秒积除以本设计的电感量得到。"},
        {"peakCurrent", "峰值电流 = 直流电流 + 纹波 ÷ 2。"},
        {"inductanceAtPeak", "峰值电流下的电感量，按偏置曲线计算；磁通密度按它计。"},
        {"crossSection", "单个磁芯的有效截面积，由电感系数反推：Ae = AL × le ÷ (4π × μi)，与厂家公布值相差在几个百分点以内。"},
        {"coreVolume", "磁芯体积 Ve = Ae × le × 磁芯个数。"},
        {"fluxSwing", "纹波引起的磁通密度峰峰值 ΔB = L × ΔI ÷ (圈数 × 磁芯个数 × Ae)。"},
        {"peakFluxDensity", "峰值电流下的磁通密度 B = 10⁻⁴ × μi × ∫ 磁导率保持率 ÷ 100 dH（H 以 Oe 计，"
                            "从 0 积到峰值电流的磁场强度，沿厂家直流偏置曲线的折线），与叠用磁芯个数无关；"
                            "没有偏置曲线的磁芯为“—”。"},
        {"saturationFluxDensity", "磁芯材料（按系列）公布的饱和磁通密度。"},
        {"fluxDensityRatio", "峰值磁通密度 ÷ 饱和磁通密度：越接近 1，磁芯越接近饱和。"},
        {"percentPermeabilityAtPeak", "峰值电流的磁场强度下剩余的初始磁导率百分比，取自直流偏置曲线；无纹波时等于磁导率保持。"},
        {"inductanceMin", "AL 取公差下限时的电感量：电感量 × (1 − " + text::ShortestText(kAlTolerance) + " ÷ 100)。"},
        {"rippleMax", "变换器的伏秒积除以最小电感量：AL 在公差下限时的纹波电流峰峰值；没有伏秒积时为“—”。"},
        {"coreLossDensity", "Steinmetz 式 P = a × (ΔB/2)^b × f^c（B 以 T、f 以 kHz 计）；系数为正弦波下的拟合，"
                            "按同一峰值磁通密度用于三角波纹波。"},
        {"coreLoss", "磁芯损耗密度 × 磁芯体积 Ve。"},
        {"skinDepth", "铜在 100 °C、开关频率下的集肤深度 δ = √(ρ ÷ (π f μ0))。"},
        {"acResistanceFactor", "交流电阻与直流电阻之比 F_R，按 Dowell 一维模型（圆线按等面积方线）和层数计算。"},
        {"acCopperLoss", "纹波电流有效值 ΔI ÷ √12 在 F_R × 100 °C 直流电阻上的损耗。"},
        {"totalLoss", "100 °C 直流铜损 + 交流铜损 + 磁芯损耗。"},
        {"temperatureRiseTotal", "按总损耗估算的温升：" + rise + "；强制风冷或灌封会降低温升。"},
        {"coreLossModel", "磁芯损耗所用的系数：材料在已发表磁导率下的拟合（本磁芯的磁导率没有时取最接近的），"
                          "或输入的 a、b、c。"},
    };
}

}  // namespace

std::string_view FigureMeaning(std::string_view key) {
    static const Meanings meanings = makeMeanings();
    for (const auto& [k, text] : meanings)
        if (k == key) return text;
    return {};
}

}  // namespace zova
