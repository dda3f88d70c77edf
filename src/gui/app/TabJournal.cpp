#include "gui/app/TabJournal.h"

#include "core/run/JournalKeeper.h"
#include "core/run/RunMessages.h"
#include "gui/app/GuiContext.h"
#include "platform/Messenger.h"

namespace arbovane {

FileSystem& TabJournal::RunFileSystem(const RunJournal& identity) {
    return keeper_ ? keeper_->RunFileSystem(identity) : context_.fs;
}

void TabJournal::EndRun(const RunJournal& journal) {
    if (!keeper_ || keeper_->Path().empty()) return;
    if (keeper_->EndRun(journal)) {
        failureShown_ = false;
        return;
    }
    if (failureShown_) return;
    failureShown_ = true;
    const OpMessage message = RunMessage(tab_, RunMessageId::JournalNotWritten, keeper_->Path());
    context_.messenger.Show(message.text, message.title, message.flags);
}

bool TabJournal::Damaged() const {
    return keeper_ && !keeper_->DamageReason().empty();
}

bool TabJournal::RefuseDamaged() {
    if (!Damaged()) return false;
    const OpMessage message =
        RunMessage(tab_, RunMessageId::JournalDamaged, keeper_->DamageReason());
    context_.messenger.Show(message.text, message.title, message.flags);
    return true;
}

FileSystem& TabJournal::UndoFileSystem() {
    return keeper_ ? keeper_->UndoFileSystem() : context_.fs;
}

UndoHooks TabJournal::Hooks(std::function<RunJournal()> current) {
    if (!keeper_) return {};
    return {[this, current] { keeper_->BeginUndo(current()); },
            [this, current] { keeper_->EndUndo(current()); }};
}

void TabJournal::Forget() {
    if (keeper_) keeper_->Forget();
}

}  // namespace arbovane
