#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "gui/app/GuiContext.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;

namespace arbovane {

// "Edit ": the lines of a template list as text. Created once and shared by the four template
// tabs; the tab that opened it parses the edited lines back.
class TfrmFolderStructuresTemplates : public QDialog {
    Q_OBJECT
public:
    explicit TfrmFolderStructuresTemplates(GuiContext& context, QWidget* parent = nullptr);

    // Fills the text box with the lines and shows the dialog modally; true after OK, with the
    // text box's lines in edited.
    bool Edit(const std::vector<std::string>& lines, std::vector<std::string>& edited);
    // Everything Edit does before showing the dialog.
    void Prepare(const std::vector<std::string>& lines);
    // The text box's lines, read block by block so a no-break space or a line separator inside a
    // line stays as it is. A line left as it was shown keeps the bytes it came with, so invalid
    // UTF-8 (shown as replacement characters) comes back unchanged.
    std::vector<std::string> EditedLines() const;
    // Help opens the more-help window; until a hook is set its button is off.
    void SetHelpHook(std::function<void()> help);

public slots:
    void FormActivate();
    void btnOKClick();
    void btnCancelClick();
    void mmoEditFolderStructuresTemplatesChange();
    void btnHelpClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    // Each line as the text box shows it, and its own bytes.
    QHash<QString, std::string> shownLines_;
    std::vector<std::string> edited_;
    std::function<void()> help_;

    QPlainTextEdit* mmoEditFolderStructuresTemplates = nullptr;
    QLabel* lblFolderStructuresTemplatesEditLinesCurrent = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnHelp = nullptr;
};

}  // namespace arbovane
