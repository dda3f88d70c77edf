#pragma once

#include <deque>
#include <functional>
#include <optional>
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
    // The next folder dialog picks these together.
    void NextFolders(std::vector<std::string> folders) {
        pickedTogether_.push_back(std::move(folders));
    }
    // How dropped host paths reach the drives; none reach them until set.
    void MapHostPaths(std::function<std::optional<std::string>(const std::string&)> toWindows) {
        toWindows_ = std::move(toWindows);
    }
    void NextFile(const std::string& file) { files_.push_back(file); }
    // From now on "open" fails, as when no program is set up for the target.
    void FailOpens(bool fail = true) { failOpens_ = fail; }
    const std::vector<Call>& Calls() const { return calls_; }

    bool BrowseForFolder(const std::string& caption, const std::string& startFolder,
                         std::string& chosen) override {
        calls_.push_back({"browse", caption, startFolder});
        return Take(folders_, chosen);
    }
    bool BrowseForFolders(const std::string& caption, const std::string& startFolder,
                          std::vector<std::string>& chosen) override {
        if (pickedTogether_.empty()) return Shell::BrowseForFolders(caption, startFolder, chosen);
        calls_.push_back({"browse", caption, startFolder});
        chosen = pickedTogether_.front();
        pickedTogether_.pop_front();
        return true;
    }
    std::optional<std::string> WindowsPathOf(const std::string& hostPath) override {
        if (!toWindows_) return std::nullopt;
        return toWindows_(hostPath);
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
    std::deque<std::vector<std::string>> pickedTogether_;
    std::function<std::optional<std::string>(const std::string&)> toWindows_;
    std::deque<std::string> files_;
    std::vector<Call> calls_;
    bool failOpens_ = false;
};

}  // namespace arbovane::testing
