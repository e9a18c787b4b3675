#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class frmChoise;
}

namespace zova::ui {

// The core selection: peak current, wanted inductance and number of stacked
// cores in; the catalogue cores that carry such a winding out, one line each
// under column captions, with the selection rules and the part-number scheme
// beside them and three ways to the maker's web pages.
class FrmChoise : public QWidget {
    Q_OBJECT
public:
    explicit FrmChoise(QWidget* parent = nullptr);
    ~FrmChoise() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdJiSuan_Click();
    void txtDianliu_GotFocus();
    void labURL_Click();
    void picLogo_Click();
    void cmdRequestSample_Click();

    std::unique_ptr<Ui::frmChoise> ui_;
};

}  // namespace zova::ui
