#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QUrl>

#include "gui/lists/FolderListPane.h"
#include "support/MainWindowFixture.h"

namespace arbovane {
namespace {

using testing::ExpectMessages;
using testing::ShownMessage;
using testing::TempDrives;
using Lines = std::vector<std::string>;

// Folders reach the lists the ways of a desktop: several picked in the folder dialog at once,
// dragged from a file manager, pasted as a column of lines.
class DropPasteTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        shell_.MapHostPaths(
            [this](const std::string& host) { return drives_.Fs().ToWindowsPath(host); });
        for (const char* folder : {"Clients/Acme", "Clients/Bolt", "Clients/Cato"})
            TempDrives::MakeHostFolder(host_ + "/" + folder);
        TempDrives::WriteHostFile(host_ + "/Clients/notes.txt", "notes");
        Start();
    }

    QMimeData* Urls(const std::vector<std::string>& relative) {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const std::string& entry : relative)
            urls << (entry.find("://") != std::string::npos
                         ? QUrl(QString::fromStdString(entry))
                         : QUrl::fromLocalFile(QString::fromStdString(host_ + "/" + entry)));
        data->setUrls(urls);
        return data;
    }
    // A file manager's drag: entering the list, then the drop, then the queued work.
    bool Drop(const char* list, QMimeData* data) {
        QWidget* viewport = Find<QListView>(list)->viewport();
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QApplication::processEvents();
        delete data;
        return enter.isAccepted() && drop.isAccepted();
    }
    // The names list takes lines once its destination is chosen.
    void ChooseNamesDestination() {
        TempDrives::MakeHostFolder(host_ + "/New");
        shell_.NextFolder("d:\\New");
        Click("btnVol02AddDestFolder");
    }
    void Paste(const char* list, const std::string& text) {
        QApplication::clipboard()->setText(QString::fromStdString(text));
        QKeyEvent key(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
        QApplication::sendEvent(Find<QListView>(list), &key);
    }
    Lines Include(int tab) { return Main().Pane(tab)->IncludeLines(); }
    Lines Exclude(int tab) { return Main().Pane(tab)->ExcludeLines(); }
    std::string Label(const char* name) { return Find<QLabel>(name)->text().toStdString(); }
};

const char* const kCopyLevel = "Copy Folder Structure(s).-From a Folder List - Level.            ";

TEST_F(DropPasteTest, SeveralFoldersPickedAtOnce) {
    shell_.NextFolders({"d:\\Clients\\Acme", "d:\\Clients\\Bolt"});
    Click("btnVol08AddFolder");
    EXPECT_EQ(Include(0), (Lines{"d:\\Clients\\Acme", "d:\\Clients\\Bolt"}));
    EXPECT_TRUE(messenger_.Shown().empty());

    // Two already listed and a new one: the new one is added, one box tells of the others.
    shell_.NextFolders({"d:\\Clients\\Bolt", "d:\\Clients\\Cato", "d:\\Clients\\Acme"});
    Click("btnVol08AddFolder");
    EXPECT_EQ(Include(0), (Lines{"d:\\Clients\\Acme", "d:\\Clients\\Bolt", "d:\\Clients\\Cato"}));
    EXPECT_EQ(Label("lblVol08IncludeSum"), "3");
    ExpectMessages(messenger_.Shown(),
                   {{"This folder exists in the INCLUDE FOLDER LIST !!!\n\nd:\\Clients\\Bolt\n"
                     "d:\\Clients\\Acme\n",
                     std::string(kCopyLevel) + "Warning no: 0263.", 48}});
    // The copy tab's controls follow its list as after any other addition.
    EXPECT_TRUE(Find<QWidget>("rdoVol08StructureImportFullPaths")->isEnabled());
}

TEST_F(DropPasteTest, DroppedFoldersJoinTheListTheyFallOn) {
    EXPECT_TRUE(Drop("lstVol07IncludeFolderList", Urls({"Clients/Acme", "Clients/Bolt"})));
    EXPECT_TRUE(Drop("lstVol07ExcludeFolderList", Urls({"Clients/Cato", "Clients/Acme"})));
    // The drive table names the letter as the program writes drives.
    EXPECT_EQ(Include(1), (Lines{"D:\\Clients\\Acme", "D:\\Clients\\Bolt"}));
    EXPECT_EQ(Exclude(1), (Lines{"D:\\Clients\\Cato"}));
    EXPECT_EQ(Label("lblVol07ExcludeSum"), "1");
    ExpectMessages(
        messenger_.Shown(),
        {{"This folder exists in the INCLUDE FOLDER LIST !!!",
          "Delete Folder structure(s).-From a Folder List.            Warning no: 0220.", 48}});
}

TEST_F(DropPasteTest, DroppedFilesAreRefused) {
    ChooseNamesDestination();
    const struct {
        const char* list;
        int tab;
        const char* title;
    } cases[] = {
        {"lstVol08IncludeFolderList", 0,
         "Copy Folder Structure(s).-From a Folder List - Level.  "
         "          Warning no: 0621."},
        {"lstVol02IncludeStrings", 3,
         "Creating Folder(s).-From a String List.            Warning no: 0621."},
    };
    for (const auto& c : cases) {
        messenger_.Clear();
        EXPECT_TRUE(Drop(c.list, Urls({"Clients/notes.txt", "https://example.org/x"})));
        EXPECT_TRUE(Include(c.tab).empty());
        ExpectMessages(messenger_.Shown(),
                       {{"Only FOLDERS can be added to the list !!!\nThese items are no folders "
                         "on a drive (files, web addresses), and are not added.\n\n"
                         "D:\\Clients\\notes.txt\nhttps://example.org/x\n",
                         c.title, 48}});
    }
    // Folders dropped with a file still come in.
    messenger_.Clear();
    Drop("lstVol06IncludeFolderList", Urls({"Clients/notes.txt", "Clients/Acme"}));
    EXPECT_EQ(Include(2), (Lines{"D:\\Clients\\Acme"}));
    EXPECT_EQ(messenger_.Shown().size(), 1u);
}

TEST_F(DropPasteTest, AThousandDroppedFoldersComeInWhole) {
    std::vector<std::string> folders;
    for (int i = 0; i < 1000; ++i) folders.push_back("Many/F" + std::to_string(i));
    Drop("lstVol08IncludeFolderList", Urls(folders));
    EXPECT_EQ(Include(0).size(), 1000u);
    EXPECT_EQ(Include(0).back(), "D:\\Many\\F999");
    EXPECT_EQ(Label("lblVol08IncludeSum"), "1000");
    EXPECT_TRUE(messenger_.Shown().empty());
}

// A bad line among pasted ones gives the box that typing it in the tab's entry field gives.
TEST_F(DropPasteTest, PastedLinesWithOneBadLine) {
    ChooseNamesDestination();
    const struct {
        int tab;
        const char *list, *field, *button;
        std::string text, bad;
        Lines after;
    } cases[] = {
        {4,
         "lstVol04IncludeFolderList",
         "edtVol04AddToList",
         "btnVol04AddToList",
         "d:\\Clients\\Acme\r\nq:\\Clients\r\n\r\nd:\\New\\Bolt\n",
         "q:\\Clients",
         {"d:\\Clients\\Acme", "d:\\New\\Bolt"}},
        {3,
         "lstVol02IncludeStrings",
         "edtVol02AddToList",
         "btnVol02AddToList",
         "Zed\nAcme\nBad?Name\nBolt/Sub",
         "Bad?Name",
         {"Acme", "Bolt\\Sub", "Zed"}},
    };
    for (const auto& c : cases) {
        messenger_.Clear();
        Paste(c.list, c.text);
        EXPECT_EQ(Include(c.tab), c.after);
        const std::vector<ShownMessage> pasted = messenger_.Shown();
        ASSERT_EQ(pasted.size(), 1u);

        messenger_.Clear();
        Find<QLineEdit>(c.field)->setText(QString::fromStdString(c.bad));
        Click(c.button);
        ASSERT_EQ(messenger_.Shown().size(), 1u);
        EXPECT_EQ(pasted[0].text, messenger_.Shown()[0].text);
        EXPECT_EQ(pasted[0].title, messenger_.Shown()[0].title);
        EXPECT_EQ(Include(c.tab), c.after);
    }
}

}  // namespace
}  // namespace arbovane
