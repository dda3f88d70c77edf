#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <functional>
#include <string>
#include <vector>

#include "core/lists/FolderList.h"
#include "core/lists/ListMessage.h"
#include "gui/app/GuiContext.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace arbovane {

class LineListView;
class MarkListWindow;
class TfrmEditSmartImport;
class TfrmZoomIncludeWindow;

// "Import Folders/Subfolders/Strings  from a Text File.": reads a text or separated file, cuts its
// lines into items and hands the preview to the tab that opened it. Created once; its file name
// and choices stay from one use to the next, its lines only while it is open.
class TfrmFileImport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFileImport(GuiContext& context, QWidget* parent = nullptr);

    // The windows the program creates once; without them the dialog makes its own on first use.
    void SetZoomWindow(TfrmZoomIncludeWindow* zoom) { zoom_ = zoom; }
    void SetEditWindow(TfrmEditSmartImport* edit) { edit_ = edit; }
    // Help works once the program's help window is handed over; until then its button is off.
    void SetHelpHook(std::function<void()> help);
    // The windows that manage the separator and quotation-mark lists; their buttons work once set.
    void SetMarkWindows(MarkListWindow* delimiters, MarkListWindow* quotationMarks);

    // Shows the dialog modally; true when it closed with "IMPORT", lines then holds the preview.
    // Either way the dialog lets its source and preview lines go.
    bool ImportLines(std::vector<std::string>& lines);
    std::vector<std::string> ResultLines() const { return preview_.Lines(); }
    std::vector<std::string> SourceLines() const { return source_; }

    // The checks the receiving tab runs on the preview; true when they found errors.
    bool CheckImportFull(std::string& message) const;
    bool CheckImportRelative(std::string& message) const;

    // Refills the delimiter combo box (and the quotation marks) from the program settings.
    void FillSeparators();

public slots:
    void btnFileImportBrowseClick();
    void edtFileImportFileNameReturnPressed();
    void btnFileImportCreateClick();
    void btnFileImportClearAllClick();
    void btnFileImportZoomSourceClick();
    void btnFileImportZoomResultsClick();
    void btnFileImportEditClick();
    void btnFileImportImportClick();
    void btnFileImportCancelClick();
    void btnFileImportHelpClick();
    void btnFileImportManageSeparatorsClick();
    void btnFileImportManageQuotationMarksClick();
    void rdoFileImportPlainTextClick();
    void rdoFileImportSeparatedFileClick();
    void rdoFileImportAllColumnsClick();
    void rdoFileImportOneColumnClick();
    void udFileImportColumnNumberClick(bool up);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ApplyEnableRule(bool sourceFilled);
    void ShowImportEnabled();
    void Show(const ListMessage& message);
    void ClearSource();
    void ClearPreview();
    void ForgetLines();
    void FillPreview(const std::vector<std::string>& items);
    TfrmZoomIncludeWindow& ZoomWindow();
    TfrmEditSmartImport& EditWindow();
    // List loops let pending window messages run every few milliseconds and at their end, so the
    // counters advance visibly without a pump per line slowing a million-line file down.
    bool PumpDue() const;
    void Pump();

    GuiContext& context_;
    std::vector<std::string> source_;
    FolderList preview_;
    TfrmZoomIncludeWindow* zoom_ = nullptr;
    TfrmEditSmartImport* edit_ = nullptr;
    MarkListWindow* delimiters_ = nullptr;
    MarkListWindow* quotationMarks_ = nullptr;
    std::function<void()> help_;
    QElapsedTimer pumpClock_;

    QLabel* lblFileImportStep1 = nullptr;
    QLabel* lblFileImportStep2 = nullptr;
    QLabel* lblFileImportStep3 = nullptr;
    QLineEdit* edtFileImportFileName = nullptr;
    QPushButton* btnFileImportBrowse = nullptr;
    QLabel* lblFileImportSource = nullptr;
    LineListView* lstFileImportSource = nullptr;
    QLabel* lblFileImportSourceLinesCaption = nullptr;
    QLabel* lblFileImportSourceLines = nullptr;
    QPushButton* btnFileImportZoomSource = nullptr;
    QLabel* lblFileImportResults = nullptr;
    LineListView* lstFileImportResults = nullptr;
    QLabel* lblFileImportPreviewLinesCaption = nullptr;
    QLabel* lblFileImportPreviewLines = nullptr;
    QPushButton* btnFileImportZoomResults = nullptr;
    QPushButton* btnFileImportEdit = nullptr;
    QRadioButton* rdoFileImportPlainText = nullptr;
    QRadioButton* rdoFileImportSeparatedFile = nullptr;
    QLabel* lblFileImportDelimiter = nullptr;
    QComboBox* cboFileImportDelimiter = nullptr;
    QPushButton* btnFileImportManageSeparators = nullptr;
    QPushButton* btnFileImportManageQuotationMarks = nullptr;
    // Kept for the quotation-mark dialog; the parsing knows only the double and single quote.
    QComboBox* cboFileImportQuotationMarks = nullptr;
    QRadioButton* rdoFileImportAllColumns = nullptr;
    QRadioButton* rdoFileImportOneColumn = nullptr;
    QLineEdit* edtFileImportColumnNumber = nullptr;
    QToolButton* udFileImportColumnNumberUp = nullptr;
    QToolButton* udFileImportColumnNumberDown = nullptr;
    QCheckBox* chkFileImportAbandonQMarks = nullptr;
    QPushButton* btnFileImportCreate = nullptr;
    QPushButton* btnFileImportClearAll = nullptr;
    QPushButton* btnFileImportImport = nullptr;
    QPushButton* btnFileImportCancel = nullptr;
    QPushButton* btnFileImportHelp = nullptr;
};

}  // namespace arbovane
