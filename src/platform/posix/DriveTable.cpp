#include "platform/posix/DriveTable.h"

#include <cctype>

#include "platform/posix/PosixFileSystem.h"

namespace arbovane {

namespace {

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool ParseEntry(std::string_view entry, DriveTableEntry& out) {
    const std::size_t equals = entry.find('=');
    if (equals == std::string_view::npos) return false;
    std::string_view drive = Trimmed(entry.substr(0, equals));
    if (drive.size() == 2 && drive[1] == ':') drive.remove_suffix(1);
    if (drive.size() != 1 || !std::isalpha(static_cast<unsigned char>(drive[0])) ||
        static_cast<unsigned char>(drive[0]) >= 0x80)
        return false;
    const std::string_view folder = Trimmed(entry.substr(equals + 1));
    if (!folder.empty() && folder.front() != '/') return false;
    out.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(drive[0])));
    out.hostFolder = std::string(folder);
    return true;
}

}  // namespace

std::vector<DriveTableEntry> ParseDriveTable(std::string_view text, bool semicolonsSeparate,
                                             std::vector<std::string>& problems) {
    std::vector<DriveTableEntry> entries;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find_first_of(semicolonsSeparate ? "\n;" : "\n", at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view entry = Trimmed(text.substr(at, end - at));
        at = end + 1;
        if (entry.empty() || entry.front() == '#') continue;
        DriveTableEntry parsed;
        if (ParseEntry(entry, parsed))
            entries.push_back(std::move(parsed));
        else
            problems.emplace_back(entry);
    }
    return entries;
}

std::vector<std::string> LoadDriveTable(PosixFileSystem& fs, const std::string& settingsFolder,
                                        const char* variable) {
    std::vector<std::string> problems;
    const auto apply = [&](std::string_view text, bool semicolons, const std::string& source) {
        std::vector<std::string> bad;
        for (const DriveTableEntry& entry : ParseDriveTable(text, semicolons, bad)) {
            if (entry.hostFolder.empty())
                fs.UnmapDrive(entry.letter);
            else
                fs.MapDrive(entry.letter, entry.hostFolder);
        }
        for (const std::string& line : bad) problems.push_back(source + ": " + line);
    };
    if (!settingsFolder.empty()) {
        std::string folder = settingsFolder;
        if (folder.back() != '\\') folder += '\\';
        const std::string file = folder + kDriveTableFileName;
        std::string bytes;
        // A drive table is a few lines; a huge file is not one.
        if (fs.ReadFileUpTo(file, 1 << 20, bytes) == FileSystem::ReadOutcome::Read)
            apply(bytes, false, file);
    }
    if (variable) apply(variable, true, kDriveTableVariable);
    return problems;
}

}  // namespace arbovane
