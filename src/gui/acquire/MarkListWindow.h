#pragma once

#include <QDialog>
#include <cstddef>
#include <string>
#include <vector>

#include "core/acquire/MarkLists.h"
#include "gui/app/GuiContext.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QShowEvent;

namespace arbovane {

// The window shared by the separators and the quotation-marks dialogs: an included and an
// excluded list of marks, the moves between them, adding, deleting and "&Close", which stores the
// included list in the program settings and writes the settings file.
class MarkListWindow : public QDialog {
    Q_OBJECT
public:
    // Activates and shows the window modally; the dialog's result.
    int Run();

    const MarkLists& Model() const { return model_; }
    std::vector<std::string> IncludedLines() const;
    std::vector<std::string> ExcludedLines() const;

public slots:
    // Each showing: reads the settings file again and adds back every stored mark that is missing.
    void FormActivate();

protected:
    // What tells the two windows apart.
    struct Captions {
        MarkKind kind;
        const char* prefix;  // of every control name: "Delimiters"
        const char* caption;
        const char* includedHeading;
        const char* excludedHeading;
        const char* deleteCaption;
        const char* removeAllCaption;
        const char* addLabel;
    };

    MarkListWindow(GuiContext& context, const Captions& captions, QWidget* parent);

    void showEvent(QShowEvent* event) override;

    // The actions behind the buttons; each window's named handlers call them.
    void IncToExc();
    void ExcToInc();
    void AllFromInc();
    void AllFromExc();
    void ExchangeIncExc();
    void DeleteSelected();
    void RemoveAll();
    void AddMark();
    void SetDefaults();
    void CloseAndSave();

    QListWidget* lstIncluded = nullptr;
    QListWidget* lstExcluded = nullptr;
    QPushButton* btnIncToExc = nullptr;
    QPushButton* btnExcToInc = nullptr;
    QPushButton* btnAllFromInc = nullptr;
    QPushButton* btnAllFromExc = nullptr;
    QPushButton* btnExchangeIncExc = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnRemoveAll = nullptr;
    QLineEdit* edtAdd = nullptr;
    QPushButton* btnAdd = nullptr;
    QPushButton* btnSetDefaults = nullptr;
    QPushButton* btnClose = nullptr;

private:
    std::vector<std::string>& StoredList();
    QPushButton* MakeButton(const std::string& name, const char* caption);
    QListWidget* MakeList(const std::string& name);
    static std::vector<std::size_t> SelectedRows(const QListWidget* list);
    int Show(const ListMessage& message);
    // Shows both lists from the model and gives the focus back to the edit box.
    void ShowLists();

    GuiContext& context_;
    std::string prefix_;
    MarkLists model_;
};

}  // namespace arbovane
