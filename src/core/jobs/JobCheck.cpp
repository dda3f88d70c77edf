#include "core/jobs/JobCheck.h"

#include <algorithm>

#include "core/app/ProgramSettings.h"
#include "core/ops/create/CreateNames.h"
#include "core/paths/Arbsplit.h"
#include "core/paths/PathText.h"
#include "core/templates/FileSelection.h"

namespace arbovane {

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// The names list takes what its entry field takes.
std::string NameRefusal(const std::vector<std::string>& lines, const char* which) {
    for (const std::string& line : lines) {
        const std::string trimmed = TrimSpaces(line);
        std::string found;
        if (trimmed.empty() || HasDrive(trimmed) || FindIllegalChars('H', trimmed, found))
            return std::string("the ") + which + " name " + Quoted(line) +
                   " is no folder name or relative path";
    }
    return {};
}

std::string ListRefusal(const TabJob& job, const std::vector<std::string>& lines,
                        const char* which) {
    if (lines.empty()) return {};
    if (job.tab == JobTab::CreateNames) return NameRefusal(lines, which);
    std::string report;
    if (CheckFullPaths(report, lines))
        return std::string("the ") + which + " lines are not valid:\n" + report;
    return {};
}

std::string PartRefusal(const char* key, const std::string& text) {
    std::string found;
    if (FindIllegalChars('F', text, found))
        return std::string("the ") + key + " " + Quoted(text) +
               " holds characters a folder name cannot hold:" + found;
    return {};
}

std::string NumberRefusal(const char* key, const std::string& text) {
    const auto number = ParseWholeNumber(text);
    if (!number || *number < 1 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::string("the ") + key + " " + Quoted(text) +
               " is no whole number from 1 to 2147483647";
    return {};
}

}  // namespace

bool JobPatterns(const std::string& files, std::vector<std::string>& patterns, std::string& error) {
    std::vector<std::string> tokens;
    FileSelectionMessage failure;
    if (!TokeniseSelection(files, tokens, failure)) {
        error = failure.text;
        return false;
    }
    if (const auto message = FolderPartMessage(tokens)) {
        error = message->text;
        return false;
    }
    patterns = DropEmptyAndRepeatedTokens(tokens);
    if (patterns.empty()) {
        error = "the file selection names no files";
        return false;
    }
    return true;
}

std::string SelectionTextForJob(const ProgramSettings& settings) {
    const std::string text = TrimSpaces(settings.selectionText);
    return text.empty() ? kFileSelectionAllFiles : text;
}

void ApplyJobSelection(const std::string& files, ProgramSettings& settings) {
    std::vector<std::string> patterns;
    std::string error;
    if (!JobPatterns(files, patterns, error)) return;
    settings.selectedPatterns = patterns;
    settings.selectionText = SelectionTextOf(patterns);
    const auto& menu = settings.namesMenu;
    if (std::find(menu.begin(), menu.end(), settings.selectionText) == menu.end())
        settings.namesMenu.push_back(settings.selectionText);
}

std::string JobContentRefusal(const TabJob& job) {
    std::vector<std::string> refusals;
    const auto add = [&refusals](std::string refusal) {
        if (!refusal.empty()) refusals.push_back(std::move(refusal));
    };
    add(ListRefusal(job, job.include, "include"));
    add(ListRefusal(job, job.exclude, "exclude"));
    if (JobHasTemplates(job.tab) && !job.templates.empty()) {
        std::string report;
        const bool bad = job.kind == TemplateKind::FullPath
                             ? CheckFullPaths(report, job.templates)
                             : CheckRelativePaths(report, job.templates);
        if (bad) add("the templates are not valid:\n" + report);
    }
    if (job.tab != JobTab::Delete && job.tab != JobTab::Copy) {
        add(PartRefusal("prefix", job.prefix));
        add(PartRefusal("suffix", job.suffix));
    }
    if (job.tab == JobTab::Rename) {
        add(PartRefusal("first-delimiter", job.firstDelimiter));
        add(PartRefusal("second-delimiter", job.secondDelimiter));
        add(PartRefusal("new-name", job.newName));
    }
    if (job.tab == JobTab::CreateNumbers) {
        add(NumberRefusal("start", job.start));
        add(NumberRefusal("end", job.end));
    }
    if (JobUsesFiles(job)) {
        std::vector<std::string> patterns;
        std::string error;
        if (!JobPatterns(job.files, patterns, error)) add("the file selection: " + error);
    }
    std::string text;
    for (const std::string& refusal : refusals) text += (text.empty() ? "" : "\n") + refusal;
    return text;
}

}  // namespace arbovane
