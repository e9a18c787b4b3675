#include "ui/workbench_document.h"

#include <QBoxLayout>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <memory>

#include "documents/design_file.h"
#include "files/read_file.h"
#include "session/workbench_session.h"
#include "ui/file_export.h"
#include "ui/message_box.h"
#include "ui/program_settings.h"
#include "ui/qt_text.h"
#include "ui/report_printer.h"

namespace zova::ui {
namespace {

constexpr FileType kDesignTypes[] = {{QT_TRANSLATE_NOOP("FileExport", "设计文件 (*.json)"), "json"}};
constexpr FileType kReportTypes[] = {{QT_TRANSLATE_NOOP("FileExport", "PDF 文档 (*.pdf)"), "pdf"}};
// The extension names the simulator the model is written for.
constexpr FileType kSpiceTypes[] = {{QT_TRANSLATE_NOOP("FileExport", "ngspice 模型 (*.cir)"), "cir"},
                                     {QT_TRANSLATE_NOOP("FileExport", "LTspice 模型 (*.lib)"), "lib"}};
constexpr int kRecentFiles = 5;
const QString kRecentKey = QStringLiteral("recentDesigns");

std::unique_ptr<QSettings> settings() { return ProgramSettings(); }

QStringList recentFiles() { return settings()->value(kRecentKey).toStringList(); }

void storeRecentFiles(const QStringList& files) { settings()->setValue(kRecentKey, files); }

}  // namespace

WorkbenchDocument::WorkbenchDocument(QWidget* window, QBoxLayout* layout, WorkbenchSession& session)
    : QObject(window), window_(window), session_(session) {
    auto* bar = new QMenuBar(window);
    menu_ = bar->addMenu(QString());
    const auto add = [&](auto handler, QKeySequence keys = {}) {
        QAction* action = menu_->addAction(QString());
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        window->addAction(action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    mnuOpen_ = add(&WorkbenchDocument::mnuOpen_Click, QKeySequence::Open);
    designActions_.push_back(mnuSave_ = add(&WorkbenchDocument::mnuSave_Click, QKeySequence::Save));
    designActions_.push_back(mnuSaveAs_ = add(&WorkbenchDocument::mnuSaveAs_Click, QKeySequence::SaveAs));
    menu_->addSeparator();
    designActions_.push_back(mnuExportReport_ = add(&WorkbenchDocument::mnuExportReport_Click));
    designActions_.push_back(mnuPrint_ = add(&WorkbenchDocument::mnuPrint_Click, QKeySequence::Print));
    designActions_.push_back(mnuExportSpice_ = add(&WorkbenchDocument::mnuExportSpice_Click));
    designActions_.push_back(mnuExportSpiceWithLosses_ = add(&WorkbenchDocument::mnuExportSpiceWithLosses_Click));
    menu_->addSeparator();
    recent_ = menu_->addMenu(QString());
    Retranslate();
    layout->setMenuBar(bar);
    ShowRecent();
    ShowState();
}

void WorkbenchDocument::Retranslate() {
    menu_->setTitle(tr("设计文件(&J)"));
    mnuOpen_->setText(tr("打开设计(&O)…"));
    mnuSave_->setText(tr("保存设计(&S)"));
    mnuSaveAs_->setText(tr("另存为(&A)…"));
    mnuExportReport_->setText(tr("导出报告 (PDF)(&R)…"));
    mnuPrint_->setText(tr("打印(&P)…"));
    mnuExportSpice_->setText(tr("导出 SPICE 模型(&M)…"));
    mnuExportSpiceWithLosses_->setText(tr("导出 SPICE 模型，含损耗(&L)…"));
    recent_->setTitle(tr("最近的设计(&T)"));
}

void WorkbenchDocument::ShowState() {
    const QString title = q(session_.Title());
    if (window_->windowTitle() != title) window_->setWindowTitle(title);
    for (QAction* action : designActions_) action->setEnabled(session_.HasDesign());
}

bool WorkbenchDocument::SaveChanges() {
    if (!session_.Unsaved()) return true;
    // A refused box leaves nothing to save: the question says so and offers no 保存.
    const bool savable = session_.HasDesign();
    const QString question =
        savable ? tr("设计已修改，要保存吗？")
                : tr("设计已修改，但无法保存：%1\n仍要放弃这些改动吗？").arg(q(session_.Design().message));
    QMessageBox box(QMessageBox::Question, tr("设计分析"), question, QMessageBox::NoButton, window_);
    QPushButton* save = savable ? box.addButton(tr("保存"), QMessageBox::AcceptRole) : nullptr;
    QPushButton* discard = box.addButton(tr("不保存"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(tr("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(savable ? save : cancel);
    box.exec();
    if (box.clickedButton() == discard) return true;
    if (save == nullptr || box.clickedButton() != save) return false;
    if (!path_.isEmpty()) return SaveTo(path_);
    mnuSaveAs_Click();
    return !session_.Unsaved();
}

bool WorkbenchDocument::SaveTo(const QString& path) {
    const FileText file = session_.SaveText();
    if (!file.message.empty()) {
        ShowMessage(window_, q(file.message));
        return false;
    }
    if (!SaveBytes(window_, path, QByteArray::fromStdString(file.text))) return false;
    path_ = path;
    session_.Saved(u8(path));
    Remember(path);
    ShowState();
    return true;
}

void WorkbenchDocument::mnuSave_Click() {
    if (path_.isEmpty()) {
        mnuSaveAs_Click();
        return;
    }
    SaveTo(path_);
}

void WorkbenchDocument::mnuSaveAs_Click() {
    if (!session_.HasDesign()) return;
    const QString suggested =
        path_.isEmpty() ? q(session_.DesignFileName()) : QFileInfo(path_).completeBaseName();
    const QString path = AskSaveName(window_, tr("保存设计"), suggested, kDesignTypes);
    if (!path.isEmpty()) SaveTo(path);
}

void WorkbenchDocument::mnuOpen_Click() {
    if (!SaveChanges()) return;
    const QString path = QFileDialog::getOpenFileName(window_, tr("打开设计"), QFileInfo(path_).path(),
                                                      tr("设计文件 (*.json);;所有文件 (*)"));
    if (!path.isEmpty()) Open(path);
}

bool WorkbenchDocument::Open(const QString& path) {
    const files::ReadOutcome read = files::ReadFilePrefix(u8(path), kDesignFileMaxBytes);
    if (!read.bytes) {
        ShowMessage(window_, q(read.message));
        return false;
    }
    const OpenedFile file = session_.Open(*read.bytes, u8(path));
    if (!file.opened) {
        ShowMessage(window_, tr("无法打开“%1”：%2").arg(path, q(file.message)));
        return false;
    }
    path_ = path;
    Remember(path);
    emit opened();
    ShowState();
    if (!file.message.empty()) ShowMessage(window_, q(file.message));
    return true;
}

void WorkbenchDocument::mnuExportReport_Click() {
    const std::optional<DesignReport> report = session_.Report(u8(QDate::currentDate().toString(Qt::ISODate)));
    if (!report) return;
    const QString path = AskSaveName(window_, tr("导出报告"), q(session_.ReportFileName()),
                                     kReportTypes);
    if (path.isEmpty()) return;
    const QByteArray pdf = ReportPdf(*report);
    if (pdf.isEmpty()) {
        ShowMessage(window_, tr("无法生成报告，没有保存。"));
        return;
    }
    SaveBytes(window_, path, pdf);
}

void WorkbenchDocument::mnuPrint_Click() {
    if (const std::optional<DesignReport> report = session_.Report(u8(QDate::currentDate().toString(Qt::ISODate))))
        PrintReport(window_, *report);
}

void WorkbenchDocument::mnuExportSpice_Click() { ExportSpice(false); }

void WorkbenchDocument::mnuExportSpiceWithLosses_Click() { ExportSpice(true); }

// The model is of the design on screen; a design it cannot model (a core
// without a bias curve) is said before any file is asked for.
void WorkbenchDocument::ExportSpice(bool withLosses) {
    const SpiceOutcome probe = session_.SpiceModel(SpiceDialect::Ngspice, withLosses);
    if (!probe.written()) {
        ShowMessage(window_, q(probe.message));
        return;
    }
    const QString path = AskSaveName(window_, tr("导出 SPICE 模型"), q(probe.name), kSpiceTypes);
    if (path.isEmpty()) return;
    const bool ltspice = path.endsWith(QLatin1String(".lib"), Qt::CaseInsensitive);
    const SpiceOutcome model =
        ltspice ? session_.SpiceModel(SpiceDialect::LTspice, withLosses) : probe;
    SaveBytes(window_, path, QByteArray::fromStdString(model.text));
}

void WorkbenchDocument::Remember(const QString& path) {
    QStringList files = recentFiles();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > kRecentFiles) files.removeLast();
    storeRecentFiles(files);
    ShowRecent();
}

void WorkbenchDocument::ShowRecent() {
    recent_->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QAction* action = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        action->setToolTip(files[i]);
        action->setStatusTip(files[i]);
        const QString path = files[i];
        connect(action, &QAction::triggered, this, [this, path] { mnuRecent_Click(path); });
    }
    recent_->setEnabled(!files.isEmpty());
}

void WorkbenchDocument::mnuRecent_Click(const QString& path) {
    if (!SaveChanges()) return;
    if (!Open(path)) {
        // A file that is gone, or no design any more, leaves the list.
        QStringList files = recentFiles();
        files.removeAll(path);
        storeRecentFiles(files);
        ShowRecent();
    }
}

}  // namespace zova::ui
