#pragma once

#include <string>

#include "platform/Shell.h"

namespace arbovane {

// The benchmarks open no dialogs: every shell call is declined.
class NoShell : public Shell {
public:
    bool BrowseForFolder(const std::string&, const std::string&, std::string&) override {
        return false;
    }
    bool Open(const std::string&) override { return false; }
    bool OpenFileDialog(const std::string&, const std::string&, const std::string&,
                        std::string&) override {
        return false;
    }
    bool SaveFileDialog(const std::string&, const std::string&, const std::string&,
                        const std::string&, std::string&) override {
        return false;
    }
};

}  // namespace arbovane
