#include "gui/app/QtMessenger.h"

#include <QApplication>
#include <QMessageBox>

namespace arbovane {

void ConfigureMessageBox(QMessageBox& box, const std::string& text, const std::string& title,
                         int flags) {
    box.setWindowTitle(QString::fromStdString(title));
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    switch (flags) {
        case kMsgError:
            box.setIcon(QMessageBox::Critical);
            break;
        case kMsgWarning:
            box.setIcon(QMessageBox::Warning);
            break;
        case kMsgInformation:
            box.setIcon(QMessageBox::Information);
            break;
        case kMsgQuestion:
            box.setIcon(QMessageBox::Question);
            break;
        default:
            box.setIcon(QMessageBox::NoIcon);
            break;
    }
    if (flags == kMsgQuestion) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
}

int QtMessenger::Show(const std::string& text, const std::string& title, int flags,
                      MessageOwner owner) {
    QWidget* parent = owner == MessageOwner::MainWindow ? QApplication::activeWindow() : nullptr;
    QMessageBox box(parent);
    ConfigureMessageBox(box, text, title, flags);
    const int result = box.exec();
    if (flags != kMsgQuestion) return kAnswerOk;
    return result == QMessageBox::Yes ? kAnswerYes : kAnswerNo;
}

}  // namespace arbovane
