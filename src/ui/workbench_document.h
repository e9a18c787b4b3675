#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QAction;
class QBoxLayout;
class QMenu;
class QWidget;

namespace zova {
class WorkbenchSession;
}

namespace zova::ui {

// The workbench's design kept as a file: 设计文件 with open, save, save as,
// the report as PDF or on paper, and the last few files (kept in the
// program's settings, ~/.config/zova/zovamagnetic.ini). The keys act while
// the workbench is the active window.
class WorkbenchDocument : public QObject {
    Q_OBJECT
public:
    WorkbenchDocument(QWidget* window, QBoxLayout* layout, WorkbenchSession& session);

    // A file's design into the session; a file that is no readable design gets
    // a message and changes nothing. True when opened.
    bool Open(const QString& path);
    // With unsaved changes, asks: 保存 / 不保存 / 取消. False: keep the window.
    bool SaveChanges();
    const QString& Path() const { return path_; }
    // The title and the actions that need a design, as the session stands.
    void ShowState();
    // The menu's texts in the language now chosen.
    void Retranslate();

signals:
    void opened();

private:
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExportReport_Click();
    void mnuPrint_Click();
    void mnuExportSpice_Click();
    void mnuExportSpiceWithLosses_Click();
    void ExportSpice(bool withLosses);
    void mnuRecent_Click(const QString& path);

    bool SaveTo(const QString& path);
    void Remember(const QString& path);
    void ShowRecent();

    QWidget* window_;
    WorkbenchSession& session_;
    QString path_;  // the file the design is kept in; empty before it was saved or opened
    QMenu* menu_ = nullptr;
    QMenu* recent_ = nullptr;
    QAction* mnuOpen_ = nullptr;
    QAction* mnuSave_ = nullptr;
    QAction* mnuSaveAs_ = nullptr;
    QAction* mnuExportReport_ = nullptr;
    QAction* mnuPrint_ = nullptr;
    QAction* mnuExportSpice_ = nullptr;
    QAction* mnuExportSpiceWithLosses_ = nullptr;
    std::vector<QAction*> designActions_;  // those that need a design
};

}  // namespace zova::ui
