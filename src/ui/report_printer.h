#pragma once

#include <QByteArray>
#include <QPageLayout>

#include "documents/design_report.h"

class QPagedPaintDevice;
class QWidget;

// The design report on paper: as a PDF file and through the system's print
// dialog. The text is DesignReportHtml as Qt's rich text lays it out; the two
// charts are the workbench's, drawn as vector graphics. Needs a QApplication.
namespace zova::ui {

// A4 portrait with 12 mm margins: the report fits one such page, two at most.
QPageLayout ReportPageLayout();

// Lays the report out on the device's pages as they are set and paints it.
// It is shrunk a little (to 80 % at most) where that puts it on one page, else
// where that puts it on two, else runs on at 80 %. The number of pages
// painted; 0 when the device could not be painted on.
int PaintReport(QPagedPaintDevice* device, const DesignReport& report);

// The report as a PDF on ReportPageLayout(), its fonts embedded; empty when
// it could not be painted.
QByteArray ReportPdf(const DesignReport& report);

// The system's print dialog, then the report on the printer chosen there.
// Nothing happens when the user cancels; a printer that cannot be painted on
// gets a message. True when the report went to the printer.
bool PrintReport(QWidget* owner, const DesignReport& report);

}  // namespace zova::ui
