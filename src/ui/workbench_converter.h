#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace Ui {
class frmDesign;
}

namespace zova {
class WorkbenchSession;
}

namespace zova::ui {

// The workbench's converter page: its boxes typed into the session, the run
// (the button, or Enter in any of its boxes), the operating point or why there
// is none, the refused box described for screen readers.
class WorkbenchConverter : public QObject {
    Q_OBJECT
public:
    WorkbenchConverter(Ui::frmDesign& ui, WorkbenchSession& session, QWidget* window);

    // The session's converter texts into the boxes, and what it says of the run.
    void Show();

signals:
    void typed();  // a box changed: the design may now be unsaved, the run old
    void ran();    // a run listed candidates and loaded the first

private:
    void cmbTopology_Change(int index);
    void txtConverter_Change();
    void cmdConverter_Click();

    Ui::frmDesign& ui_;
    WorkbenchSession& session_;
    bool showing_ = false;
};

}  // namespace zova::ui
