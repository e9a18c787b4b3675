#pragma once

#include <QMainWindow>
#include <QPointer>
#include <cstddef>
#include <memory>

#include "commands/selection_command.h"
#include "ui/language.h"

class QMdiSubWindow;

namespace Ui {
class MDIMain;
}

namespace zova::ui {

class FrmAbout;
class FrmChoise;

// The main window: a frame for the two calculator windows and the design
// workbench, with the menus that open them, the help file, the sample-request page and the About box. It fills
// the catalogue before any other window exists.
//
// Each window exists at most once. Showing an open one brings it to the front
// as it is; a closed one is destroyed, and showing it again builds it afresh.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIMain(QWidget* parent = nullptr);
    ~MDIMain() override;

protected:
    // Closes the children and the About box first, so that closing the main
    // window leaves no window behind and the program ends.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A change of language translates the menus again.
    void changeEvent(QEvent* event) override;

private:
    void MDIForm_Load();
    void FitClientArea();
    void meuRequestSample_Click();
    void meuExit_Click();
    void meuChoise_Click();
    void menToroidalL_Click();
    void meuDesign_Click();
    void frmChoise_SelectionRan(const std::shared_ptr<const SelectionOutcome>& run);
    void frmChoise_DesignRequested(const std::shared_ptr<const SelectionOutcome>& run, std::size_t line);
    void ShowSelection();
    void meuHelpMain_Click();
    void meuAbout_Click();
    void meuChinese_Click();
    void meuEnglish_Click();
    // Keeps the choice in the settings and shows every window in it at once.
    void ChooseLanguage(Language language);
    void ShowLanguage();

    // The form of the window, built first when it is not open; a resizable
    // one can be maximised.
    template <typename Form>
    Form* ShowChild(QPointer<QMdiSubWindow>& window, bool resizable = false);
    QPoint FreeCascadePosition(const QMdiSubWindow* window) const;

    std::unique_ptr<Ui::MDIMain> ui_;
    QPointer<QMdiSubWindow> frmChoise_;
    QPointer<QMdiSubWindow> frmDiangan_;
    QPointer<QMdiSubWindow> frmDesign_;
    std::shared_ptr<const SelectionOutcome> lastRun_;  // the last selection that listed cores
    QPointer<FrmAbout> frmAbout_;
    bool fittedOnShow_ = false;
};

}  // namespace zova::ui
