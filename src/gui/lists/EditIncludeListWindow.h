#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/lists/ListMessage.h"
#include "gui/app/GuiContext.h"
#include "gui/lists/MemoText.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace arbovane {

// The window that edits an include list as text, one line per item. Each tab has its own
// subclass with its caption; the opener decides what OK does with the edited lines.
class EditIncludeListWindow : public QDialog {
    Q_OBJECT
public:
    // Takes the edited lines; returns the refusal to show, or nothing when the lines were taken.
    using ParseBack = std::function<std::optional<ListMessage>(const std::vector<std::string>&)>;

    // name: the part the control names carry ("Vol08" gives mmoVol08EditIncludeList).
    EditIncludeListWindow(GuiContext& context, const std::string& name, const std::string& caption,
                          QWidget* parent = nullptr);

    // Fills the memo with the lines and shows the window modally; true when it closed with OK.
    bool Edit(const std::vector<std::string>& lines, ParseBack parseBack);
    // Everything Edit does before showing the window.
    void Prepare(const std::vector<std::string>& lines, ParseBack parseBack);

    std::vector<std::string> MemoLines() const;
    // Help works once the program's help window is handed over; until then its button is off.
    void SetHelpHook(std::function<void()> help);

public slots:
    void btnEditOKClick();
    void btnEditCancelClick();
    void btnEditHelpClick();
    void mmoEditIncludeListChange();

protected:
    void done(int result) override;

private:
    GuiContext& context_;
    ParseBack parseBack_;
    MemoText memoText_;
    std::function<void()> help_;

    QPlainTextEdit* mmoEditIncludeList = nullptr;
    QLabel* lblEditLinesSum = nullptr;
    QPushButton* btnEditOK = nullptr;
    QPushButton* btnEditCancel = nullptr;
    QPushButton* btnEditHelp = nullptr;
};

}  // namespace arbovane
