#include "core/jobs/JobMessages.h"

#include "core/jobs/ProgramVersion.h"
#include "platform/Messenger.h"

namespace arbovane {

namespace {

const char* const kSaveTitle = "Save Job.            Warning no: ";
const char* const kOpenTitle = "Open Job.            Warning no: ";

}  // namespace

JobMessage JobMessageFor(JobMessageId id, const std::string& path, const std::string& detail) {
    switch (id) {
        case JobMessageId::WriteFailed:
            return {"The job file cannot be written :\n" + path +
                        "\nAction : Choose another folder or file name.",
                    std::string(kSaveTitle) + "0622.", kMsgWarning};
        case JobMessageId::LineBreak:
            return {"The job cannot be saved, because " + detail +
                        ".\nAction : Correct it on the tab, then save the job again.",
                    std::string(kSaveTitle) + "0623.", kMsgWarning};
        case JobMessageId::ReadFailed:
            return {"The job file cannot be read :\n" + path, std::string(kOpenTitle) + "0624.",
                    kMsgWarning};
        case JobMessageId::Damaged:
            return {
                "The job file is damaged, and nothing of it is opened :\n" + path + "\n" + detail,
                std::string(kOpenTitle) + "0625.", kMsgWarning};
        case JobMessageId::Newer:
            return {"The job file was saved by version " + detail +
                        " of the program, which is newer than this one (" + ProgramVersion() +
                        "). Nothing of it is opened :\n" + path +
                        "\nAction : Open it with version " + detail + " or later.",
                    std::string(kOpenTitle) + "0626.", kMsgWarning};
        case JobMessageId::NotTaken:
            return {"The tab cannot take what the job holds, and nothing of it is opened :\n" +
                        path + "\n" + detail,
                    std::string(kOpenTitle) + "0627.", kMsgWarning};
        case JobMessageId::Replace:
            return {"The job file exists already :\n" + path +
                        "\nClick YES to replace it,\nClick NO to keep it.",
                    std::string(kSaveTitle) + "0628.", kMsgQuestion};
    }
    return {};
}

int ShowJobMessage(Messenger& messenger, JobMessageId id, const std::string& path,
                   const std::string& detail) {
    const JobMessage message = JobMessageFor(id, path, detail);
    return messenger.Show(message.text, message.title, message.flags, MessageOwner::MainWindow);
}

}  // namespace arbovane
