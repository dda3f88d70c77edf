#pragma once

#include <string>

namespace arbovane {

class Text;

// Matches one name against a Windows enumeration pattern as Windows reads it: '*' any run, '?'
// one character or none before a period or at the end, a period before a wildcard or at the
// end also matching the end, "*." a name without an extension, "*.*" every name, letter case
// ignored. A name also matches through its 8.3 short name, so "*.htm" takes "page.html".
bool MatchesWindowsPattern(const Text& text, const std::string& pattern, const std::string& name);
// The same with the short name the file system holds (empty: it has none of its own).
bool MatchesWindowsPattern(const Text& text, const std::string& pattern, const std::string& name,
                           const std::string& shortName);

// The 8.3 short name Windows makes for a long name ("PAGE~1.HTM" for "page.html"), empty for a
// name that is a valid short name itself. The number after the tilde is always 1 here.
std::string ShortNameOf(const std::string& name);

}  // namespace arbovane
