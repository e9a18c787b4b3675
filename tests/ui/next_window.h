#pragma once

#include <QApplication>
#include <QObject>
#include <QTimer>
#include <functional>

namespace zova::ui::test {

// While alive, hands the first modal dialog or popup menu of type T that
// appears to `answer`, which must close it (accept a file dialog, trigger a
// menu's action); the test goes on once the code that opened it returns.
template <typename T>
class NextWindow {
public:
    explicit NextWindow(std::function<void(T*)> answer) : answer_(std::move(answer)) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* shown = QApplication::activeModalWidget();
            if (shown == nullptr) shown = QApplication::activePopupWidget();
            auto* window = qobject_cast<T*>(shown);
            if (window == nullptr || !window->isVisible()) return;
            timer_.stop();
            answered_ = true;
            answer_(window);
        });
        timer_.start();
    }
    bool answered() const { return answered_; }

private:
    std::function<void(T*)> answer_;
    QTimer timer_;
    bool answered_ = false;
};

}  // namespace zova::ui::test
