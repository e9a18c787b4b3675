#pragma once

#include <string_view>

#include "language/texts.h"

// The maker's addresses and contact lines, in one place. The domain is a
// reserved example domain and the contact lines are placeholders until the
// maker supplies its own.
namespace zova::maker {

// The link labels show the whole address, as the About box does: it is kept
// short enough for the part-number frames.
inline constexpr std::string_view kHomePage = "https://zova.example/";
inline constexpr std::string_view kSampleRequestPath = "/cn/request-sample.asp";
inline constexpr std::string_view kSampleRequestPage = "https://zova.example/cn/request-sample.asp";

inline constexpr std::string_view kTelephones = "0000-00000000 0000-00000001";
inline constexpr std::string_view kSalesEmail = "sales@zova.example";
// The warning under every result: texts::messages::disclaimer.
inline constexpr const Phrase& kDisclaimer = texts::messages::disclaimer;

}  // namespace zova::maker
