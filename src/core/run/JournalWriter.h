#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "core/undo/RunJournal.h"
#include "platform/FileSystem.h"

namespace arbovane {

// Writes a run's journal file ahead of the run's changes. Each line reaches the system before
// the change it names (one write together with what the last change came to), so a run killed
// at any instant leaves a file that names everything it made; the lines reach the disk at most
// kSyncInterval apart and at the end. The end mark counts and checksums every line after the
// header.
class JournalWriter {
public:
    static constexpr std::chrono::milliseconds kSyncInterval{1000};

    explicit JournalWriter(FileSystem& fs) : fs_(fs) {}
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Empties the file and writes the header of a new run. False when the file cannot be
    // written; the run may go on, its journal then only in memory.
    bool BeginRun(const std::string& path, const RunJournal& identity, const std::string& program,
                  std::int64_t startedNs);
    // BeginRun at the first line written ahead, so that a run that changes nothing leaves the file
    // as it was until it ends.
    void Arm(const std::string& path, const RunJournal& identity, const std::string& program,
             std::int64_t startedNs);
    bool Armed() const { return armed_; }
    // Appends to the ended journal of a run that an undo is about to take back.
    bool BeginUndo(const std::string& path);
    bool Open() const { return file_ != nullptr; }
    // False once a write failed: the file no longer names everything.
    bool Ok() const { return ok_; }
    const std::string& Path() const { return path_; }

    // Written at once, with whatever waits before it.
    void Ahead(const std::string& line);
    // Waits for the next line written ahead, or the end.
    void After(const std::string& line);

    // The journal as the tab keeps it and the end mark; the file is synced and closed.
    bool EndRun(const RunJournal& journal);
    // Closes the file (an undo, or a run whose journal is written otherwise).
    void Close();

private:
    void Write(const std::string& bytes);
    void Count(const std::string& bytes);

    FileSystem& fs_;
    std::string path_;
    std::unique_ptr<AppendFile> file_;
    std::string waiting_;
    bool armed_ = false;
    RunJournal identity_;
    std::string program_;
    std::int64_t startedNs_ = 0;
    bool ok_ = true;
    bool counting_ = false;
    std::uint64_t lines_ = 0;
    std::uint64_t checksum_ = 0;
    std::chrono::steady_clock::time_point lastSync_;
};

}  // namespace arbovane
