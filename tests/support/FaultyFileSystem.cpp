#include "support/FaultyFileSystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>

namespace arbovane::testing {

namespace {
std::string Fold(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return c == '/' ? '\\' : static_cast<char>(std::tolower(c));
    });
    return text;
}
}  // namespace

void FaultyFileSystem::FailOn(Op op, const std::string& path) {
    failures_.insert({op, path == "*" ? path : Fold(path)});
}

void FaultyFileSystem::Before(Op op, std::function<void(const std::string&)> hook) {
    hooks_.emplace(op, std::move(hook));
}

bool FaultyFileSystem::Pass(Op op, const std::string& path, bool mutating) {
    ++calls_[op];
    if (mutating) {
        ++mutations_;
        if (forbidMutations_) ADD_FAILURE() << "mutating call on " << path;
    }
    if (failures_.count({op, "*"}) || failures_.count({op, Fold(path)})) return false;
    auto range = hooks_.equal_range(op);
    for (auto it = range.first; it != range.second; ++it) it->second(path);
    return !(mutating && forbidMutations_);
}

bool FaultyFileSystem::Enumerate(const std::string& folderAndPattern, const EntryVisitor& visit) {
    return Pass(Op::Enumerate, folderAndPattern, false) &&
           inner_.Enumerate(folderAndPattern, visit);
}
bool FaultyFileSystem::ReadWholeFile(const std::string& path, std::string& bytes) {
    return Pass(Op::ReadWholeFile, path, false) && inner_.ReadWholeFile(path, bytes);
}
bool FaultyFileSystem::WriteWholeFile(const std::string& path, const std::string& bytes) {
    return Pass(Op::WriteWholeFile, path, true) && inner_.WriteWholeFile(path, bytes);
}
bool FaultyFileSystem::CreateFolderTree(const std::string& path) {
    return Pass(Op::CreateFolderTree, path, true) && inner_.CreateFolderTree(path);
}
bool FaultyFileSystem::RemoveEmptyFolder(const std::string& path) {
    return Pass(Op::RemoveEmptyFolder, path, true) && inner_.RemoveEmptyFolder(path);
}
bool FaultyFileSystem::RemoveFile(const std::string& path) {
    return Pass(Op::RemoveFile, path, true) && inner_.RemoveFile(path);
}
bool FaultyFileSystem::CopyFileNoOverwrite(const std::string& source, const std::string& target) {
    return Pass(Op::CopyFileNoOverwrite, target, true) &&
           inner_.CopyFileNoOverwrite(source, target);
}
CreateOutcome FaultyFileSystem::CopyNewFile(const std::string& source, const std::string& target,
                                            FileStamp& stamp) {
    if (!Pass(Op::CopyNewFile, target, true)) return CreateOutcome::Failed;
    return inner_.CopyNewFile(source, target, stamp);
}
CreateOutcome FaultyFileSystem::CreateFolder(const std::string& path) {
    if (!Pass(Op::CreateFolder, path, true)) return CreateOutcome::Failed;
    return inner_.CreateFolder(path);
}
std::string FaultyFileSystem::Key(const std::string& path) {
    return Fold(path.substr(0, std::min<std::size_t>(path.size(), 2)));
}
bool FaultyFileSystem::VolumeId(const std::string& path, std::uint64_t& id) {
    const auto it = volumes_.find(Key(path));
    if (it == volumes_.end()) return inner_.VolumeId(path, id);
    id = it->second;
    return true;
}
bool FaultyFileSystem::MoveFolderNoReplace(const std::string& source, const std::string& target) {
    return Pass(Op::MoveFolderNoReplace, source, true) &&
           inner_.MoveFolderNoReplace(source, target);
}
bool FaultyFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    return Pass(Op::SetAttributes, path, true) && inner_.SetAttributes(path, attributes);
}
bool FaultyFileSystem::FreeBytesForUser(const std::string& path, std::uint64_t& bytes) {
    if (!Pass(Op::FreeBytesForUser, path, false)) return false;
    const auto it = freeBytes_.find(Key(path));
    if (it == freeBytes_.end()) return inner_.FreeBytesForUser(path, bytes);
    bytes = it->second;
    return true;
}
bool FaultyFileSystem::MakeCurrentDirectory(const std::string& path) {
    return Pass(Op::MakeCurrentDirectory, path, false) && inner_.MakeCurrentDirectory(path);
}

}  // namespace arbovane::testing
