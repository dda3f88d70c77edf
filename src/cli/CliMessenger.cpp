#include "cli/CliMessenger.h"

#include <algorithm>
#include <ostream>
#include <regex>

namespace arbovane {

namespace {

// A window control a box names, and the option that does its work on the command line.
struct ControlOption {
    const char* control;
    const char* line;
};

const ControlOption kControlOptions[] = {
    {"<Select Files> button", "-> command line: --pattern selects the files"},
};

}  // namespace

int CliMessenger::Show(const std::string& text, const std::string& title, int flags, MessageOwner) {
    if (flags == kMsgError) ++errors_;
    if (counting_ && flags != kMsgQuestion) ++sinceRunBegan_;
    if (!quiet_) {
        static const std::regex number(R"(no:\s*([0-9]+))");
        static const std::regex blanks(R"(\s+)");
        std::smatch found;
        const std::string id = std::regex_search(title, found, number) ? found[1].str() : "----";
        std::string heading = std::regex_replace(title, blanks, " ");
        heading.erase(0, heading.find_first_not_of(' '));
        err_ << "arbovane-cli: message " << id << " (" << heading << ")\n";
        std::string body = text;
        while (!body.empty() && (body.back() == '\n' || body.back() == ' ')) body.pop_back();
        for (std::size_t start = 0; start <= body.size();) {
            const std::size_t end = std::min(body.find('\n', start), body.size());
            err_ << "  " << body.substr(start, end - start) << "\n";
            start = end + 1;
        }
        for (const ControlOption& control : kControlOptions)
            if (text.find(control.control) != std::string::npos)
                err_ << "  " << control.line << "\n";
    }
    if (flags != kMsgQuestion) return kAnswerOk;
    if (!quiet_) err_ << "  -> answered " << (answerYes_ ? "Yes" : "No") << "\n";
    return answerYes_ ? kAnswerYes : kAnswerNo;
}

}  // namespace arbovane
