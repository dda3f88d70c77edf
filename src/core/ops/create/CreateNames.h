#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/ops/NameParts.h"

namespace arbovane {

class Text;

// The name record of a folder below parent: parent with one trailing backslash, the prefix as
// typed and its hyphen; the suffix's hyphen and the suffix as typed. A hyphen comes only with a
// prefix or suffix that is more than blanks.
_tagVol0XParts BuildNameParts(const std::string& parent, const std::string& prefix,
                              const std::string& suffix, bool hyphen);
// The same around the last folder of a full path, whose parent receives the new folder. A last
// component holding a dot is taken for a file name and dropped first.
_tagVol0XParts BuildNamePartsFromPath(const std::string& line, const std::string& prefix,
                                      const std::string& suffix, bool hyphen);
// Head, name (Core when name is empty), SuffixHyphen and Suffix.
std::string ComposeFolderPath(const _tagVol0XParts& parts, const std::string& name = {});

// Whether name can only name a new folder in its own parent: not empty, no separator, colon,
// wildcard or control character, not "." or "..", no reserved device name (CON, NUL, COM1, ...
// with or without an extension), not ending in a period or a blank.
bool IsPlainFolderName(const std::string& name);
// Every backslash-separated level of relative is a plain folder name.
bool IsPlainRelativePath(const std::string& relative);
// Whether a full path has a drive and no "." or ".." level, so that its parent is the folder its
// text names.
bool HasPlainLevels(const std::string& path);

// The width of the padded numbers: the decimal length of the end number.
int PaddingWidth(std::int64_t end);
std::string NumberText(std::int64_t number, int width, bool padded);
// The relative path with joint and number appended to every level; the joint is as many blanks
// as the prefix has blanks and control characters at its end.
std::string AppendNumberToLevels(const std::string& path, const std::string& prefix,
                                 const std::string& number);

// A whole number that fits a signed 32-bit value, blanks around it allowed.
std::optional<std::int32_t> ParseWholeNumber(const std::string& text);

// The two number boxes as the numbers tab reads them.
struct NumberBoxes {
    std::int32_t start = 1;  // never below 1
    std::int32_t end = 1;    // never below 1
    // Texts the boxes must show now, when their own were no whole numbers.
    std::optional<std::string> startText;
    std::optional<std::string> endText;
};
NumberBoxes ReadNumberBoxes(const std::string& startText, const std::string& endText);
// end - start + 1, or 0 when the end lies before the start.
std::uint64_t NumberCount(const NumberBoxes& numbers);

// "Illegal character in the Prefix : " (or Suffix) and the characters; empty when the text holds
// none of the characters a name part may not hold.
std::string IllegalNamePartText(const std::string& text, bool prefix);

// The destination history with first at its front (when it is more than blanks), the other
// items after it in their order; empty items and repeats (letter case ignored) dropped.
std::vector<std::string> HistoryWithFirst(const Text& text, const std::vector<std::string>& items,
                                          const std::string& first);

// The numbers tab's summary of a chosen destination.
std::string DestinationSummaryText(const std::string& folder, std::uint32_t folders,
                                   std::uint32_t files, std::uint64_t bytes);

}  // namespace arbovane
