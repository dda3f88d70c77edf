// Job files: whatever opens is written back and reads as the same job.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzInput.h"
#include "core/jobs/JobCheck.h"
#include "core/jobs/JobFile.h"
#include "core/jobs/ProgramVersion.h"

using namespace arbovane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    JobParse parse = ParseJobText(bytes);
    if (parse.outcome != JobParse::Outcome::Opened) return 0;
    JobContentRefusal(parse.job);
    std::string text, error;
    if (!JobText(parse.job, text, error)) return 0;
    JobParse again = ParseJobText(text);
    fuzz::Require(again.outcome == JobParse::Outcome::Opened);
    parse.job.version = ProgramVersion();
    fuzz::Require(again.job == parse.job);
    std::string rewritten;
    fuzz::Require(JobText(again.job, rewritten, error) && rewritten == text);
    return 0;
}
