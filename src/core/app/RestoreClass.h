#pragma once

#include <cstdint>
#include <string>

namespace arbovane {

class FileSystem;
struct ProgramSettings;

// Applies every whole record of bytes to the store in file order: single values are replaced,
// list items appended, unknown types skipped; a partial last record is ignored. Callers that want
// the file's lists alone run ClearLists first.
void DecodeSettings(const std::string& bytes, ProgramSettings& settings);

// The most of a settings file that is read. The largest lists a store can hold, 30,000 separators
// and 30,000 quotation marks, come to 60,000 records, about 319 MB; a file past this limit is not
// one the program wrote, and reading it whole could exhaust memory.
inline constexpr std::uint64_t kSettingsReadLimit = std::uint64_t{1} << 30;

enum class SettingsRead {
    Read,
    Unreadable,     // missing or not readable: nothing applied
    NoWholeRecord,  // nothing applied: as good as no file
    TooLarge,       // the whole records within kSettingsReadLimit applied
};

// Reads SettingsPath(directory) into settings, after ClearLists when clearLists. The store changes
// only when the result is Read or TooLarge. A recorded default directory that is no folder here
// (the file came from another machine) gives way to directory, so that saves go where the file
// was read from instead of failing.
SettingsRead ReadSettingsFile(FileSystem& fs, const std::string& directory,
                              ProgramSettings& settings, bool clearLists);

// Reads the settings file of the store's default directory into the store.
class RestoreClass {
public:
    explicit RestoreClass(FileSystem& fs) : fs_(fs) {}

    // False, with the store unchanged, when the file cannot be read or holds no whole record.
    bool Restore(ProgramSettings& settings);

private:
    FileSystem& fs_;
};

}  // namespace arbovane
