#include "ui/window_conventions.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

namespace zova::ui {
namespace {

class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        auto* button = static_cast<QPushButton*>(watched);
        if (button->isEnabled()) button->click();
        return true;
    }
};

}  // namespace

void ApplyWindowConventions(QWidget* window) {
    auto* enter = new EnterPressesButton(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) button->installEventFilter(enter);
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) box->setMaxLength(std::numeric_limits<int>::max());
}

}  // namespace zova::ui
