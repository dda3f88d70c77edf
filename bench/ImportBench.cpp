// Writes a CSV file of 1,000,000 lines (three fields each, some quoted) into a temporary folder and
// times the import of every field and of one column through ImportClass.
//
// Usage: import_bench [lines]

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/acquire/ImportClass.h"
#include "platform/posix/IcuText.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

using namespace arbovane;
using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char* argv[]) {
    const long lines = argc > 1 ? std::atol(argv[1]) : 1000000;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("import-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    {
        std::ofstream out(folder / "list.csv", std::ios::binary);
        for (long i = 0; i < lines; ++i)
            out << "d:\\Clients\\Customer" << i << ",\"Project " << i << "\",x" << i % 97 << "\r\n";
    }

    IcuText text;
    PosixFileSystem fs(text);
    fs.MapDrive('D', folder.string());
    int failures = 0;
    for (const int mode : {ImportClass::kAllFields, ImportClass::kColumn}) {
        const auto start = Clock::now();
        ImportClass import(fs, "d:\\list.csv", mode, ",", "\"", true);
        import.SetColumn(1);
        const bool ok = import.Run();
        const double seconds = SecondsSince(start);
        const std::size_t expected =
            static_cast<std::size_t>(lines) * (mode == ImportClass::kColumn ? 1 : 3);
        if (!ok || import.Result().size() != expected) ++failures;
        std::printf("%s of %ld lines: %zu items in %.2f s%s\n",
                    mode == ImportClass::kColumn ? "one column" : "every field", lines,
                    import.Result().size(), seconds, ok ? "" : " (failed)");
    }
    std::filesystem::remove_all(folder);
    return failures == 0 ? 0 : 1;
}
