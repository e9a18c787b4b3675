#pragma once

#include <array>
#include <string_view>

// Texts the commands show the user, kept together so the windows and the
// command-line tool say exactly the same thing.
namespace zova::messages {

inline constexpr std::string_view kAppTitle = "ZOVAMagnetic";
inline constexpr std::string_view kOutOfRange = "超出计算范围，请您调整计算参数。";
inline constexpr std::string_view kErrorCaption = "错误提示";

// Inductance calculator, in the order its checks run.
inline constexpr std::string_view kSelectCore = "对不起，请选择磁芯料号！";
inline constexpr std::string_view kEnterTurns = "对不起，请输入绕线圈数！";
inline constexpr std::string_view kTurnsNotNumeric = "对不起，绕线圈数必须为数字！";
inline constexpr std::string_view kEnterCurrent = "对不起，请输入电流！";
inline constexpr std::string_view kCurrentNotNumeric = "对不起，电流大小为数字！";
inline constexpr std::string_view kResultPrefix = "电感量为：";
inline constexpr std::string_view kResultUnit = "μH";

// Core selection, in the order its checks run.
inline constexpr std::string_view kCurrentNotPositive = "对不起，请输入电流大小！";
inline constexpr std::string_view kEnterInductance = "对不起，请输入电感量的大小！";
inline constexpr std::string_view kInductanceNotNumeric = "对不起，电感量大小为数字，请重新输入！";
inline constexpr std::string_view kInductanceNotPositive = "对不起，请输入电感量大小！";
inline constexpr std::string_view kNoCoreFound =
    "没有计算出能到达您的感量的磁芯，请考虑增加磁芯或减少电感量，如果有疑问请联系我们。";
inline constexpr std::string_view kStrandedWire = " 建议多股线";
// The captions of a result line's six columns, left to right: the window's list
// and the tool's CSV header.
inline constexpr std::array<std::string_view, 6> kResultColumnCaptions = {
    "可选磁芯", "磁芯外径(mm)", "磁芯内径(mm)", "磁芯高度(mm)", "绕线圈数", "线径(mm)"};

// Design figures: after the calculator's checks, what a winding needs.
inline constexpr std::string_view kDesignTurnsBelowOne = "对不起，绕线圈数至少为1！";
inline constexpr std::string_view kDesignCurrentNotPositive = "对不起，电流必须大于0！";
inline constexpr std::string_view kDesignStackBelowOne = "对不起，磁芯个数至少为1！";

// Switching operation of a design, after the winding's checks.
inline constexpr std::string_view kFrequencyNotNumeric = "对不起，开关频率必须为数字！";
inline constexpr std::string_view kRippleNeedsFrequency = "对不起，给出纹波电流时请同时给出开关频率！";
inline constexpr std::string_view kRippleNotNumeric = "对不起，纹波电流必须为数字！";
inline constexpr std::string_view kRippleNegative = "对不起，纹波电流不能为负数！";
inline constexpr std::string_view kCoefficientsInvalid = "对不起，损耗系数须为以逗号分隔的三个正数 a,b,c！";

// The converter, in the order its checks run.
inline constexpr std::string_view kTopologyUnknown = "对不起，拓扑须为 buck（降压）、boost（升压）或 buck-boost（升降压）！";
inline constexpr std::string_view kVinNotPositive = "对不起，输入电压必须为大于0的数字！";
inline constexpr std::string_view kVoutNotPositive = "对不起，输出电压必须为大于0的数字！";
inline constexpr std::string_view kIoutNotPositive = "对不起，输出电流必须为大于0的数字！";
inline constexpr std::string_view kBuckNeedsLowerVout = "对不起，降压变换器的输出电压必须低于输入电压！";
inline constexpr std::string_view kBoostNeedsHigherVout = "对不起，升压变换器的输出电压必须高于输入电压！";
inline constexpr std::string_view kRippleRatioOrInductance = "对不起，纹波率和电感量只能给出其一！";
inline constexpr std::string_view kRippleRatioOutOfRange = "对不起，纹波率必须大于0且不超过2（电流连续）！";
inline constexpr std::string_view kConverterInductanceNotPositive = "对不起，电感量必须为大于0的数字！";

// Design workbench: its own reading of the typed texts (workbench_inputs.h);
// the refusals of the numbers are made from the box's name and the reason.
inline constexpr std::string_view kWorkbenchChooseCore = "请选择磁芯料号。";
inline constexpr std::string_view kWorkbenchUnknownCore = "目录中没有这个磁芯料号，请从列表中选择。";

}  // namespace zova::messages
