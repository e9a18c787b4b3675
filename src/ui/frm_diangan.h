#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "commands/inductance_command.h"

namespace Ui {
class frmDiangan;
}

namespace zova::ui {

// The inductance calculator: the offered cores with a search box, the details
// of the chosen core, and the inductance of a winding on it (or on a stack of
// such cores) at a DC peak current, recalculated as the inputs change.
class FrmDiangan : public QWidget {
    Q_OBJECT
public:
    explicit FrmDiangan(QWidget* parent = nullptr);
    ~FrmDiangan() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of language translates the window's own texts again.
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void ShowTexts();
    void SizeLabels();
    void txtSearch_Change();
    void FilterCoreList(const QString& searchText);
    void lstCoreList_Click();
    void Label7_Click();
    void cmdJiSuan_Click();
    void txtXianquanN_Change();
    void txtDianliu_Change();
    void cmbCoreCount_Change();
    void cmbCoreCount_Click();
    void txtDianliu_GotFocus();
    void txtDianliu_LostFocus();
    void DoCalculation();
    InductanceOutcome Calculate() const;

    QString SelectedPartNo() const;
    bool TurnsAndCoreGiven() const;
    void ShowResult(const QString& text);
    void ShowHelp();  // the result box says how to use the window
    void SayLibraryTextsAgain();

    std::unique_ptr<Ui::frmDiangan> ui_;
    // One pick from the stack drop-down reports a text change and then the
    // pick; these tell cmbCoreCount_Click that the change already calculated.
    bool stackTextTyped_ = false;     // the coming text change is a keystroke
    bool stackTextSetByPick_ = false;  // the last text change was not typed
    bool showingHelp_ = false;          // the result shows how to use the window
};

}  // namespace zova::ui
