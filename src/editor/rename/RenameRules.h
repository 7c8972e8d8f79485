#pragma once

#include <cstddef>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace sky {

// Rename Channels changes channel names by rules applied in order. Names are the list's 8-bit
// (Latin-1) text; a rule's texts come in as UTF-8 and are converted to it with listName().

enum class RenameRuleKind { Replace, Regex, Case, Strip, Fit };
enum class NameCase { Upper, Lower, Title };

struct RenameRule {
    RenameRuleKind kind = RenameRuleKind::Replace;
    std::string find;  // Replace: the text; Regex: the pattern as written
    std::string to;    // Replace and Regex: the replacement (Regex: "$1" names a group)
    std::regex pattern;
    NameCase nameCase = NameCase::Upper;
    std::vector<std::string> words;  // Strip: the words taken out
    std::size_t width = 13;          // Fit: the longest name
};

// The words Fit takes out of a name that is too long when no Strip rule names any: the marks of
// picture quality. "+1" is not among them: it tells a time-shifted channel apart.
inline const std::vector<std::string> kDefaultFitWords{"HD", "SD"};

// Parses one rule from the command line's or the dialog's text: Replace and Regex
// "FIND=TO" (split at the first "="; FIND may not be empty), Case "upper", "lower" or "title",
// Strip words separated by commas, Fit a width from 1 to 13. Nothing, with `error` set, for text
// that makes no rule (a pattern that is no ECMAScript regular expression among them).
std::optional<RenameRule> parseRenameRule(RenameRuleKind kind, std::string_view text,
                                          std::string& error);

// The rule's text as the user writes it (UTF-8), and what the dialog calls its kind.
std::string ruleText(const RenameRule& rule);
const char* ruleKindName(RenameRuleKind kind);
// What the text of a rule of the kind holds, for the dialog's empty text field.
const char* ruleHint(RenameRuleKind kind);
inline constexpr RenameRuleKind kRenameRuleKinds[] = {RenameRuleKind::Replace,
                                                      RenameRuleKind::Regex, RenameRuleKind::Case,
                                                      RenameRuleKind::Strip, RenameRuleKind::Fit};

// The name after every rule, in order. Fit takes out, while the name is too long, the words of
// the Strip rules among `rules` (kDefaultFitWords when there are none), then the spaces between
// words from the right, then cuts. The result is list text, as keepableName()
// makes it.
std::string renamed(std::string_view name, const std::vector<RenameRule>& rules);

// Latin-1 case changes: the letters of ASCII and of Latin-1 (é and É); ß and ÿ have no capital
// in Latin-1 and stay.
std::string upperLatin1(std::string text);
std::string lowerLatin1(std::string text);
// Each word's first letter capital, the others small; a word begins after a character that is
// no letter or digit.
std::string titleLatin1(std::string text);

}  // namespace sky
