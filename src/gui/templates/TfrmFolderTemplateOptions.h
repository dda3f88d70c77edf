#pragma once

#include <QDialog>
#include <functional>

#include "core/templates/TemplateOptions.h"
#include "gui/app/GuiContext.h"

class QPushButton;
class QRadioButton;

namespace arbovane {

// "Options for Folder Structures in Plain Text Files": how one tab maps its relative template
// lines onto each include folder. The store belongs to the main window; only OK changes it.
class TfrmFolderTemplateOptions : public QDialog {
    Q_OBJECT
public:
    TfrmFolderTemplateOptions(GuiContext& context, MAP_FOLDER_TEMPLATE_OPTIONS& store,
                              QWidget* parent = nullptr);

    // The tab key the next showing is about (1 to 4).
    void SetKey(int key) { key_ = key; }
    int Key() const { return key_; }
    // Activates the dialog and shows it modally; QDialog::Accepted after OK.
    int Run();
    // Help opens the help topic numbered like the key; until a hook is set its button is off.
    void SetHelpHook(std::function<void(int topic)> help);

public slots:
    // Checks the stored option of the key.
    void FormActivate();
    void btnFolderTemplateOptionsOKClick();
    void btnFolderTemplateOptionsCancelClick();
    void btnFolderTemplateOptionsHelpClick();

private:
    MAP_FOLDER_TEMPLATE_OPTIONS& store_;
    int key_ = kTemplateKeyVol08;
    std::function<void(int)> help_;

    QRadioButton* rdoFolderTemplateOptionsReplaceNo = nullptr;
    QRadioButton* rdoFolderTemplateOptionsReplaceFirst = nullptr;
    QRadioButton* rdoFolderTemplateOptionsReplaceAll = nullptr;
    QPushButton* btnFolderTemplateOptionsOK = nullptr;
    QPushButton* btnFolderTemplateOptionsCancel = nullptr;
    QPushButton* btnFolderTemplateOptionsHelp = nullptr;
};

}  // namespace arbovane
