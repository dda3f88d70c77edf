#pragma once

#include <QDialog>
#include <vector>

#include "core/help/Examples.h"

class QButtonGroup;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace arbovane {

class Text;

// An examples window: a tab's fixed sample in read-only fields and the folders and files the
// tab's own simulation makes of it for the chosen option. It keeps its choice between openings.
class ExamplesWindow : public QDialog {
    Q_OBJECT
public:
    ExamplesWindow(const Text& text, ExampleWindow window, QWidget* parent = nullptr);

    ExampleWindow Window() const { return window_; }
    // The kind buttons (copy and creation windows), the mode buttons, the option buttons of the
    // delete and rename windows; empty where a window has none.
    const std::vector<QRadioButton*>& KindButtons() const { return kinds_; }
    const std::vector<QRadioButton*>& ModeButtons() const { return modes_; }
    const std::vector<QRadioButton*>& OptionButtons() const { return options_; }
    QListWidget* Results() const { return results_; }
    QListWidget* Retained() const { return retained_; }
    QLabel* Note() const { return note_; }
    QLineEdit* NewName() const { return newName_; }

private:
    void BuildSample(QFormLayout& form);
    QWidget* BuildOptions();
    void KindChosen(int index);
    void Refill();

    const Text& text_;
    ExampleWindow window_;
    ExampleChoice choice_;
    std::vector<QRadioButton*> kinds_;
    std::vector<QRadioButton*> modes_;
    std::vector<QRadioButton*> options_;
    QButtonGroup* modeGroup_ = nullptr;
    QListWidget* results_ = nullptr;
    QListWidget* retained_ = nullptr;
    QLabel* note_ = nullptr;
    QLineEdit* newName_ = nullptr;
    QPushButton* close_ = nullptr;
};

class TfrmExamplesCopy : public ExamplesWindow {
public:
    explicit TfrmExamplesCopy(const Text& text, QWidget* parent = nullptr)
        : ExamplesWindow(text, ExampleWindow::Copy, parent) {}
};
class TfrmExamplesDelete : public ExamplesWindow {
public:
    explicit TfrmExamplesDelete(const Text& text, QWidget* parent = nullptr)
        : ExamplesWindow(text, ExampleWindow::Delete, parent) {}
};
class TfrmExamplesRename : public ExamplesWindow {
public:
    explicit TfrmExamplesRename(const Text& text, QWidget* parent = nullptr)
        : ExamplesWindow(text, ExampleWindow::Rename, parent) {}
};
// Creating folders from a list of strings.
class TfrmDriveSelect : public ExamplesWindow {
public:
    explicit TfrmDriveSelect(const Text& text, QWidget* parent = nullptr)
        : ExamplesWindow(text, ExampleWindow::Strings, parent) {}
};
class TfrmExamplesCreateFolders : public ExamplesWindow {
public:
    explicit TfrmExamplesCreateFolders(const Text& text, QWidget* parent = nullptr)
        : ExamplesWindow(text, ExampleWindow::FolderList, parent) {}
};
class TfrmExamplesIncreasedNumbers : public ExamplesWindow {
public:
    explicit TfrmExamplesIncreasedNumbers(const Text& text, QWidget* parent = nullptr)
        : ExamplesWindow(text, ExampleWindow::Numbers, parent) {}
};

}  // namespace arbovane
