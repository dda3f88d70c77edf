#include "core/jobs/TabJob.h"

namespace arbovane {

const char* JobTabName(JobTab tab) {
    switch (tab) {
        case JobTab::Copy:
            return "copy";
        case JobTab::Delete:
            return "delete";
        case JobTab::Rename:
            return "rename";
        case JobTab::CreateNames:
            return "create-names";
        case JobTab::CreatePaths:
            return "create-paths";
        case JobTab::CreateNumbers:
            return "create-numbers";
    }
    return "";
}

const char* JobTabCaption(JobTab tab) {
    switch (tab) {
        case JobTab::Copy:
            return "Copy Folder Structures";
        case JobTab::Delete:
            return "Delete Folder Structures";
        case JobTab::Rename:
            return "Rename Folders";
        case JobTab::CreateNames:
            return "Create Folder Structures-I";
        case JobTab::CreatePaths:
            return "Create Folder Struct.-II";
        case JobTab::CreateNumbers:
            return "Create Folder Struct.-III";
    }
    return "";
}

bool JobHasLists(JobTab tab) {
    return tab != JobTab::CreateNumbers;
}

bool JobHasTemplates(JobTab tab) {
    return tab != JobTab::Delete && tab != JobTab::Rename;
}

bool JobUsesFiles(const TabJob& job) {
    if (job.tab == JobTab::Delete) return IsFileMode(job.deleteMode);
    return job.tab == JobTab::Copy && job.kind == TemplateKind::FullPath && WithFiles(job.mode);
}

}  // namespace arbovane
