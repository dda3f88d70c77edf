#include "core/run/JournalWriter.h"

#include "core/undo/JournalFile.h"

namespace arbovane {

void JournalWriter::Arm(const std::string& path, const RunJournal& identity,
                        const std::string& program, std::int64_t startedNs) {
    Close();
    path_ = path;
    identity_ = identity;
    program_ = program;
    startedNs_ = startedNs;
    armed_ = true;
    ok_ = true;
}

bool JournalWriter::BeginRun(const std::string& path, const RunJournal& identity,
                             const std::string& program, std::int64_t startedNs) {
    Close();
    armed_ = false;
    path_ = path;
    FsError why = FsError::None;
    file_ = fs_.OpenAppendFile(path, true, why);
    ok_ = file_ != nullptr;
    if (!ok_) return false;
    counting_ = false;
    Write(journal_file::Header(identity, program, startedNs));
    // The end mark covers what follows the header's first line.
    counting_ = true;
    lines_ = 0;
    checksum_ = journal_file::kChecksumStart;
    const std::string header = journal_file::Header(identity, program, startedNs);
    Count(header.substr(header.find('\n') + 1));
    ok_ = ok_ && file_->Sync();
    lastSync_ = std::chrono::steady_clock::now();
    return ok_;
}

bool JournalWriter::BeginUndo(const std::string& path) {
    Close();
    armed_ = false;
    path_ = path;
    FsError why = FsError::None;
    file_ = fs_.OpenAppendFile(path, false, why);
    ok_ = file_ != nullptr;
    counting_ = false;
    if (ok_) Write(journal_file::UndoStarted());
    lastSync_ = std::chrono::steady_clock::now();
    return ok_;
}

void JournalWriter::Ahead(const std::string& line) {
    if (!file_ && armed_) BeginRun(path_, identity_, program_, startedNs_);
    if (!file_) return;
    waiting_ += line;
    Write(waiting_);
    waiting_.clear();
    const auto now = std::chrono::steady_clock::now();
    if (now - lastSync_ >= kSyncInterval) {
        if (!file_->Sync()) ok_ = false;
        lastSync_ = now;
    }
}

void JournalWriter::After(const std::string& line) {
    if (file_) waiting_ += line;
}

bool JournalWriter::EndRun(const RunJournal& journal) {
    if (!file_) return false;
    std::string rest = std::move(waiting_);
    waiting_.clear();
    rest += journal_file::Body(journal);
    Count(rest);
    counting_ = false;
    rest += journal_file::End(lines_, checksum_);
    Write(rest);
    if (!file_->Sync()) ok_ = false;
    file_.reset();
    return ok_;
}

void JournalWriter::Close() {
    armed_ = false;
    if (file_ && !waiting_.empty()) Write(waiting_);
    waiting_.clear();
    if (file_ && !file_->Sync()) ok_ = false;
    file_.reset();
}

void JournalWriter::Write(const std::string& bytes) {
    if (counting_) Count(bytes);
    if (!file_->Append(bytes)) ok_ = false;
}

void JournalWriter::Count(const std::string& bytes) {
    for (const char c : bytes) lines_ += c == '\n';
    checksum_ = journal_file::Checksum(checksum_, bytes);
}

}  // namespace arbovane
