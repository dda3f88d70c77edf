#pragma once

#include <string>

namespace arbovane {

class Messenger;

enum class JobMessageId {
    WriteFailed,  // 0622
    LineBreak,    // 0623
    ReadFailed,   // 0624
    Damaged,      // 0625
    Newer,        // 0626
    NotTaken,     // 0627
    Replace,      // 0628, a question
};

struct JobMessage {
    std::string text;
    std::string title;
    int flags = 0;
};

// path: the job file; detail: the reason (Damaged, NotTaken, LineBreak) or the version that saved
// the file (Newer).
JobMessage JobMessageFor(JobMessageId id, const std::string& path, const std::string& detail);
int ShowJobMessage(Messenger& messenger, JobMessageId id, const std::string& path,
                   const std::string& detail = {});

}  // namespace arbovane
