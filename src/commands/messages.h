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

// A design's boxes (input_rules.h words the refusals of their numbers).
inline constexpr std::string_view kChooseCore = "请选择磁芯料号。";
inline constexpr std::string_view kRippleNeedsFrequency = "给出纹波电流时请同时给出开关频率。";
inline constexpr std::string_view kCoefficientsInvalid = "损耗系数须为以逗号分隔的三个正数 a,b,c。";

// The converter's checks between its boxes, in the order they run.
inline constexpr std::string_view kTopologyUnknown = "拓扑须为 buck（降压）、boost（升压）或 buck-boost（升降压）。";
inline constexpr std::string_view kBuckNeedsLowerVout = "降压变换器的输出电压必须低于输入电压。";
inline constexpr std::string_view kBoostNeedsHigherVout = "升压变换器的输出电压必须高于输入电压。";
inline constexpr std::string_view kRippleRatioOrInductance = "纹波率和电感量只能给出其一。";

}  // namespace zova::messages
