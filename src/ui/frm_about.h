#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmAbout;
}

namespace zova::ui {

// The About box: the tool's title and version, what it is for, how to reach the
// maker and the usage warning. A separate, fixed-size window shown without
// modality; closing it destroys it, so the next opening starts afresh.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);
    ~FrmAbout() override;

protected:
    // Esc closes the box the way "确定" does.
    void reject() override;
    // Closing by the title bar or by cmdOK just closes: QDialog would route it
    // through reject() again.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A change of language translates the box's own texts again.
    void changeEvent(QEvent* event) override;

private:
    void Form_Load();
    void ShowTexts();
    void cmdOK_Click();
    void picIcon_Click();

    std::unique_ptr<Ui::frmAbout> ui_;
};

}  // namespace zova::ui
