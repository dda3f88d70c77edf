#include "gui/app/ProgramApplication.h"

#include <exception>

#include "core/app/ProgramSettings.h"
#include "platform/Messenger.h"

namespace arbovane {

ProgramApplication::ProgramApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void ProgramApplication::ShowError(const char* what) const {
    if (messenger_) messenger_->Show(what, kProgramTitle, kMsgError, MessageOwner::System);
}

bool ProgramApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowError(error.what());
    } catch (...) {
        ShowError("Unknown exception.");
    }
    return false;
}

}  // namespace arbovane
