// Builds a tree of 100,000 folders holding 100,000 files in a temporary folder, then times
// FolderStructSize::MeasureAllFiles on it against `find ROOT -printf '%s\n'` on the same tree.
//
// Usage: measure_bench [keep]   ("keep" leaves the tree in place and prints where it is)

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/templates/FolderStructSize.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

using namespace arbovane;
using Clock = std::chrono::steady_clock;

// 40 folders, 49 below each, 50 below each of those: 40 + 1,960 + 98,000 = 100,000 folders, one
// file in every folder.
constexpr int kTop = 40;
constexpr int kMiddle = 49;
constexpr int kBottom = 50;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

bool MakeFolder(const std::string& path) {
    return mkdir(path.c_str(), 0755) == 0;
}

// Sparse files: the bench measures listing, not writing.
bool MakeFile(const std::string& path, off_t size) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool sized = ftruncate(fd, size) == 0;
    close(fd);
    return sized;
}

bool BuildTree(const std::string& root, std::uint64_t& bytes) {
    bytes = 0;
    off_t next = 1;
    auto file = [&](const std::string& folder) {
        const off_t size = next++ % 65536;
        bytes += static_cast<std::uint64_t>(size);
        return MakeFile(folder + "/file.dat", size);
    };
    for (int a = 0; a < kTop; ++a) {
        const std::string top = root + "/Customer" + std::to_string(a);
        if (!MakeFolder(top) || !file(top)) return false;
        for (int b = 0; b < kMiddle; ++b) {
            const std::string middle = top + "/Project" + std::to_string(b);
            if (!MakeFolder(middle) || !file(middle)) return false;
            for (int c = 0; c < kBottom; ++c) {
                const std::string bottom = middle + "/Year" + std::to_string(c);
                if (!MakeFolder(bottom) || !file(bottom)) return false;
            }
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const bool keep = argc > 1 && std::string(argv[1]) == "keep";
    std::string base = (std::filesystem::temp_directory_path() / "measure-bench-XXXXXX").string();
    if (!mkdtemp(base.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string root = base + "/Root";
    MakeFolder(root);

    std::uint64_t expectedBytes = 0;
    auto start = Clock::now();
    if (!BuildTree(root, expectedBytes)) {
        std::perror("building the tree");
        std::filesystem::remove_all(base);
        return 1;
    }
    std::printf("built 100000 folders, 100000 files in %.2f s (%s)\n", SecondsSince(start),
                root.c_str());

    // Warm the host's directory cache once so that both timings start from the same state.
    const std::string find = "find '" + root + "' -printf '%s\\n' > /dev/null";
    if (std::system(find.c_str()) != 0) std::fprintf(stderr, "find failed\n");

    IcuText text;
    PosixFileSystem fs(text);
    fs.MapDrive('D', base);

    int failures = 0;
    for (int round = 1; round <= 3; ++round) {
        start = Clock::now();
        FolderStructSize size(fs, "D:\\Root");
        size.MeasureAllFiles();
        const double measure = SecondsSince(start);

        start = Clock::now();
        const int findStatus = std::system(find.c_str());
        const double findTime = SecondsSince(start);

        const bool right = size.FolderCount() == 100000 && size.AllFileCount() == 100000 &&
                           size.AllByteTotal() == expectedBytes && findStatus == 0;
        if (!right) ++failures;
        std::printf(
            "round %d: MeasureAllFiles %.2f s (%u folders, %u files, %llu bytes%s), find %.2f s, "
            "ratio %.1f\n",
            round, measure, size.FolderCount(), size.AllFileCount(),
            static_cast<unsigned long long>(size.AllByteTotal()), right ? "" : ", WRONG", findTime,
            findTime > 0 ? measure / findTime : 0.0);
    }

    if (!keep) std::filesystem::remove_all(base);
    return failures == 0 ? 0 : 1;
}
