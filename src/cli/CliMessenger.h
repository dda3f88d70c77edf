#pragma once

#include <iosfwd>
#include <string>

#include "platform/Messenger.h"

namespace arbovane {

// Every box the engine would show, on standard error with its number; a question is answered as
// the command allows, never asked. Texts that name a window control are printed as the box has
// them, followed by a line naming the option that stands for the control.
class CliMessenger : public Messenger {
public:
    CliMessenger(std::ostream& err, bool answerYes, bool quiet)
        : err_(err), answerYes_(answerYes), quiet_(quiet) {}

    int Show(const std::string& text, const std::string& title, int flags,
             MessageOwner owner = MessageOwner::MainWindow) override;

    // The run has begun its items: from now on every box but the run's last one (its end
    // message) is about an item that did not reach its outcome.
    void RunBegan() { sinceRunBegan_ = 0, counting_ = true; }
    int ItemBoxes() const { return sinceRunBegan_ > 0 ? sinceRunBegan_ - 1 : 0; }
    int Errors() const { return errors_; }

private:
    std::ostream& err_;
    bool answerYes_;
    bool quiet_;
    bool counting_ = false;
    int sinceRunBegan_ = 0;
    int errors_ = 0;
};

}  // namespace arbovane
