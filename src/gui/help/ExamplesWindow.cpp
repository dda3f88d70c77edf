#include "gui/help/ExamplesWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/memory/MemoryFileSystem.h"

namespace arbovane {

namespace {

struct WindowTexts {
    const char* objectName;
    const char* caption;
    const char* note;
    const char* relativeKind;  // copy and creation windows
};

const char* const kTestOptions =
    "You can test different options by selecting different radio buttons.";

WindowTexts TextsOf(ExampleWindow window) {
    switch (window) {
        case ExampleWindow::Copy:
            return {"frmExamplesCopy",
                    "Examples - Copying Folder Structures (Templates)  to a List of Folders",
                    kTestOptions, "Folder Structures in Text Files (No Drive Letter)."};
        case ExampleWindow::Delete:
            return {"frmExamplesDelete", "Examples - Deleting Multiple Folders and/or Files.",
                    "You can select different options by selecting different radio buttons.",
                    nullptr};
        case ExampleWindow::Rename:
            return {"frmExamplesRename", "Examples - Renaming Multiple Folders.", kTestOptions,
                    nullptr};
        case ExampleWindow::Strings:
            return {"frmDriveSelect",
                    "Examples - Creating Multiple Folders from a List of Strings.",
                    "You can test different options by selecting different radio buttons",
                    "Folder Structures from Text Files (No Drive Letter)."};
        case ExampleWindow::FolderList:
            return {"frmExamplesCreateFolders",
                    "Examples - Creating Multiple Folders using a List of Folders", kTestOptions,
                    "Folder Structures from Text Files (No Drive Letter)."};
        case ExampleWindow::Numbers:
            break;
    }
    return {"frmExamplesIncreasedNumbers",
            "Examples - Creating Multiple Folders using Increased  Numbers.", kTestOptions,
            "Folder Structures from Text Files (No Drive Letter)."};
}

const char* const kModeTexts[] = {"Main Folders and their Subfolders.", "Subfolders Only.",
                                  "Main F. and their Subfold. - with Files",
                                  "Subfolders Only - with files."};
const AttachMode kModes[] = {AttachMode::MainFolderWithoutFiles,
                             AttachMode::SubFoldersOnlyWithoutFiles,
                             AttachMode::MainFolderWithFiles, AttachMode::SubFoldersOnlyWithFiles};

const char* const kDeleteTexts[] = {
    "Delete Complete Subfolder Structures - retain Main Folders.",
    "Delete List of Main Folders with Complete Structures - retain Nothing ",
    "Delete Selected Files from Main Folders Only. ",
    "Delete Selected Files from Main Folders and Subfolders too."};
const DeleteTabMode kDeleteModes[] = {DeleteTabMode::SubfoldersOnly, DeleteTabMode::Complete,
                                      DeleteTabMode::FilesInMainFolder, DeleteTabMode::FilesInTree};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QLineEdit* Field(const std::string& text, QWidget* parent) {
    auto* field = new QLineEdit(Q(text), parent);
    field->setReadOnly(true);
    return field;
}

QListWidget* List(const std::vector<std::string>& lines, QWidget* parent) {
    auto* list = new QListWidget(parent);
    for (const auto& line : lines) list->addItem(Q(line));
    // Tall enough for every line: the sample is short and never scrolls.
    list->setFixedHeight(list->sizeHintForRow(0) * std::max<int>(2, lines.size()) + 8);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    return list;
}

// A ticked box that cannot be changed: the sample's hyphen and padding.
QCheckBox* TickedBox(const char* text, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setChecked(true);
    box->setEnabled(false);
    return box;
}

// The template trees as an indented outline.
std::vector<std::string> Outline(const std::vector<ExampleTemplate>& templates) {
    std::vector<std::string> lines;
    for (const auto& tree : templates) {
        lines.push_back(tree.folder);
        for (const auto& entry : tree.entries) {
            std::string name = entry;
            if (name.back() == '\\') name.pop_back();
            const auto depth = std::count(name.begin(), name.end(), '\\');
            const auto slash = name.rfind('\\');
            lines.push_back(std::string(4 * (depth + 1), ' ') +
                            (slash == std::string::npos ? name : name.substr(slash + 1)));
        }
    }
    return lines;
}

bool IsCreation(ExampleWindow window) {
    return window == ExampleWindow::Strings || window == ExampleWindow::FolderList ||
           window == ExampleWindow::Numbers;
}

}  // namespace

ExamplesWindow::ExamplesWindow(const Text& text, ExampleWindow window, QWidget* parent)
    : QDialog(parent), text_(text), window_(window) {
    const WindowTexts texts = TextsOf(window);
    setObjectName(texts.objectName);
    setWindowTitle(texts.caption);
    setModal(true);

    auto* sample = new QGroupBox("Sample", this);
    auto* form = new QFormLayout(sample);
    BuildSample(*form);

    auto* resultsBox = new QGroupBox("Results", this);
    auto* resultsLayout = new QVBoxLayout(resultsBox);
    results_ = new QListWidget(resultsBox);
    results_->setObjectName("lstExamplesResults");
    if (window == ExampleWindow::Delete) {
        resultsLayout->addWidget(new QLabel("Deleted Folders and/or Files", resultsBox));
        resultsLayout->addWidget(results_, 1);
        resultsLayout->addWidget(new QLabel("Retain", resultsBox));
        retained_ = new QListWidget(resultsBox);
        retained_->setObjectName("lstExamplesRetain");
        resultsLayout->addWidget(retained_, 1);
    } else {
        resultsLayout->addWidget(results_, 1);
    }

    auto* important = new QLabel("IMPORTANT !!!", this);
    QFont bold = important->font();
    bold.setBold(true);
    important->setFont(bold);
    note_ = new QLabel(texts.note, this);
    note_->setObjectName("lblExamplesNote");
    close_ = new QPushButton("Close", this);
    close_->setObjectName("btnExamplesClose");
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(sample);
    left->addWidget(BuildOptions());
    left->addStretch(1);
    top->addLayout(left, 1);
    top->addWidget(resultsBox, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(important);
    bottom->addWidget(note_, 1);
    bottom->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    resize(980, 600);

    // The first option of every group.
    if (!kinds_.empty()) kinds_.front()->setChecked(true);
    if (!options_.empty()) options_.front()->setChecked(true);
    KindChosen(0);
}

void ExamplesWindow::BuildSample(QFormLayout& form) {
    QWidget* box = form.parentWidget();
    const ExampleSample& sample = SampleOf(window_);
    if (!sample.destination.empty())
        form.addRow("Destination Folder:", Field(sample.destination, box));
    const char* listCaption =
        window_ == ExampleWindow::Strings ? "List of Strings:" : "Include Folder List:";
    if (!sample.includeLines.empty()) form.addRow(listCaption, List(sample.includeLines, box));
    switch (window_) {
        case ExampleWindow::Delete: {
            std::vector<std::string> folders;
            std::vector<std::string> files;
            for (const auto& entry : sample.includeEntries) {
                if (entry.back() != '\\') {
                    files.push_back(entry);
                } else if (std::none_of(sample.includeEntries.begin(), sample.includeEntries.end(),
                                        [&](const std::string& other) {
                                            return other.back() == '\\' &&
                                                   other.size() > entry.size() &&
                                                   other.compare(0, entry.size(), entry) == 0;
                                        })) {
                    folders.push_back(entry.substr(0, entry.size() - 1));
                }
            }
            form.addRow("Subfolders:", List(folders, box));
            form.addRow("Files:", List(files, box));
            form.addRow("", new QLabel("Active File Types: ALL.", box));
            return;
        }
        case ExampleWindow::Rename:
            form.addRow("New Prefix:", Field(sample.rename.prefix, box));
            form.addRow("Delimiter after the Prefix:", Field(sample.rename.firstDelimiter, box));
            form.addRow("Delimiter before the Suffix:", Field(sample.rename.secondDelimiter, box));
            form.addRow("New Suffix:", Field(sample.rename.suffix, box));
            newName_ = Field(sample.rename.newName, box);
            newName_->setObjectName("edtExamplesNewName");
            newName_->setEnabled(false);
            form.addRow("New Last Subfolder Name:", newName_);
            return;
        default:
            break;
    }
    if (IsCreation(window_)) {
        form.addRow("Prefix:", Field(sample.prefix, box));
        form.addRow("Suffix:", Field(sample.suffix, box));
        if (window_ == ExampleWindow::Numbers) {
            form.addRow("Start Number:", Field(sample.startNumber, box));
            form.addRow("End Number:", Field(sample.endNumber, box));
        }
        form.addRow("", TickedBox("Hyphen", box));
        if (sample.padded) form.addRow("", TickedBox("Padding with zeros", box));
    }
    form.addRow("Folder Structures in Text Files:", List(sample.relativeTemplates, box));
    form.addRow("Existing Folder Structures:", List(Outline(sample.fullPathTemplates), box));
}

QWidget* ExamplesWindow::BuildOptions() {
    auto* box = new QGroupBox("Options", this);
    auto* layout = new QVBoxLayout(box);
    if (window_ == ExampleWindow::Delete || window_ == ExampleWindow::Rename) {
        const std::vector<const char*> texts =
            window_ == ExampleWindow::Delete
                ? std::vector<const char*>(std::begin(kDeleteTexts), std::end(kDeleteTexts))
                : std::vector<const char*>{"Add Prefix and/or Suffix", "Rename the Last Subfolder"};
        auto* group = new QButtonGroup(box);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            auto* button = new QRadioButton(texts[i], box);
            group->addButton(button, static_cast<int>(i));
            layout->addWidget(button);
            options_.push_back(button);
        }
        connect(group, &QButtonGroup::idClicked, this, [this](int id) {
            if (window_ == ExampleWindow::Delete)
                choice_.deleteMode = kDeleteModes[id];
            else
                choice_.renameMethod =
                    id == 0 ? RenameMethod::AddPrefixSuffix : RenameMethod::ReplaceLastName;
            if (newName_) newName_->setEnabled(id == 1);
            Refill();
        });
        return box;
    }
    std::vector<const char*> kindTexts = {TextsOf(window_).relativeKind,
                                          "Existing Folder Structures (Hard Drive...)."};
    if (IsCreation(window_)) kindTexts.push_back("Attach Nothing");
    auto* kindGroup = new QButtonGroup(box);
    for (std::size_t i = 0; i < kindTexts.size(); ++i) {
        auto* button = new QRadioButton(kindTexts[i], box);
        kindGroup->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
        kinds_.push_back(button);
        if (i == 1) {
            // The modes belong to the existing structures.
            auto* modes = new QVBoxLayout;
            modes->setContentsMargins(24, 0, 0, 0);
            modeGroup_ = new QButtonGroup(box);
            for (std::size_t m = 0; m < std::size(kModeTexts); ++m) {
                auto* mode = new QRadioButton(kModeTexts[m], box);
                modeGroup_->addButton(mode, static_cast<int>(m));
                modes->addWidget(mode);
                modes_.push_back(mode);
            }
            layout->addLayout(modes);
        }
    }
    connect(kindGroup, &QButtonGroup::idClicked, this, &ExamplesWindow::KindChosen);
    connect(modeGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        choice_.mode = kModes[id];
        Refill();
    });
    return box;
}

void ExamplesWindow::KindChosen(int index) {
    if (!kinds_.empty()) {
        choice_.kind = index == 0   ? TemplateKind::Relative
                       : index == 1 ? TemplateKind::FullPath
                                    : TemplateKind::Nothing;
        const bool existing = choice_.kind == TemplateKind::FullPath;
        // A button group keeps one button checked; lifting exclusivity lets the modes clear.
        modeGroup_->setExclusive(false);
        for (auto* mode : modes_) {
            mode->setChecked(false);
            mode->setEnabled(existing);
        }
        modeGroup_->setExclusive(true);
        if (existing) {
            modes_.front()->setChecked(true);
            choice_.mode = kModes[0];
        }
    }
    Refill();
}

void ExamplesWindow::Refill() {
    results_->clear();
    if (retained_) retained_->clear();
    MemoryFileSystem fs(text_);
    fs.AddDrive('E');
    fs.AddDrive('F');
    ExampleResult result;
    if (!RunExample(fs, text_, window_, choice_, result)) return;
    for (const auto& line : result.results) results_->addItem(Q(line));
    if (retained_)
        for (const auto& line : result.retained) retained_->addItem(Q(line));
}

}  // namespace arbovane
