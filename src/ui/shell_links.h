#pragma once

#include <QString>

class QWidget;

namespace zova::ui {

// Opens a web address with the desktop's default handler. Nothing is reported,
// whether or not a browser opens; the owner window is left as it is.
void OpenUrl(QWidget* owner, const QString& address);

// Opens the help page (the web page's help.html) with the desktop's default
// handler when it exists; without it, nothing happens and nothing is shown.
void ShowHelpContents(QWidget* owner);

// Where ShowHelpContents looks for the help page: where the install rules put
// it (share/zovamagnetic/help/ beside the program's bin/), or else in the
// program's own folder, where the build copies it. In English it is
// help-en.html where that exists, else the Chinese help.html.
QString HelpFilePath();

}  // namespace zova::ui
