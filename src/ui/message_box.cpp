#include "ui/message_box.h"

#include <QMessageBox>

#include "commands/messages.h"
#include "ui/qt_text.h"

namespace zova::ui {

void ShowMessage(QWidget* owner, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? q(messages::kAppTitle) : caption, text,
                    QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace zova::ui
