#pragma once

#include <QObject>

namespace zova::ui {

// Applies a character filter (IntegerKeyFilter or DecimalKeyFilter) to the
// characters typed into a box. Keys that type nothing (Tab, arrows, Delete,
// Home, End) pass untouched; a typed character the filter refuses is swallowed,
// Enter and shortcut characters such as Ctrl+V included. Text pasted from the
// context menu is not typed and is not filtered; the commands validate it.
class KeyPressFilter : public QObject {
    Q_OBJECT
public:
    using CharFilter = int (*)(int keyAscii);
    KeyPressFilter(CharFilter filter, QObject* parent);

    // Installs a filter on `box` (for an editable combo box, also on its line edit).
    static void install(QObject* box, CharFilter filter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CharFilter filter_;
};

}  // namespace zova::ui
