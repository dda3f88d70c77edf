#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <string>
#include <vector>

#include "core/acquire/ListExport.h"
#include "gui/app/GuiContext.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QShowEvent;

namespace arbovane {

class LineListView;

// "Export Datas to a File.": writes any list of the program to a text or CSV file.
class TfrmFileExport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFileExport(GuiContext& context, QWidget* parent = nullptr);

    // The whole caller protocol: reset, append the lines (each once, letter case ignored), select
    // the first, set the content kind ("FOLDERS" or "STRINGS") and show the dialog modally. The
    // dialog holds the lines only while it is open.
    void ExportLines(std::vector<std::string> lines, const std::string& contentKind);
    // Everything ExportLines does before showing the dialog, for a caller that shows it itself.
    void PrepareExport(std::vector<std::string> lines, const std::string& contentKind);

    const std::string& ContentKind() const { return contentKind_; }
    std::vector<std::string> SourceLines() const { return Shown(); }

    // Closing lets the lines go; only the control states carry over to the next export.
    void done(int result) override;

public slots:
    // Runs each time the dialog is shown.
    void FormActivate();
    void rdoFileExportUnModifiedClick();
    void rdoFileExportWithoutDriveLetterClick();
    void rdoFileExportPlainTextFileClick();
    void rdoFileExportCSVSeparatedFileClick();
    void btnFileExportToClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ResetCounters();
    // The source list: the given lines, or those rebuilt from them by "As Folder Templates".
    const std::vector<std::string>& Shown() const { return rebuilt_ ? rebuiltLines_ : givenLines_; }
    void ShowSourceList();
    void ApplyChoice(ExportLinesChoice choice);
    void ShowChoice(ExportLinesChoice choice);
    // List loops let pending window messages run every few milliseconds and at their end, so the
    // counters advance visibly without a repaint per line slowing a long list down.
    bool PumpDue() const;
    void Pump();

    GuiContext& context_;
    std::string contentKind_ = "FOLDERS";
    // The caller's lines, each once; the list shows them as bytes, which its own texts could not
    // carry whole.
    std::vector<std::string> givenLines_;
    std::vector<std::string> rebuiltLines_;
    bool rebuilt_ = false;
    QElapsedTimer pumpClock_;
    // The choice the user made for folder lists; string lists show "Unmodified" without losing it.
    ExportLinesChoice foldersChoice_ = ExportLinesChoice::Unmodified;

    LineListView* lstFileExportSource = nullptr;
    QLabel* lblSmartExportSource = nullptr;
    QLabel* lblSmartExportExported = nullptr;
    QRadioButton* rdoFileExportPlainTextFile = nullptr;
    QRadioButton* rdoFileExportCSVSeparatedFile = nullptr;
    QComboBox* cboFileExportDelimiter = nullptr;
    QCheckBox* chkFileExportQuotationMarks = nullptr;
    QRadioButton* rdoFileExportUnModified = nullptr;
    QRadioButton* rdoFileExportWithoutDriveLetter = nullptr;
    QPushButton* btnFileExportTo = nullptr;
    QPushButton* btnFileExportClose = nullptr;
};

}  // namespace arbovane
