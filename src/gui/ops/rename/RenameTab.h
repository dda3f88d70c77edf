#pragma once

#include <QObject>
#include <array>

#include "core/jobs/TabJob.h"
#include "core/ops/rename/RenameMessages.h"
#include "core/ops/rename/RenameNames.h"
#include "gui/app/TabJournal.h"
#include "gui/app/TabServices.h"

class QCheckBox;
class QEvent;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace arbovane {

class LineListView;

struct RenameJournal;

// The controls and handlers of the Rename Folders tab.
class RenameTab : public QObject {
    Q_OBJECT
public:
    RenameTab(TabServices services, RenameJournal& journal, QObject* parent = nullptr);

    // After every list change: enabling and the counters.
    void Refresh();
    // The tab's part of "Clear Fields", after the lists were emptied.
    void ClearFields();

    // The method and the five fields as they stand.
    RenameFields Fields() const;
    // The tab's inputs as a job; a job's inputs on the tab, then its refresh.
    void SaveJob(TabJob& job) const;
    void OpenJob(const TabJob& job);

public slots:
    void btnVol06RenameFoldersClick();
    void btnVol06RenameFoldersSimulationClick();
    void btnVol06UndoClick();
    void btnVol06HelpClick();
    void btnVol06ExamplesClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QLineEdit* AddField(QGridLayout* grid, int row, const char* objectName, const char* label,
                        RenameField field);
    // With the include list empty every control of the method frame is disabled; otherwise the
    // checked method's fields are enabled and the other method's are not.
    void ApplyEnabling();
    // Refuses a character a folder name may not hold, as it is typed or when the field is left.
    void CheckField(RenameField field);
    bool ShowLogChecked() const;
    // The selected include line (the first when none is) and the path it will get.
    void ShowPreview();

    TabServices services_;
    RenameJournal& journal_;
    TabJournal file_;
    bool includeHasLines_ = false;
    // A warning box takes the focus from the field; that must not count as leaving it.
    bool checkingField_ = false;

    QRadioButton* rdoVol06RenameAddPrefixesSuffixes = nullptr;
    QRadioButton* rdoVol06RenameTheLastSubFolder = nullptr;
    QLineEdit* edtVol06NewPrefix = nullptr;
    QLineEdit* edtVol06DelimiterPrefixSubFolder = nullptr;
    QLineEdit* edtVol06DelimiterSubFolderSuffix = nullptr;
    QLineEdit* edtVol06NewSuffix = nullptr;
    QLineEdit* edtVol06RenameNewLastSubFolder = nullptr;
    QPushButton* btnVol06RenameFolders = nullptr;
    QPushButton* btnVol06RenameFoldersSimulation = nullptr;
    QPushButton* btnVol06Undo = nullptr;
    QPushButton* btnVol06Help = nullptr;
    QPushButton* btnVol06Examples = nullptr;
    QCheckBox* chkVol06ShowDetailedResults = nullptr;
    QPushButton* btnVol06Statistics = nullptr;
    // Made by the main window and the list pane on the same sheet.
    QLabel* lblVol06StartFolder = nullptr;
    QLabel* lblVol06EndFolder = nullptr;
    LineListView* lstVol06IncludeFolderList = nullptr;
    // In the order of RenameField.
    std::array<QLineEdit*, 5> fields_{};
};

}  // namespace arbovane
