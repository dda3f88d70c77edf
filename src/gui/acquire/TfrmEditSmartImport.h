#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "gui/app/GuiContext.h"
#include "gui/lists/MemoText.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace arbovane {

// "Edit the content of the Import Window.": the import preview as text, one line per item.
class TfrmEditSmartImport : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditSmartImport(GuiContext& context, QWidget* parent = nullptr);

    // Fills the memo with the lines and shows the window modally; true and the edited lines when
    // it closed with OK.
    bool Edit(const std::vector<std::string>& lines, std::vector<std::string>& edited);
    // Everything Edit does before showing the window.
    void Prepare(const std::vector<std::string>& lines);

    std::vector<std::string> MemoLines() const;

public slots:
    void btnEditSmartImportOKClick();
    void btnEditSmartImportCancelClick();
    void mmoEditSmartImportChange();

protected:
    void done(int result) override;

private:
    GuiContext& context_;
    MemoText memoText_;
    std::vector<std::string> edited_;

    QPlainTextEdit* mmoEditSmartImport = nullptr;
    QLabel* lblEditSmartImportLinesSum = nullptr;
    QPushButton* btnEditSmartImportOK = nullptr;
    QPushButton* btnEditSmartImportCancel = nullptr;
};

}  // namespace arbovane
