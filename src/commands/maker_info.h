#pragma once

#include <string_view>

// The maker's addresses and contact lines, in one place. The domain is a
// reserved example domain and the contact lines are placeholders until the
// maker supplies its own.
namespace zova::maker {

inline constexpr std::string_view kHomePage = "https://www.zova-magnetics.example/";
// The home page as the link labels show it: the site's name without "www.",
// since the part-number frames have no room for the whole address.
inline constexpr std::string_view kHomePageShown = "zova-magnetics.example";
inline constexpr std::string_view kSampleRequestPath = "/cn/request-sample.asp";
inline constexpr std::string_view kSampleRequestPage = "https://www.zova-magnetics.example/cn/request-sample.asp";

inline constexpr std::string_view kTelephones = "0000-00000000 0000-00000001";
inline constexpr std::string_view kSalesEmail = "sales@zova-magnetics.example";
inline constexpr std::string_view kDisclaimer =
    "警告：本工具的计算结果仅供设计参考，实际电感量请以样品实测为准。";

inline constexpr std::string_view kHelpFileName = "DARODUDU.HLP";

}  // namespace zova::maker
