#include "gui/app/TfrmOverViewHelp.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/app/ProgramSettings.h"
#include "gui/app/ShellOpen.h"
#include "platform/Shell.h"

namespace arbovane {

namespace {

const char* const kOverviewLines[] = {
    " ",
    "  What is it for?",
    "    Giving many parallel folders (one per customer, project, course or year) the same inner",
    "    structure, cleaning them out, renaming them or creating new ones, all in one run.",
    " ",
    "  Can I try a run first?",
    "    Yes. Every operation has a Simulation button: it checks everything and fills the",
    "    Visual Log, but changes nothing on disk.",
    " ",
    "  Can I take a run back?",
    "    The last copy, creation or rename can be undone with the tab's Undo button. Undo",
    "    never removes a folder that holds something you added since. Deletion cannot be undone.",
    " ",
    "  Where do I see what a run did?",
    "    In the tab's Visual Log window: every folder and file, listed by outcome. Each list",
    "    can be zoomed and exported to a text file.",
    " ",
    "  How do I fill the lists?",
    "    Browse for folders, type them, edit the list as text, import a text or CSV file, or",
    "    let the Subfolder List Builder collect the folders of a tree at chosen depths.",
    " ",
    "  Where are my settings kept?",
    "    In the file default.set, in the folder the program was first started from.",
};

}  // namespace

TfrmOverViewHelp::TfrmOverViewHelp(GuiContext& context, std::string guidePath, QWidget* parent)
    : QDialog(parent), context_(context), guidePath_(std::move(guidePath)) {
    setObjectName("frmOverViewHelp");
    setWindowTitle(QString::fromUtf8(kProgramTitle) + " OverView, some questions.");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* list = new QListWidget(this);
    list->setObjectName("lstOverViewHelp");
    for (const char* line : kOverviewLines) list->addItem(QString::fromUtf8(line));
    layout->addWidget(list);
    auto* link = new QPushButton("Read the user guide", this);
    link->setObjectName("lblOverViewHelpLink");
    link->setFlat(true);
    connect(link, &QPushButton::clicked, this, &TfrmOverViewHelp::lblOverViewHelpLinkClick);
    layout->addWidget(link, 0, Qt::AlignLeft);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("btnOverViewHelpOk");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
    resize(640, 420);
}

void TfrmOverViewHelp::lblOverViewHelpLinkClick() {
    OpenWithShell(context_, guidePath_);
}

}  // namespace arbovane
