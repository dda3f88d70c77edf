#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "core/jobs/TabJob.h"
#include "gui/app/GuiContext.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace arbovane {

// "Save Job" and "Open Job": the job file's name, and what the job holds, before it is written
// or before it replaces a tab's inputs.
class TfrmJob : public QDialog {
    Q_OBJECT
public:
    explicit TfrmJob(GuiContext& context, QWidget* parent = nullptr);

    // Shows the job and writes it where the user says; true when it was written. A job that no
    // file can hold is refused before the window shows.
    bool SaveJob(const TabJob& job);
    // The job of the file the user picks, once it is one this version opens and its tab takes.
    std::optional<TabJob> OpenJob();

    // What SaveJob and OpenJob do before the window shows, for a caller that shows it itself.
    bool PrepareSave(const TabJob& job);
    void PrepareOpen();

public slots:
    void btnJobBrowseClick();
    void btnJobOKClick();
    // Open: the file named in the field is read and shown.
    void edtJobFileEditingFinished();

private:
    bool Browse();
    void Save();
    void Open();
    void ShowText(const std::string& text);
    void ShowFile();

    GuiContext& context_;
    bool saving_ = true;
    std::string text_;  // saving: the file to write
    std::optional<TabJob> opened_;
    std::string shownFile_;

    QLabel* lblJobSummary = nullptr;
    QLineEdit* edtJobFile = nullptr;
    QPushButton* btnJobBrowse = nullptr;
    QPlainTextEdit* mmoJobText = nullptr;
    QPushButton* btnJobOK = nullptr;
    QPushButton* btnJobCancel = nullptr;
};

}  // namespace arbovane
