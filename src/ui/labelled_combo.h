#pragma once

class QComboBox;

namespace zova::ui {

// Makes screen readers name the combo box by its accessible name (its label)
// also while it holds a value. On Linux Qt's own combo box gives its text as
// its name, so "磁芯料号" is read as "KTA092060"; the value stays its value.
// Call while the window is made, before a screen reader has asked about it.
void NameByLabel(QComboBox* combo);

}  // namespace zova::ui
