#pragma once

#include <QLabel>
#include <QString>

namespace zova::ui {

// A label whose text may break lines with a carriage return alone or with a
// line feed followed by a carriage return, as the calculator's help and
// details texts do. text() keeps those characters exactly; on screen each of
// them is one line break, where a plain QLabel would show a lone "\r" as a
// space and start the line after "\n\r" with one.
class LineBreakLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The text as it is drawn: every "\r\n", "\n\r", "\r" or "\n" becomes "\n".
    static QString displayText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zova::ui
