#pragma once

#include <QWidget>

namespace zova::ui {

// The etched separator of the About box: a grey line with a two-pixel white
// line beneath it, drawn white first so the grey stays on top.
class EtchedLine : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace zova::ui
