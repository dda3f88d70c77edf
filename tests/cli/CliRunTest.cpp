#include "cli/CliRun.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/FaultyFileSystem.h"
#include "support/TempDrives.h"
#include "support/TreeSnapshot.h"

namespace arbovane {
namespace {

using testing::TempDrives;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; at += part.size())
        ++count;
    return count;
}

// Too little room for the files of a full-path template: the tab's message once, status 2,
// nothing made. The check before the run and the run's own check used to show it twice.
TEST(CliRunTest, FreeSpaceMessageShowsOnceAndNothingIsMade) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"copy", "--line", "d:\\Clients\\Acme", "--kind", "full", "--template", "d:\\T"},
         "message 0177"},
        {{"create-names", "--destination", "d:\\New", "--line", "A", "--kind", "full", "--template",
          "d:\\T"},
         "message 0035"},
        {{"create-numbers", "--destination", "d:\\New", "--start", "1", "--end", "2", "--kind",
          "full", "--attach", "sub-with-files", "--template", "d:\\T"},
         "message 0100"},
        {{"create-paths", "--line", "d:\\New\\A", "--kind", "full", "--template", "d:\\T"},
         "message 0071"},
    };
    for (const auto& c : cases) {
        TempDrives drives;
        const std::string host = drives.Map('D');
        TempDrives::WriteHostFile(host + "/T/big.bin", std::string(4096, 'x'));
        TempDrives::MakeHostFolder(host + "/Clients/Acme");
        TempDrives::MakeHostFolder(host + "/New");
        testing::FaultyFileSystem fs(drives.Fs());
        fs.FakeFreeBytes("d:", 100);
        std::ostringstream out, err;
        CliPorts ports{fs, drives.TextPort(), out, err, false, nullptr};
        const auto before = testing::TreeSnapshot(host);
        EXPECT_EQ(RunCli(c.args, ports), kCliBadInput) << c.message << err.str();
        EXPECT_EQ(Count(err.str(), c.message), 1u) << err.str();
        EXPECT_EQ(Count(err.str(), "There is not enough space on the disk."), 1u) << err.str();
        EXPECT_EQ(testing::TreeSnapshot(host), before) << c.message;
    }
}

}  // namespace
}  // namespace arbovane
