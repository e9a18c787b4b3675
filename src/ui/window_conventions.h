#pragma once

class QWidget;

namespace zova::ui {

// What every window of the program does alike, applied to a window's controls
// once they exist:
// - Enter (Return or the keypad's Enter) on a focused push button presses it,
//   as Space does; no button becomes a default button.
// - Text boxes take a pasted text whole: Qt's default limit of 32,767
//   characters would cut it silently, and the command would judge another text.
void ApplyWindowConventions(QWidget* window);

}  // namespace zova::ui
