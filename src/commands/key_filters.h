#pragma once

namespace zova {

// Keystroke filters of the number boxes. Given the character code a key press
// would type, they return it when it may be typed and 0 to cancel it.
// Integer boxes take digits and Backspace; decimal boxes also take the point
// (any number of them: the command validates the text whatever it holds).
constexpr int IntegerKeyFilter(int keyAscii) {
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8 ? keyAscii : 0;
}

constexpr int DecimalKeyFilter(int keyAscii) {
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '.' || keyAscii == 8 ? keyAscii : 0;
}

}  // namespace zova
