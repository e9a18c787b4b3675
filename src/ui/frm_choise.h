#pragma once

#include <QWidget>
#include <cstddef>
#include <memory>

#include "commands/selection_command.h"

class QAction;
class QListWidgetItem;

namespace Ui {
class frmChoise;
}

namespace zova::ui {

// The core selection: peak current, wanted inductance and number of stacked
// cores in; the catalogue cores that carry such a winding out, one line each
// under column captions, with the selection rules and the part-number scheme
// beside them and three ways to the maker's web pages. A listed core opens in
// the design workbench on a double click or from the list's context menu,
// which also copies the lines and exports the candidates with their figures.
class FrmChoise : public QWidget {
    Q_OBJECT
public:
    explicit FrmChoise(QWidget* parent = nullptr);
    ~FrmChoise() override;

signals:
    // A run listed cores.
    void selectionRan(const std::shared_ptr<const zova::SelectionOutcome>& run);
    // The core on line `line` of the run is to open in the design workbench.
    void designRequested(const std::shared_ptr<const zova::SelectionOutcome>& run, std::size_t line);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of language translates the window's own texts again.
    void changeEvent(QEvent* event) override;

private:
    void ShowTexts();
    void SizeLabels();
    void SayLinesAgain();
    void cmdJiSuan_Click();
    void txtDianliu_GotFocus();
    void labURL_Click();
    void picLogo_Click();
    void cmdRequestSample_Click();
    void lstResut_DblClick(QListWidgetItem* item);
    void lstResut_ContextMenu(const QPoint& position);
    void mnuOpenInDesign_Click();
    void mnuCopyAll_Click();
    void mnuExportCsv_Click();

    std::unique_ptr<Ui::frmChoise> ui_;
    std::shared_ptr<const SelectionOutcome> lastRun_;  // the lines on show, as numbers
    QAction* mnuOpenInDesign_;
    QAction* mnuCopyAll_;
    QAction* mnuExportCsv_;
    int menuLine_ = -1;  // the line the context menu was opened on
};

}  // namespace zova::ui
