#include "ui/language.h"

#include <algorithm>

#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/line_break_label.h"
#include "ui/program_settings.h"

namespace zova::ui {
namespace {

const QString kLanguageKey = QStringLiteral("language");
constexpr char kWrappedForRoom[] = "zovaWrappedForRoom";
constexpr int kGap = 4;  // kept free before the control beside a label

// Lives as long as the program; the application removes nothing at its end.
QTranslator& WindowTexts() {
    static QTranslator* translator = new QTranslator;
    return *translator;
}
QTranslator& QtTexts() {
    static QTranslator* translator = new QTranslator;
    return *translator;
}

bool LoadQtTexts(const QLocale& locale) {
    return QtTexts().load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

// The x where the room of `label` ends: the nearest sibling starting to its
// right on the rows the label covers, else its frame's inner edge.
int RoomEnd(const QLabel* label, int height) {
    const QWidget* parent = label->parentWidget();
    int end = parent->contentsRect().right() + 1;
    const QRect rows(label->x() + 1, label->y(), parent->width(), height);
    for (const QObject* object : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(object);
        if (sibling == nullptr || sibling == label || sibling->isWindow() || !sibling->isVisibleTo(parent)) continue;
        if (sibling->x() > label->x() && sibling->geometry().intersects(rows)) end = std::min(end, sibling->x() - kGap);
    }
    return end;
}

}  // namespace

Language SavedLanguage() {
    const QString code = ProgramSettings()->value(kLanguageKey).toString();
    return LanguageNamed(code.toStdString()).value_or(kDefaultLanguage);
}

void SaveLanguage(Language language) {
    const std::string_view code = LanguageCode(language);
    ProgramSettings()->setValue(kLanguageKey, QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())));
}

void ApplyLanguage(Language language) {
    SetLanguage(language);
    QCoreApplication::removeTranslator(&WindowTexts());
    QCoreApplication::removeTranslator(&QtTexts());
    // Without a translation Qt's own texts are English; Debian's qtbase_en
    // brings only its plural forms, loaded all the same where installed.
    const bool english = language == Language::English;
    if (english && WindowTexts().load(QStringLiteral(":/i18n/zovamagnetic_en.qm")))
        QCoreApplication::installTranslator(&WindowTexts());
    if (LoadQtTexts(english ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(QLocale::Chinese, QLocale::China)))
        QCoreApplication::installTranslator(&QtTexts());
}

void FitLabels(QWidget* form) {
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (label->property(kWrappedForRoom).toBool()) {
            label->setProperty(kWrappedForRoom, false);
            label->setWordWrap(false);
            label->adjustSize();
        }
        // Multi-line texts (the results, the details) are the library's and keep their lines.
        if (CurrentLanguage() != Language::English || label->wordWrap() || qobject_cast<LineBreakLabel*>(label) != nullptr ||
            label->text().isEmpty() || label->text().contains(QLatin1Char('\n')))
            continue;
        const int room = RoomEnd(label, label->sizeHint().height()) - label->x();
        if (label->sizeHint().width() <= room || room <= 0) continue;
        label->setProperty(kWrappedForRoom, true);
        label->setWordWrap(true);
        label->resize(room, label->heightForWidth(room));
    }
}

}  // namespace zova::ui
