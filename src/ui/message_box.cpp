#include "ui/message_box.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "commands/messages.h"
#include "ui/qt_text.h"

namespace zova::ui {

void ShowMessage(QWidget* owner, const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption.isEmpty() ? q(Say(texts::messages::appTitle)) : caption, text,
                    QMessageBox::Ok, owner);
    // The box's one button in the user's language: Qt's own caption is "OK"
    // unless a translation of Qt is installed and loaded.
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("MessageBox", "确定"));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace zova::ui
