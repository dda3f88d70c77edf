#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace arbovane::testing {

// Returns scripted dialog results in order (an empty script means Cancel) and records every call.
class ScriptedShell : public Shell {
public:
    struct Call {
        std::string kind;  // "browse", "open", "openfile", "savefile"
        std::string title;
        std::string argument;  // start folder, target, filter
    };

    void NextFolder(const std::string& folder) { folders_.push_back(folder); }
    void NextFile(const std::string& file) { files_.push_back(file); }
    // From now on "open" fails, as when no program is set up for the target.
    void FailOpens(bool fail = true) { failOpens_ = fail; }
    const std::vector<Call>& Calls() const { return calls_; }

    bool BrowseForFolder(const std::string& caption, const std::string& startFolder,
                         std::string& chosen) override {
        calls_.push_back({"browse", caption, startFolder});
        return Take(folders_, chosen);
    }
    bool Open(const std::string& target) override {
        calls_.push_back({"open", "", target});
        return !failOpens_;
    }
    bool OpenFileDialog(const std::string& title, const std::string& filter,
                        const std::string& /*initialFolder*/, std::string& chosen) override {
        calls_.push_back({"openfile", title, filter});
        return Take(files_, chosen);
    }
    bool SaveFileDialog(const std::string& title, const std::string& filter,
                        const std::string& /*defaultExtension*/, const std::string& /*initialName*/,
                        std::string& chosen) override {
        calls_.push_back({"savefile", title, filter});
        return Take(files_, chosen);
    }

private:
    static bool Take(std::deque<std::string>& queue, std::string& chosen) {
        if (queue.empty()) return false;
        chosen = queue.front();
        queue.pop_front();
        return true;
    }

    std::deque<std::string> folders_;
    std::deque<std::string> files_;
    std::vector<Call> calls_;
    bool failOpens_ = false;
};

}  // namespace arbovane::testing
