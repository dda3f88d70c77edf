#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/undo/RunJournal.h"

namespace arbovane {

// A journal file: a header naming the program, the tab and the start of the run; the lines the run
// writes ahead of each change; when the run ends, its journal as the tab keeps it and an end mark
// with the number of lines and a checksum. An undo that starts appends what it is about to delete
// after the end mark, and when it ends replaces the file by the journal of what is left.
// One entry a line, fields apart by tabs, which no name the program makes can hold.
namespace journal_file {

inline constexpr std::string_view kHeader = "arbovane journal 2";
inline constexpr std::string_view kLegacyHeader = "arbovane journal 1";

// The header of a run's file.
std::string Header(const RunJournal& identity, const std::string& program, std::int64_t startedNs);

// Written ahead: the run is about to make this entry. The next line tells what came of it: a
// made-file line (with the copy's stamp), a not-made line, or nothing (a folder or rename made).
std::string IntentFolder(const std::string& path);
std::string IntentFile(const std::string& path);
std::string IntentRename(const std::string& oldPath, const std::string& newPath);
std::string MadeFile(const std::string& path, const FileStamp& stamp);
std::string NotMade(const std::string& path);

// The journal as the tab keeps it at the end of the run (or what an undo left).
std::string Body(const RunJournal& journal);
// The end mark over every line after the header.
std::string End(std::uint64_t lines, std::uint64_t checksum);

// Appended by an undo.
std::string UndoStarted();
std::string Undoing(const std::string& path);

// Running checksum of the lines the end mark covers.
std::uint64_t Checksum(std::uint64_t sum, std::string_view bytes);
inline constexpr std::uint64_t kChecksumStart = 14695981039346656037ULL;

}  // namespace journal_file

// A whole, ended journal: header, body, end mark.
std::string JournalFileText(const RunJournal& journal, const std::string& program,
                            std::int64_t startedNs);

// Reads a journal file, this program's older form included. Empty, with error set, when it is no
// journal of this program, a line in it is not whole, or its end mark does not match; a last line
// cut short by an interrupted run is left out.
std::optional<RunJournal> ParseJournalFile(std::string_view text, std::string& error);

}  // namespace arbovane
