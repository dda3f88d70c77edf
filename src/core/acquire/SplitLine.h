#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace arbovane {

// The quote a space-separated import has met; once set it stays for the rest of the run, and
// every later field is handed on quoted in it.
enum class QuotingStyle { None, Double, Single };

char QuoteCharOf(QuotingStyle style);

// The fields of one line. Any character of separator ends a field, except that the separator
// " " keeps quoted runs whole: two or more double quotes (else two or more single quotes) in the
// line make the quote the cut character and set style.
std::vector<std::string> SplitLine(std::string_view line, const std::string& separator,
                                   QuotingStyle& style);

// Wraps text in quote, doubling every quote inside.
std::string QuotedText(const std::string& text, char quote);
// The text inside a leading quote up to its closing one, doubled quotes made single; the text
// itself when it does not start with quote or nothing would be left.
std::string DequotedText(const std::string& text, char quote);

}  // namespace arbovane
