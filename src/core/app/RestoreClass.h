#pragma once

#include <string>

namespace arbovane {

class FileSystem;
struct ProgramSettings;

// Applies every whole record of bytes to the store in file order: single values are replaced,
// list items appended, unknown types skipped; a partial last record is ignored. Callers that want
// the file's lists alone run ClearLists first.
void DecodeSettings(const std::string& bytes, ProgramSettings& settings);

// Reads the settings file of the store's default directory into the store.
class RestoreClass {
public:
    explicit RestoreClass(FileSystem& fs) : fs_(fs) {}

    // False, with the store unchanged, when the file cannot be read.
    bool Restore(ProgramSettings& settings);

private:
    FileSystem& fs_;
};

}  // namespace arbovane
