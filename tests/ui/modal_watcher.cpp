#include "tests/ui/modal_watcher.h"

#include <QAbstractButton>
#include <QApplication>

namespace zova::ui::test {

ModalWatcher::ModalWatcher() {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start();
}

void ModalWatcher::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    Box seen;
    seen.caption = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.modal = box->isModal();
    for (QAbstractButton* b : box->buttons()) seen.buttons << b->text().remove(QLatin1Char('&'));
    boxes_.push_back(seen);
    box->done(QMessageBox::Ok);
}

}  // namespace zova::ui::test
