// Builds a tree of 100,000 folders holding 100,000 files under a temporary folder, then times a
// walk that lists every folder and, on the same tree, the host's own find.
//
// Usage: levelcopy_bench [folders]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/acquire/LevelCopy.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

namespace stdfs = std::filesystem;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Ten subfolders per folder, level by level, until there are enough; one small file in each.
void BuildTree(const stdfs::path& root, long folders) {
    std::deque<stdfs::path> parents{root};
    long made = 0;
    while (made < folders) {
        const stdfs::path parent = parents.front();
        parents.pop_front();
        for (int i = 0; i < 10 && made < folders; ++i, ++made) {
            const stdfs::path folder = parent / ("Folder " + std::to_string(i));
            stdfs::create_directory(folder);
            std::ofstream(folder / "file.txt") << made;
            parents.push_back(folder);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace arbovane;
    const long folders = argc > 1 ? std::atol(argv[1]) : 100000;

    std::string base = (stdfs::temp_directory_path() / "levelcopy-bench-XXXXXX").string();
    if (!mkdtemp(base.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const stdfs::path root = stdfs::path(base) / "Tree";
    stdfs::create_directory(root);

    auto start = Clock::now();
    BuildTree(root, folders);
    std::printf("tree: %ld folders, %ld files, built in %.2f s\n", folders, folders,
                SecondsSince(start));

    IcuText text;
    PosixFileSystem fs(text);
    fs.MapDrive('D', base);

    start = Clock::now();
    LevelCopy copy(fs, text, {"d:\\Tree"});
    copy.SetBelow(0);
    copy.SetListMode(LevelCopy::kAllInPath);
    copy.Walk();
    const double walk = SecondsSince(start);
    std::printf("LevelCopy Below 0, AllInPath: %zu folders listed in %.3f s\n",
                copy.Results().size(), walk);

    const std::string command = "find '" + root.string() + "' -printf '%s\\n' > /dev/null";
    start = Clock::now();
    const int status = std::system(command.c_str());
    const double find = SecondsSince(start);
    std::printf("find -printf '%%s\\n': %.3f s (exit %d)\n", find, status);
    if (find > 0) std::printf("walk / find: %.1f\n", walk / find);

    std::printf("removing the tree...\n");
    std::fflush(stdout);
    std::error_code ec;
    stdfs::remove_all(base, ec);
    return copy.Results().size() == static_cast<std::size_t>(folders) ? 0 : 1;
}
