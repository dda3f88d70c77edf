#pragma once

#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "core/ops/delete/DeleteTabMode.h"
#include "core/templates/TemplateKind.h"
#include "core/templates/TemplateOptions.h"

namespace arbovane {

struct CliPorts;

// Bad input or usage found before anything changed; the command ends with status 2.
struct CliBadInput {
    std::string message;
};

// The values of a command line, checked as strictly as a script needs: each refusal throws
// CliBadInput naming the option and the value, before anything on disk changes.
class CliInputs {
public:
    CliInputs(const CliOptions& options, CliPorts& ports) : options_(options), ports_(ports) {}

    // A path as the shell names it (absolute, or relative to the current directory) or in the
    // drive form, in the drive form.
    std::string PortPath(const std::string& path, const std::string& what) const;
    // Full folder paths from --line and --list, each once.
    std::vector<std::string> IncludeLines() const;
    // Folder names from --line and --list, each once.
    std::vector<std::string> Names() const;
    // For relative templates, option and numbersInLevels say which levels keep their names.
    std::vector<std::string> Templates(TemplateKind kind, TemplateOption option) const;
    std::vector<std::string> Patterns() const;
    // An existing folder.
    std::string Destination() const;
    // A whole decimal number from 1 to 2147483647.
    long long Number(const char* option, const std::string& text) const;
    // A prefix, suffix, delimiter or new name: no character a folder name cannot hold.
    void CheckNamePart(const char* option, const std::string& text) const;
    // A file the run will write: refused now, while nothing has changed, when it cannot be.
    void CheckWritable(const char* option, const std::string& file) const;

    TemplateKind Kind(bool createCommand) const;
    AttachMode Attach(TemplateKind kind) const;
    TemplateOption Option(TemplateKind kind) const;
    DeleteTabMode DeleteMode() const;
    // An option that the chosen kind, mode or method leaves unused is refused, not ignored.
    void RefuseUnless(bool used, const char* option, const std::string& needs) const;

private:
    std::vector<std::string> ReadList(const std::string& file, bool csv) const;
    std::vector<std::string> Lines(const char* what) const;

    const CliOptions& options_;
    CliPorts& ports_;
};

}  // namespace arbovane
