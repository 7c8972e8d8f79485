#include "editor/rename/RenameRules.h"

#include <algorithm>
#include <charconv>

#include "editor/import/ImportName.h"
#include "editor/model/NameEncoding.h"

namespace sky {

namespace {

bool isLatin1Upper(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

bool isLatin1Lower(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}

// Upper and lower case letters of Latin-1 lie 0x20 apart; ß and ÿ have no capital.
char toUpper(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return isLatin1Lower(byte) ? static_cast<char>(byte - 0x20) : c;
}

char toLower(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return isLatin1Upper(byte) ? static_cast<char>(byte + 0x20) : c;
}

bool isWordCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return isLatin1Upper(byte) || isLatin1Lower(byte) || byte == 0xDF || byte == 0xFF ||
           (c >= '0' && c <= '9');
}

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return toUpper(x) == toUpper(y);
           });
}

bool listed(std::string_view word, const std::vector<std::string>& words) {
    return std::any_of(words.begin(), words.end(),
                       [&](const std::string& w) { return sameWord(word, w); });
}

// The words of a text, separated by spaces; they point into the text.
std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at) words.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

std::string joinWords(const std::vector<std::string_view>& words) {
    std::string text;
    for (const std::string_view word : words) {
        if (!text.empty()) text += ' ';
        text += word;
    }
    return text;
}

std::string replaceAll(std::string text, const std::string& find, const std::string& to) {
    for (std::size_t at = text.find(find); at != std::string::npos;
         at = text.find(find, at + to.size())) {
        text.replace(at, find.size(), to);
    }
    return text;
}

std::string stripWords(const std::string& name, const std::vector<std::string>& words) {
    std::vector<std::string_view> kept = splitWords(name);
    const auto stripped = std::remove_if(
        kept.begin(), kept.end(), [&](std::string_view word) { return listed(word, words); });
    if (stripped == kept.end()) return name;
    kept.erase(stripped, kept.end());
    return joinWords(kept);
}

std::string fit(std::string name, std::size_t width, const std::vector<std::string>& words) {
    if (name.size() <= width) return name;
    // The listed words go from the right, one at a time, while one word is left.
    const std::string whole = name;
    std::vector<std::string_view> parts = splitWords(whole);
    for (std::size_t i = parts.size(); i-- > 0 && parts.size() > 1;) {
        if (!listed(parts[i], words)) continue;
        parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(i));
        name = joinWords(parts);
        if (name.size() <= width) return name;
    }
    for (std::size_t space = name.rfind(' '); name.size() > width && space != std::string::npos;
         space = name.rfind(' ')) {
        name.erase(space, 1);
    }
    name.resize(std::min(name.size(), width));
    return name;
}

std::optional<std::pair<std::string, std::string>> findAndTo(std::string_view text,
                                                             std::string& error) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        error = "expected FIND=TO with FIND not empty, not '" + std::string(text) + "'";
        return std::nullopt;
    }
    return std::pair{listName(text.substr(0, equals)), listName(text.substr(equals + 1))};
}

}  // namespace

std::optional<RenameRule> parseRenameRule(RenameRuleKind kind, std::string_view text,
                                          std::string& error) {
    RenameRule rule;
    rule.kind = kind;
    switch (kind) {
        case RenameRuleKind::Replace:
        case RenameRuleKind::Regex: {
            const auto parts = findAndTo(text, error);
            if (!parts) return std::nullopt;
            rule.find = parts->first;
            rule.to = parts->second;
            if (kind == RenameRuleKind::Regex) {
                try {
                    rule.pattern =
                        std::regex(rule.find, std::regex::ECMAScript | std::regex::optimize);
                } catch (const std::regex_error& e) {
                    error = "'" + std::string(text.substr(0, text.find('='))) +
                            "' is no regular expression: " + e.what();
                    return std::nullopt;
                }
            }
            return rule;
        }
        case RenameRuleKind::Case:
            if (text == "upper" || text == "lower" || text == "title") {
                rule.nameCase = text == "upper"   ? NameCase::Upper
                                : text == "lower" ? NameCase::Lower
                                                  : NameCase::Title;
                return rule;
            }
            error = "expected upper, lower or title, not '" + std::string(text) + "'";
            return std::nullopt;
        case RenameRuleKind::Strip:
            for (std::size_t at = 0; at <= text.size();) {
                const std::size_t end = std::min(text.find(',', at), text.size());
                const std::string words = listName(text.substr(at, end - at));
                for (const std::string_view word : splitWords(words)) rule.words.emplace_back(word);
                at = end + 1;
            }
            if (rule.words.empty()) {
                error = "expected words to strip, separated by commas";
                return std::nullopt;
            }
            return rule;
        case RenameRuleKind::Fit: {
            std::size_t width = 0;
            const auto [end, failure] =
                std::from_chars(text.data(), text.data() + text.size(), width);
            if (failure != std::errc() || end != text.data() + text.size() || width < 1 ||
                width > kLongestChannelName) {
                error = "expected a width from 1 to 13, not '" + std::string(text) + "'";
                return std::nullopt;
            }
            rule.width = width;
            return rule;
        }
    }
    return std::nullopt;
}

std::string ruleText(const RenameRule& rule) {
    switch (rule.kind) {
        case RenameRuleKind::Replace:
        case RenameRuleKind::Regex:
            return utf8Name(rule.find) + "=" + utf8Name(rule.to);
        case RenameRuleKind::Case:
            return rule.nameCase == NameCase::Upper   ? "upper"
                   : rule.nameCase == NameCase::Lower ? "lower"
                                                      : "title";
        case RenameRuleKind::Strip: {
            std::string text;
            for (const std::string& word : rule.words) text += (text.empty() ? "" : ",") + word;
            return utf8Name(text);
        }
        case RenameRuleKind::Fit:
            return std::to_string(rule.width);
    }
    return {};
}

const char* ruleKindName(RenameRuleKind kind) {
    switch (kind) {
        case RenameRuleKind::Replace:
            return "Replace text";
        case RenameRuleKind::Regex:
            return "Replace by regular expression";
        case RenameRuleKind::Case:
            return "Change case";
        case RenameRuleKind::Strip:
            return "Strip words";
        case RenameRuleKind::Fit:
            return "Fit to width";
    }
    return "";
}

const char* ruleHint(RenameRuleKind kind) {
    switch (kind) {
        case RenameRuleKind::Replace:
            return "FIND=TO";
        case RenameRuleKind::Regex:
            return "FIND=TO, $1 in TO for the first group";
        case RenameRuleKind::Case:
            return "upper, lower or title";
        case RenameRuleKind::Strip:
            return "words separated by commas, such as HD,SD";
        case RenameRuleKind::Fit:
            return "a width from 1 to 13";
    }
    return "";
}

std::string renamed(std::string_view name, const std::vector<RenameRule>& rules) {
    // Fit's words: those of the Strip rules, else the default ones. Most rule sets strip with one
    // rule at most, which is then used as it is.
    const std::vector<std::string>* fitWords = &kDefaultFitWords;
    std::vector<std::string> stripped;
    for (const RenameRule& rule : rules) {
        if (rule.kind != RenameRuleKind::Strip) continue;
        if (fitWords == &kDefaultFitWords) {
            fitWords = &rule.words;
        } else {
            if (stripped.empty()) stripped = *fitWords;
            stripped.insert(stripped.end(), rule.words.begin(), rule.words.end());
            fitWords = &stripped;
        }
    }

    std::string text(name);
    for (const RenameRule& rule : rules) {
        switch (rule.kind) {
            case RenameRuleKind::Replace:
                text = replaceAll(std::move(text), rule.find, rule.to);
                break;
            case RenameRuleKind::Regex:
                // A pattern too complex for a name leaves the name as the rules before made it.
                try {
                    text = std::regex_replace(text, rule.pattern, rule.to);
                } catch (const std::regex_error&) {
                }
                break;
            case RenameRuleKind::Case:
                text = rule.nameCase == NameCase::Upper   ? upperLatin1(std::move(text))
                       : rule.nameCase == NameCase::Lower ? lowerLatin1(std::move(text))
                                                          : titleLatin1(std::move(text));
                break;
            case RenameRuleKind::Strip:
                text = stripWords(text, rule.words);
                break;
            case RenameRuleKind::Fit:
                text = fit(keepableName(std::move(text)), rule.width, *fitWords);
                break;
        }
    }
    return keepableName(std::move(text));
}

std::string upperLatin1(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), toUpper);
    return text;
}

std::string lowerLatin1(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), toLower);
    return text;
}

std::string titleLatin1(std::string text) {
    bool inWord = false;
    for (char& c : text) {
        c = inWord ? toLower(c) : toUpper(c);
        inWord = isWordCharacter(c);
    }
    return text;
}

}  // namespace sky
