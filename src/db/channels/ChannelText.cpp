#include "db/channels/ChannelText.h"

#include <charconv>

namespace sky::channeltext {

std::string_view trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find(separator);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) return parts;
        text.remove_prefix(at + 1);
    }
}

namespace {

template <typename Number>
std::optional<Number> parsed(std::string_view text, int base, std::size_t longest) {
    if (text.empty() || text.size() > longest) return std::nullopt;
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> wholeNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    return parsed<int>(text, 10, 9);
}

std::optional<long long> wholeAmount(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    return parsed<long long>(text, 10, 15);
}

std::optional<int> signedNumber(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        const std::optional<int> value = wholeNumber(text.substr(1));
        return value ? std::optional<int>(-*value) : std::nullopt;
    }
    return wholeNumber(text);
}

std::optional<unsigned> hexNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) return std::nullopt;
    return parsed<unsigned>(text, 16, 8);
}

int toMega(long long value) {
    while (value >= 100000) value = (value + 500) / 1000;
    return static_cast<int>(value);
}

std::string shown(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest) return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, kLongest)) + "...\"";
}

}  // namespace sky::channeltext
