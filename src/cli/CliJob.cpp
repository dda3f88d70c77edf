#include "cli/CliJob.h"

#include "cli/CliInputs.h"
#include "cli/CliRun.h"
#include "core/jobs/JobCheck.h"
#include "core/jobs/JobFile.h"
#include "core/jobs/JobValues.h"
#include "core/jobs/ProgramVersion.h"
#include "platform/FileSystem.h"

namespace arbovane {

namespace {

CliCommand CommandOf(JobTab tab) {
    switch (tab) {
        case JobTab::Copy:
            break;
        case JobTab::Delete:
            return CliCommand::Delete;
        case JobTab::Rename:
            return CliCommand::Rename;
        case JobTab::CreateNames:
            return CliCommand::CreateNames;
        case JobTab::CreatePaths:
            return CliCommand::CreatePaths;
        case JobTab::CreateNumbers:
            return CliCommand::CreateNumbers;
    }
    return CliCommand::Copy;
}

// The options a command line of the job's tab would give.
CliOptions OptionsOf(const TabJob& job) {
    CliOptions options;
    options.command = CommandOf(job.tab);
    const auto value = [&options](const char* name, std::string CliOptions::*field,
                                  const std::string& text) {
        options.*field = text;
        options.given.insert(name);
    };
    const auto flag = [&options](const char* name, bool CliOptions::*field, bool on) {
        options.*field = on;
        if (on) options.given.insert(name);
    };
    if (JobHasLists(job.tab) && !job.include.empty()) {
        options.lines = job.include;
        options.given.insert("--line");
    }
    const bool create = job.tab == JobTab::CreateNames || job.tab == JobTab::CreatePaths ||
                        job.tab == JobTab::CreateNumbers;
    if (JobHasTemplates(job.tab)) {
        value("--kind", &CliOptions::kind,
              create ? NameOf(kCreateKindNames, job.kind) : NameOf(kCopyKindNames, job.kind));
        if (job.kind == TemplateKind::FullPath)
            value("--attach", &CliOptions::attach, NameOf(kAttachModeNames, job.mode));
        if (job.kind == TemplateKind::Relative)
            value("--option", &CliOptions::option, NameOf(kTemplateOptionNames, job.option));
        if (job.kind != TemplateKind::Nothing && !job.templates.empty()) {
            options.templates = job.templates;
            options.given.insert("--template");
        }
    }
    if (JobUsesFiles(job)) {
        options.patterns = {job.files};
        options.given.insert("--pattern");
    }
    if (job.tab == JobTab::Delete) {
        value("--mode", &CliOptions::mode, NameOf(kDeleteModeNames, job.deleteMode));
        flag("--read-only", &CliOptions::readOnly, job.readOnlyFolders);
    }
    if (job.tab == JobTab::Rename) {
        if (job.method == RenameMethod::ReplaceLastName) {
            value("--new-name", &CliOptions::newName, job.newName);
        } else {
            value("--prefix", &CliOptions::prefix, job.prefix);
            value("--first-delimiter", &CliOptions::firstDelimiter, job.firstDelimiter);
            value("--second-delimiter", &CliOptions::secondDelimiter, job.secondDelimiter);
            value("--suffix", &CliOptions::suffix, job.suffix);
        }
    }
    if (create) {
        value("--prefix", &CliOptions::prefix, job.prefix);
        value("--suffix", &CliOptions::suffix, job.suffix);
        flag("--hyphen", &CliOptions::hyphen, job.hyphen);
    }
    if (job.tab == JobTab::CreateNames || job.tab == JobTab::CreateNumbers)
        value("--destination", &CliOptions::destination, job.destination);
    if (job.tab == JobTab::CreateNumbers) {
        value("--start", &CliOptions::start, job.start);
        value("--end", &CliOptions::end, job.end);
        flag("--pad", &CliOptions::pad, job.padded);
        flag("--numbers-in-levels", &CliOptions::numbersInLevels,
             job.kind == TemplateKind::Relative && job.numbersInLevels);
    }
    return options;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

CliOptions CliOptionsOfJob(const CliOptions& run, CliPorts& ports) {
    if (run.jobFile.empty()) throw CliBadInput{"run needs a job file: arbovane-cli run JOBFILE"};
    const std::string named = "the job file " + Quoted(run.jobFile);
    const CliInputs inputs(run, ports);
    std::string bytes;
    if (!ports.fs.ReadWholeFile(inputs.PortPath(run.jobFile, "the job file"), bytes))
        throw CliBadInput{named + " cannot be read"};
    const JobParse parse = ParseJobText(bytes);
    if (parse.outcome == JobParse::Outcome::Newer)
        throw CliBadInput{named + " was saved by version " + parse.job.version +
                          " of the program, which is newer than this one (" + ProgramVersion() +
                          "); nothing runs"};
    if (parse.outcome != JobParse::Outcome::Opened)
        throw CliBadInput{named + " is damaged, and nothing runs: " + parse.error};
    if (const std::string refusal = JobContentRefusal(parse.job); !refusal.empty())
        throw CliBadInput{named +
                          " holds what its tab would not take, and nothing runs: " + refusal};
    if (parse.job.tab == JobTab::Delete && run.Given("--journal"))
        throw CliBadInput{"--journal is not used by a delete job: a deletion cannot be undone"};

    CliOptions options = OptionsOf(parse.job);
    options.simulate = run.simulate;
    options.yes = run.yes;
    options.quiet = run.quiet;
    options.journal = run.journal;
    options.log = run.log;
    for (const char* name : {"--simulate", "--yes", "--quiet", "--journal", "--log"})
        if (run.Given(name)) options.given.insert(name);
    return options;
}

}  // namespace arbovane
