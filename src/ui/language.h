#pragma once

class QLabel;
class QWidget;

namespace zova::ui {

// The language of the windows' own texts. Chinese is the texts as written;
// English comes from the translation built into the program. The library's
// texts (messages, figure names, results) stay Chinese in both.
enum class Language { Chinese, English };

// The language kept in the program's settings (key "language": "zh" or "en");
// Chinese when none or another is kept.
Language SavedLanguage();
void SaveLanguage(Language language);

// Installs the translators for `language` (the windows' texts and Qt's own
// dialog texts) and removes those of the other. Every open window receives
// QEvent::LanguageChange and translates itself again.
void ApplyLanguage(Language language);
Language CurrentLanguage();

// English for a window laid out at fixed positions for Chinese: a label whose
// text would reach into the control beside it (or past its frame) wraps within
// the room it has, and grows downwards. In Chinese the labels keep one line as
// wide as their text. Positions never change.
void FitLabels(QWidget* form);

}  // namespace zova::ui
