#include "gui/app/TfrmOverViewHelp.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <iterator>

#include "core/app/ProgramSettings.h"
#include "gui/app/HelpList.h"
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
    "  Which tab do I need?",
    "    Copy Folder Structures: copy one or more templates into every folder of a list.",
    "    Delete Folder Structures: delete selected files, the subfolders, or the folders.",
    "    Rename Folders: rename the last folder of every listed path.",
    "    Create Folder Structures-I: new folders from a list of names, in one destination.",
    "    Create Folder Struct.-II: new folders from a list of full paths.",
    "    Create Folder Struct.-III: new folders from a range of numbers, in one destination.",
    "    Every tab has a Help button and an Examples button.",
    " ",
    "  Can I try a run first?",
    "    Yes. Every operation has a Simulation button: it checks everything and fills the",
    "    Visual Log, but changes nothing on disk.",
    " ",
    "  Can I take a run back?",
    "    The last copy, creation or rename can be undone with the tab's Undo button. Undo",
    "    removes only what that run made, never a folder that holds something you added since,",
    "    and never a file you changed. Deletion cannot be undone.",
    " ",
    "  Will a copy overwrite my files?",
    "    Never. A file or folder that exists already is left as it is and listed as existing.",
    " ",
    "  Does the program follow links?",
    "    No. Links and junctions inside the folders are never entered: a copy lists them, a",
    "    deletion removes the link itself and leaves its target alone.",
    " ",
    "  Where do I see what a run did?",
    "    In the tab's Visual Log window: every folder and file, listed by outcome. Each list",
    "    can be zoomed and exported to a text file.",
    " ",
    "  How do I fill the lists?",
    "    Browse for folders, type them, edit the list as text, import a text or CSV file, or",
    "    let the List Builder collect the folders of a tree at chosen depths.",
    " ",
    "  Which files does a run take?",
    "    Those of the file selection (\"Select/View Files\"), such as *.doc *.txt; \"All.\" means",
    "    every file. The copy tab uses it in its modes with files, the delete tab in its modes",
    "    that delete files.",
    " ",
    "  Can a run stop half way?",
    "    A failure never stops a run: the folder or file is listed under \"other reasons\" and",
    "    the run goes on. While a run goes on, the other tabs are locked.",
    " ",
    "  How do I write paths on Linux?",
    "    As on Windows: Z:\\home\\me\\Clients is /home/me/Clients. More drive letters come from",
    "    drives.txt beside the settings or from the variable ARBOVANE_DRIVES.",
    " ",
    "  Where are my settings kept?",
    "    In the file default.set, in the folder the program was first started from.",
    " ",
    "  Where can I read more?",
    "    In the user guide; the link below opens it.",
};

}  // namespace

TfrmOverViewHelp::TfrmOverViewHelp(GuiContext& context, std::string guidePath, QWidget* parent)
    : QDialog(parent), context_(context), guidePath_(std::move(guidePath)) {
    setObjectName("frmOverViewHelp");
    setWindowTitle(QString::fromUtf8(kProgramTitle) + " OverView, some questions.");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    QListWidget* list = MakeHelpList("lstOverViewHelp", this);
    FillHelpList(*list, {std::begin(kOverviewLines), std::end(kOverviewLines)});
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
    resize(720, 560);
}

void TfrmOverViewHelp::lblOverViewHelpLinkClick() {
    OpenWithShell(context_, guidePath_);
}

}  // namespace arbovane
