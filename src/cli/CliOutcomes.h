#pragma once

#include <functional>
#include <string>
#include <vector>

namespace arbovane {

class VisualLog;
struct FolderFileUndoResult;
struct RenameUndoResult;

// What a command reports: counters in a fixed order, and one row per item under its category,
// whether the item reached the outcome asked for or not.
class CliOutcomes {
public:
    using CounterVisit = std::function<void(const std::string& name, const std::string& value)>;
    using RowVisit =
        std::function<void(const std::string& category, const std::string& line, bool reached)>;

    virtual ~CliOutcomes() = default;
    virtual void Counters(const CounterVisit& visit) const = 0;
    virtual void Rows(const RowVisit& visit) const = 0;
    // Whether any item ended otherwise than asked.
    virtual bool AnyNotReached() const;
};

// A run's Visual Log: its shown counters, every line of every category.
class CliLogOutcomes : public CliOutcomes {
public:
    explicit CliLogOutcomes(const VisualLog& log) : log_(log) {}
    void Counters(const CounterVisit& visit) const override;
    void Rows(const RowVisit& visit) const override;
    bool AnyNotReached() const override;

private:
    const VisualLog& log_;
};

// Named lists, each counted by its length: what an undo took back and what it left.
class CliListOutcomes : public CliOutcomes {
public:
    struct List {
        std::string name;
        std::vector<std::string> lines;
        bool reached = false;
    };
    explicit CliListOutcomes(std::vector<List> lists) : lists_(std::move(lists)) {}
    void Counters(const CounterVisit& visit) const override;
    void Rows(const RowVisit& visit) const override;

private:
    std::vector<List> lists_;
};

CliListOutcomes FolderUndoOutcomes(const FolderFileUndoResult& result);
CliListOutcomes RenameUndoOutcomes(const RenameUndoResult& result);

// "name: value" lines, in the counters' order.
std::string CliCounterLines(const CliOutcomes& outcomes);
std::string CliCounterLines(const VisualLog& log);
// The --log file: one row "category","line" per item, CRLF after each, every field quoted and
// its quotes doubled, so that any name reads back as it was.
std::string CliCategoryRows(const CliOutcomes& outcomes);
std::string CliCategoryRows(const VisualLog& log);
std::string CsvField(const std::string& text);

}  // namespace arbovane
