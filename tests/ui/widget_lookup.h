#pragma once

#include <QApplication>
#include <QObject>
#include <QTest>
#include <QWidget>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <string>

namespace zova::ui::test {

// The child of `parent` named `name`, of type T. When there is none, the error
// lists the names that do exist, so a renamed control is found at once.
template <typename T>
T* Find(QObject* parent, const char* name) {
    if (auto* found = parent->findChild<T*>(QString::fromLatin1(name))) return found;
    QStringList names;
    for (const QObject* child : parent->findChildren<QObject*>())
        if (!child->objectName().isEmpty() && !child->objectName().startsWith(QLatin1String("qt_")))
            names << child->objectName() + QLatin1Char(':') + QLatin1String(child->metaObject()->className());
    names.sort();
    throw std::runtime_error(std::string("no child '") + name + "' of type " + T::staticMetaObject.className() +
                             "; children: " + names.join(QLatin1String(", ")).toStdString());
}

// Presses Tab in the focused widget and returns the name of the control that
// takes the focus (a combo box's inner line edit counts as the combo box).
inline QString TabToNextControl() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    while (focused != nullptr && focused->objectName().isEmpty()) focused = focused->parentWidget();
    return focused != nullptr ? focused->objectName() : QString();
}

}  // namespace zova::ui::test
