#pragma once

#include <QString>

class QWidget;

namespace zova::ui {

// Opens a web address with the desktop's default handler. Nothing is reported,
// whether or not a browser opens; the owner window is left as it is.
void OpenUrl(QWidget* owner, const QString& address);

// Opens the help file "DARODUDU.HLP" beside the program with the desktop's
// default handler when it exists; without it, nothing happens and nothing is shown.
void ShowHelpContents(QWidget* owner);

// Where ShowHelpContents looks for the help file.
QString HelpFilePath();

}  // namespace zova::ui
