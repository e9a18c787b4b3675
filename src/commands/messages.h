#pragma once

#include <array>
#include <string_view>

#include "language/texts.h"

// Texts the commands show the user are phrases of the area "messages"
// (language/texts/messages.def), said in the current language, so that the
// windows, the tool, the page and the module say exactly the same thing.
namespace zova::messages {

// The captions of a result line's six columns, left to right: the window's list
// and the tool's CSV header.
inline std::array<std::string_view, 6> ResultColumnCaptions(Language language = CurrentLanguage()) {
    namespace m = texts::messages;
    return {Say(m::columnCore, language),          Say(m::columnOuterDiameter, language),
            Say(m::columnInnerDiameter, language), Say(m::columnHeight, language),
            Say(m::columnTurns, language),         Say(m::columnWire, language)};
}

}  // namespace zova::messages
