#include "ui/labelled_combo.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QVariant>

namespace zova::ui {
namespace {

constexpr char kNamedByLabel[] = "zovaNamedByLabel";

class LabelledCombo : public QAccessibleWidget {
public:
    explicit LabelledCombo(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return static_cast<QComboBox*>(widget())->currentText();
        return QAccessibleWidget::text(t);  // the name: accessibleName, else the buddy label
    }
};

QAccessibleInterface* labelledComboFactory(const QString& key, QObject* object) {
    if (key == QLatin1String("QComboBox") && object->property(kNamedByLabel).toBool())
        return new LabelledCombo(static_cast<QComboBox*>(object));
    return nullptr;
}

}  // namespace

void NameByLabel(QComboBox* combo) {
    static const bool installed = [] {
        QAccessible::installFactory(&labelledComboFactory);  // asked before Qt's own
        return true;
    }();
    (void)installed;
    combo->setProperty(kNamedByLabel, true);
    // Setting its accessible name has made Qt's interface already: it goes, and
    // the next question gets ours.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(combo))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace zova::ui
