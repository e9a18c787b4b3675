#pragma once

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <vector>

namespace zova::ui::test {

// While alive, records and dismisses (with OK) every modal message box that
// appears, so a test can drive a command that shows boxes and then check how
// many appeared and what they said.
class ModalWatcher : public QObject {
public:
    struct Box {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        bool modal = false;
    };

    ModalWatcher();
    const std::vector<Box>& boxes() const { return boxes_; }

private:
    void poll();
    QTimer timer_;
    std::vector<Box> boxes_;
};

}  // namespace zova::ui::test
