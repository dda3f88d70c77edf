#include "gui/app/TfrmAbout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/app/ProgramSettings.h"
#include "gui/app/ShellOpen.h"
#include "platform/Shell.h"

namespace arbovane {

TfrmAbout::TfrmAbout(GuiContext& context, std::string guidePath, QWidget* parent)
    : QDialog(parent), context_(context), guidePath_(std::move(guidePath)) {
    setObjectName("AboutBox");
    setWindowTitle("About");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QString::fromUtf8(kProgramTitle), this);
    title->setObjectName("lblAboutTitle");
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel(
        "Creates, copies, renames and deletes folder structures in bulk.\n"
        "Every run can first be made as a Simulation; the last copy, creation\n"
        "or rename can be undone.",
        this);
    text->setAlignment(Qt::AlignCenter);
    auto* guide = new QPushButton("User guide", this);
    guide->setObjectName("lblAboutGuide");
    guide->setFlat(true);
    connect(guide, &QPushButton::clicked, this, &TfrmAbout::lblAboutGuideClick);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("btnAboutOk");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addWidget(guide, 0, Qt::AlignCenter);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

int TfrmAbout::ShowCentred() {
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return exec();
}

void TfrmAbout::lblAboutGuideClick() {
    OpenWithShell(context_, guidePath_);
}

}  // namespace arbovane
