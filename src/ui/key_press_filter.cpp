#include "ui/key_press_filter.h"

#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace zova::ui {
namespace {

// The character code a key press types, or -1 when it types none.
int typedCode(const QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Delete:  // X11 reports "\x7f", but Delete types nothing
        return -1;
    case Qt::Key_Tab:  // moves the focus; some platforms attach "\t" as its text
    case Qt::Key_Backtab:
        return -1;
    default:
        break;
    }
    const QString t = e->text();
    if (t.isEmpty()) return -1;
    if (e->modifiers() & Qt::ControlModifier) {
        // Ctrl+letter types a control character (Ctrl+V is 22) whatever the
        // platform reports as text.
        if (e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) return e->key() - Qt::Key_A + 1;
    }
    return t.at(0).unicode();
}

}  // namespace

KeyPressFilter::KeyPressFilter(CharFilter filter, QObject* parent) : QObject(parent), filter_(filter) {}

void KeyPressFilter::install(QObject* box, CharFilter filter) {
    auto* f = new KeyPressFilter(filter, box);
    box->installEventFilter(f);
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(f);
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int code = typedCode(static_cast<QKeyEvent*>(event));
        if (code >= 0 && filter_(code) == 0) return true;  // cancelled: nothing is inserted
    } else if (event->type() == QEvent::InputMethod) {
        // Characters committed by an input method are typed characters too.
        const auto* im = static_cast<QInputMethodEvent*>(event);
        for (const QChar c : im->commitString())
            if (filter_(c.unicode()) == 0) return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zova::ui
