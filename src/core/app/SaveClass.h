#pragma once

#include <string>

namespace arbovane {

class FileSystem;
class Messenger;
struct ProgramSettings;

// The whole store as the bytes of "default.set": its records in their fixed order, one record per
// list item, then the end marker.
std::string EncodeSettings(const ProgramSettings& settings);

// Writes the store to the settings file of its default directory.
class SaveClass {
public:
    SaveClass(FileSystem& fs, Messenger& messenger) : fs_(fs), messenger_(messenger) {}

    // False, after message 0130, when the file cannot be written; the store is never changed.
    bool Save(const ProgramSettings& settings);

private:
    FileSystem& fs_;
    Messenger& messenger_;
};

}  // namespace arbovane
