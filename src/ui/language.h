#pragma once

#include "language/language.h"

class QLabel;
class QWidget;

namespace zova::ui {

// The program speaks one language: the windows' own texts (Chinese as
// written, English from the translation built into the program) and the
// library's (messages, figure names, results) follow zova::Language together.

// The language kept in the program's settings (key "language": "zh" or "en");
// Chinese when none or another is kept.
Language SavedLanguage();
void SaveLanguage(Language language);

// Sets the library's language and installs the translators for `language`
// (the windows' texts and Qt's own dialog texts), removing those of the
// other. Every open window receives QEvent::LanguageChange and says its own
// texts and the library's again; the library's language is set first, so
// what a window asks of the library then is said in the new language.
void ApplyLanguage(Language language);

// English for a window laid out at fixed positions for Chinese: a label whose
// text would reach into the control beside it (or past its frame) wraps within
// the room it has, and grows downwards. In Chinese the labels keep one line as
// wide as their text. Positions never change.
void FitLabels(QWidget* form);

}  // namespace zova::ui
