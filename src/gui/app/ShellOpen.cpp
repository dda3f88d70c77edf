#include "gui/app/ShellOpen.h"

#include "core/app/OpenFailure.h"
#include "gui/app/GuiContext.h"
#include "platform/Messenger.h"
#include "platform/Shell.h"

namespace arbovane {

bool OpenWithShell(GuiContext& context, const std::string& target) {
    if (context.shell.Open(target)) return true;
    const OpenFailure failure = OpenFailureFor(context.fs, target);
    context.messenger.Show(failure.text, failure.title, failure.flags, MessageOwner::MainWindow);
    return false;
}

}  // namespace arbovane
