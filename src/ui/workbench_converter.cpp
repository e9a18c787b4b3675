#include "ui/workbench_converter.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <utility>

#include "design/converter.h"
#include "session/workbench_session.h"
#include "ui/qt_text.h"
#include "ui_frm_design.h"

namespace zova::ui {
namespace {

const QString kRefusalStyle = QStringLiteral("color: #a00000");

std::array<std::pair<SessionBox, QLineEdit*>, 7> lineBoxes(Ui::frmDesign& ui) {
    return {{{SessionBox::Vin, ui.txtVin},
             {SessionBox::Vout, ui.txtVout},
             {SessionBox::Iout, ui.txtIout},
             {SessionBox::ConverterFrequency, ui.txtConverterFrequency},
             {SessionBox::RippleRatio, ui.txtRippleRatio},
             {SessionBox::ConverterInductance, ui.txtConverterInductance},
             {SessionBox::ConverterStack, ui.txtConverterStack}}};
}

}  // namespace

WorkbenchConverter::WorkbenchConverter(Ui::frmDesign& ui, WorkbenchSession& session, QWidget* window)
    : QObject(window), ui_(ui), session_(session) {
    connect(ui_.cmbTopology, &QComboBox::currentIndexChanged, this, &WorkbenchConverter::cmbTopology_Change);
    for (const auto& [box, edit] : lineBoxes(ui_)) {
        connect(edit, &QLineEdit::textChanged, this, &WorkbenchConverter::txtConverter_Change);
        connect(edit, &QLineEdit::returnPressed, this, &WorkbenchConverter::cmdConverter_Click);
    }
    connect(ui_.cmdConverter, &QPushButton::clicked, this, &WorkbenchConverter::cmdConverter_Click);
    Show();
}

void WorkbenchConverter::cmbTopology_Change(int index) {
    if (showing_ || index < 0) return;
    session_.Type(SessionBox::Topology, kTopologyNames[index]);
    Show();
    emit typed();
}

void WorkbenchConverter::txtConverter_Change() {
    if (showing_) return;
    for (const auto& [box, edit] : lineBoxes(ui_)) session_.Type(box, u8(edit->text()));
    Show();
    emit typed();
}

// The converter's inputs run through the session: the operating point above,
// its candidates below by total loss, the first of them loaded.
void WorkbenchConverter::cmdConverter_Click() {
    session_.RunConverter();
    Show();
    const ConverterView v = session_.Converter();
    if (v.failed) {
        QAccessibleEvent alert(ui_.labConverter, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
        return;
    }
    emit ran();
}

void WorkbenchConverter::Show() {
    showing_ = true;
    const QString topology = q(session_.Text(SessionBox::Topology));
    for (int i = 0; i < static_cast<int>(std::size(kTopologyNames)); ++i)
        if (q(kTopologyNames[i]) == topology && ui_.cmbTopology->currentIndex() != i) ui_.cmbTopology->setCurrentIndex(i);
    for (const auto& [box, edit] : lineBoxes(ui_))
        if (const QString text = q(session_.Text(box)); edit->text() != text) edit->setText(text);
    showing_ = false;

    const ConverterView v = session_.Converter();
    ui_.labConverter->setStyleSheet(v.failed ? kRefusalStyle : QString());
    ui_.labConverter->setText(q(v.text));
    // The refused box carries the reason as its description; the others none.
    const auto describe = [&](QWidget* w, SessionBox box) {
        const QString description = v.refused == box ? q(v.text) : QString();
        if (w->accessibleDescription() != description) w->setAccessibleDescription(description);
    };
    describe(ui_.cmbTopology, SessionBox::Topology);
    for (const auto& [box, edit] : lineBoxes(ui_)) describe(edit, box);
    if (v.refused == SessionBox::Coefficients) describe(ui_.txtLossCoefficients, SessionBox::Coefficients);
}

}  // namespace zova::ui
