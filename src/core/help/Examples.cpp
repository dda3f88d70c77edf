#include "core/help/Examples.h"

#include <map>
#include <memory>

#include "core/ops/copy/CopyRun.h"
#include "core/ops/copy/CopyTotals.h"
#include "core/ops/create/CreateRun.h"
#include "core/ops/delete/DeleteRun.h"
#include "core/ops/rename/FolderRename.h"
#include "core/visuallog/VisualLog.h"
#include "platform/FileSystem.h"
#include "platform/Messenger.h"
#include "platform/Text.h"

namespace arbovane {

namespace {

const std::vector<std::string> kRelative = {"\\Seo\\Seo1", "\\Seo\\Seo2"};

std::vector<ExampleTemplate> FullPathTemplates(const std::string& mailFolder) {
    return {{"e:\\Marketing", {mailFolder + "\\", mailFolder + "\\Brochure.txt"}},
            {"f:\\Programs", {"Beta\\", "Beta\\anchors.cpp"}}};
}

ExampleSample CopySample() {
    ExampleSample sample;
    sample.includeLines = {"f:\\Clients\\Company01", "f:\\Clients\\Company02"};
    sample.relativeTemplates = kRelative;
    sample.fullPathTemplates = FullPathTemplates("E-mails");
    return sample;
}

ExampleSample DeleteSample() {
    ExampleSample sample;
    sample.includeLines = {"f:\\Clients\\Customer1", "f:\\Clients\\Customer2"};
    sample.includeEntries = {
        "f:\\Clients\\Customer1\\index.html",
        "f:\\Clients\\Customer1\\Marketing\\",
        "f:\\Clients\\Customer1\\Marketing\\Emails\\",
        "f:\\Clients\\Customer1\\Marketing\\Emails\\License.doc",
        "f:\\Clients\\Customer2\\basic.swf",
        "f:\\Clients\\Customer2\\Programs\\",
        "f:\\Clients\\Customer2\\Programs\\Beta\\",
        "f:\\Clients\\Customer2\\Programs\\Beta\\Main.cpp",
    };
    return sample;
}

ExampleSample RenameSample() {
    ExampleSample sample;
    sample.includeLines = {"f:\\Clients\\Customer1\\Emails", "f:\\Clients\\Customer2\\SEO"};
    sample.rename.prefix = "2014";
    sample.rename.firstDelimiter = "-";
    sample.rename.secondDelimiter = "_";
    sample.rename.suffix = "July";
    sample.rename.newName = "Company";
    return sample;
}

ExampleSample CreateSample(ExampleWindow window) {
    ExampleSample sample;
    sample.relativeTemplates = kRelative;
    sample.hyphen = true;
    sample.fullPathTemplates =
        FullPathTemplates(window == ExampleWindow::FolderList ? "E-mails" : "Emails");
    switch (window) {
        case ExampleWindow::Strings:
            sample.destination = "f:\\Clients";
            sample.includeLines = {"Customer1", "Customer2"};
            sample.prefix = "2014";
            sample.suffix = "July";
            break;
        case ExampleWindow::FolderList:
            sample.includeLines = {"f:\\Clients\\Company01", "f:\\Clients\\Company02"};
            sample.prefix = "2014";
            sample.suffix = "July";
            break;
        default:
            sample.destination = "f:\\Clients";
            sample.prefix = "Customer";
            sample.suffix = "2014";
            sample.startNumber = "1";
            sample.endNumber = "2";
            sample.padded = true;
            break;
    }
    return sample;
}

// Questions are answered Yes and every other box is dropped: the sample is never a real run.
class QuietMessenger : public Messenger {
public:
    int Show(const std::string&, const std::string&, int flags, MessageOwner) override {
        return flags == kMsgQuestion ? kAnswerYes : kAnswerOk;
    }
};

bool Make(FileSystem& fs, const std::string& path) {
    if (path.back() == '\\') return fs.CreateFolderTree(path.substr(0, path.size() - 1));
    const auto slash = path.rfind('\\');
    return fs.CreateFolderTree(path.substr(0, slash)) && fs.WriteWholeFile(path, "example");
}

bool Arrange(FileSystem& fs, ExampleWindow window, const ExampleSample& sample) {
    bool made = fs.CreateFolderTree("f:\\Clients");
    for (const auto& tree : sample.fullPathTemplates) {
        made = fs.CreateFolderTree(tree.folder) && made;
        for (const auto& entry : tree.entries) made = Make(fs, tree.folder + "\\" + entry) && made;
    }
    // The include folders exist for the tabs that work on existing folders.
    if (window == ExampleWindow::Copy || window == ExampleWindow::Delete ||
        window == ExampleWindow::Rename) {
        for (const auto& line : sample.includeLines) made = fs.CreateFolderTree(line) && made;
    }
    for (const auto& entry : sample.includeEntries) made = Make(fs, entry) && made;
    return made;
}

// The tree order of a walk's entries: a folder before what it holds, siblings in the order the
// walk first met them. Folders end in a backslash.
class EntryTree {
public:
    explicit EntryTree(const Text& text) : text_(text) {}

    void Add(const std::string& entry) {
        Node* node = &root_;
        std::size_t pos = 0;
        while (pos < entry.size()) {
            auto next = entry.find('\\', pos);
            const bool folder = next != std::string::npos;
            if (!folder) next = entry.size();
            // "f:" and its root share the first node.
            const std::string name = entry.substr(pos, next - pos);
            pos = next + 1;
            if (name.empty()) continue;
            node = node->ChildNamed(name, text_);
            if (folder && pos < entry.size()) node->isFolder = true;
            if (pos >= entry.size()) {
                node->listed = true;
                node->isFolder = node->isFolder || folder;
            }
        }
    }
    // The listed entries without any listed entry below them, in tree order.
    std::vector<std::string> Deepest() const {
        std::vector<std::string> out;
        Walk(root_, "", [&](const Node& node, const std::string& path) {
            if (node.listed && !node.HoldsListed()) out.push_back(path);
        });
        return out;
    }
    std::vector<std::string> Listed() const {
        std::vector<std::string> out;
        Walk(root_, "", [&](const Node& node, const std::string& path) {
            if (node.listed) out.push_back(path);
        });
        return out;
    }
    // Every entry that is neither listed in gone nor below one that is.
    std::vector<std::string> Remaining(const EntryTree& gone) const {
        std::vector<std::string> out;
        Remaining(root_, &gone.root_, "", out);
        return out;
    }

private:
    struct Node {
        std::string name;
        bool listed = false;
        bool isFolder = false;
        std::vector<std::unique_ptr<Node>> children;

        Node* ChildNamed(const std::string& childName, const Text& text) {
            if (Node* found = Find(childName, text)) return found;
            children.push_back(std::make_unique<Node>());
            children.back()->name = childName;
            return children.back().get();
        }
        Node* Find(const std::string& childName, const Text& text) const {
            for (const auto& child : children)
                if (text.EqualsNoCase(child->name, childName)) return child.get();
            return nullptr;
        }
        bool HoldsListed() const {
            for (const auto& child : children)
                if (child->listed || child->HoldsListed()) return true;
            return false;
        }
    };

    template <typename Visit>
    static void Walk(const Node& node, const std::string& path, const Visit& visit) {
        for (const auto& child : node.children) {
            const std::string childPath = path.empty() ? child->name : path + "\\" + child->name;
            visit(*child, childPath);
            Walk(*child, childPath, visit);
        }
    }
    void Remaining(const Node& node, const Node* gone, const std::string& path,
                   std::vector<std::string>& out) const {
        for (const auto& child : node.children) {
            const Node* goneChild = gone ? gone->Find(child->name, text_) : nullptr;
            if (goneChild && goneChild->listed) continue;
            const std::string childPath = path.empty() ? child->name : path + "\\" + child->name;
            if (child->listed) out.push_back(childPath);
            Remaining(*child, goneChild, childPath, out);
        }
    }

    const Text& text_;
    Node root_;
};

template <typename Category>
void AddLines(EntryTree& tree, const VisualLog& log, std::initializer_list<Category> categories) {
    for (const auto category : categories)
        for (const auto& line : log.Lines(category)) tree.Add(line);
}

void RunCopy(FileSystem& fs, const Text& text, const ExampleSample& sample,
             const ExampleChoice& choice, VisualLog& log) {
    QuietMessenger messenger;
    CopyRunPorts ports{fs, text, messenger, log};
    CopyTabOptions options;
    options.includeLines = sample.includeLines;
    options.kind = choice.kind;
    options.mode = choice.kind == TemplateKind::FullPath ? choice.mode : AttachMode::None;
    for (const auto& tree : sample.fullPathTemplates)
        if (choice.kind == TemplateKind::FullPath) options.templates.push_back(tree.folder);
    if (choice.kind == TemplateKind::Relative) options.templates = sample.relativeTemplates;
    // The tab's file selection when nothing is chosen.
    options.patterns = {"*.*"};
    options.showVisualLog = false;
    CopyTotals totals;
    RunCopySimulation(ports, totals, options, {});
}

void RunCreate(FileSystem& fs, const Text& text, ExampleWindow window, const ExampleSample& sample,
               const ExampleChoice& choice, VisualLog& log) {
    QuietMessenger messenger;
    CreateRunPorts ports{fs, text, messenger, log};
    CreateTabOptions options;
    options.tab = window == ExampleWindow::Strings      ? CreateTab::StringList
                  : window == ExampleWindow::FolderList ? CreateTab::FolderList
                                                        : CreateTab::Numbers;
    options.destination = sample.destination;
    options.includeLines = sample.includeLines;
    options.startText = sample.startNumber;
    options.endText = sample.endNumber;
    options.prefix = sample.prefix;
    options.suffix = sample.suffix;
    options.hyphen = sample.hyphen;
    options.padded = sample.padded;
    options.kind = choice.kind;
    options.mode = choice.kind == TemplateKind::FullPath ? choice.mode : AttachMode::None;
    if (choice.kind == TemplateKind::Relative) options.templates = sample.relativeTemplates;
    if (choice.kind == TemplateKind::FullPath)
        for (const auto& tree : sample.fullPathTemplates) options.templates.push_back(tree.folder);
    options.showVisualLog = false;
    options.showExplorer = false;
    CopyTotals totals;
    RunCreateSimulation(ports, totals, options, {});
}

}  // namespace

const ExampleSample& SampleOf(ExampleWindow window) {
    static const std::map<ExampleWindow, ExampleSample> samples = {
        {ExampleWindow::Copy, CopySample()},
        {ExampleWindow::Delete, DeleteSample()},
        {ExampleWindow::Rename, RenameSample()},
        {ExampleWindow::Strings, CreateSample(ExampleWindow::Strings)},
        {ExampleWindow::FolderList, CreateSample(ExampleWindow::FolderList)},
        {ExampleWindow::Numbers, CreateSample(ExampleWindow::Numbers)},
    };
    return samples.at(window);
}

bool RunExample(FileSystem& fs, const Text& text, ExampleWindow window, const ExampleChoice& choice,
                ExampleResult& result) {
    result = {};
    const ExampleSample& sample = SampleOf(window);
    if (!Arrange(fs, window, sample)) return false;
    EntryTree made(text);
    switch (window) {
        case ExampleWindow::Copy: {
            VisualLog log(VisualLogTab::Vol08);
            RunCopy(fs, text, sample, choice, log);
            AddLines(made, log,
                     {Vol08Category::FoldersCopied, Vol08Category::SubFoldersCopied,
                      Vol08Category::FilesCopied});
            result.results = made.Deepest();
            break;
        }
        case ExampleWindow::Delete: {
            VisualLog log(VisualLogTab::Vol07);
            QuietMessenger messenger;
            DeleteTabOptions options;
            options.includeLines = sample.includeLines;
            options.mode = choice.deleteMode;
            options.showVisualLog = false;
            RunDeleteSimulation({fs, text, messenger, log}, options, {});
            AddLines(made, log, {Vol07Category::FoldersDeleted, Vol07Category::FilesDeleted});
            result.results = made.Listed();
            EntryTree all(text);
            all.Add("f:\\Clients\\");
            for (const auto& line : sample.includeLines) all.Add(line + "\\");
            for (const auto& entry : sample.includeEntries) all.Add(entry);
            result.retained = all.Remaining(made);
            break;
        }
        case ExampleWindow::Rename: {
            VisualLog log(VisualLogTab::Vol06);
            RenameFields fields = sample.rename;
            fields.method = choice.renameMethod;
            FolderRename(fs, log, fields).Simulate(sample.includeLines);
            result.results = log.Lines(Vol06Category::FoldersRenamed);
            break;
        }
        default: {
            VisualLog log(window == ExampleWindow::Strings      ? VisualLogTab::Vol02
                          : window == ExampleWindow::FolderList ? VisualLogTab::Vol04
                                                                : VisualLogTab::Vol03);
            RunCreate(fs, text, window, sample, choice, log);
            AddLines(made, log,
                     {CreationCategory::FoldersCreated, CreationCategory::SubFoldersCreated,
                      CreationCategory::FilesCreated});
            result.results = made.Deepest();
            break;
        }
    }
    return true;
}

}  // namespace arbovane
