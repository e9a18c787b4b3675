#pragma once

#include <QString>

class QWidget;

namespace zova::ui {

// A modal message box with one OK button and no icon. Without a caption of its
// own it carries the application title.
void ShowMessage(QWidget* owner, const QString& text, const QString& caption = {});

}  // namespace zova::ui
