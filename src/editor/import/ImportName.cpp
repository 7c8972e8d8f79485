#include "editor/import/ImportName.h"

#include <algorithm>

#include "common/Format.h"
#include "db/TextFormat.h"
#include "editor/model/NameEncoding.h"

namespace sky {

namespace {

// The name in the list's text, as it reads back once written.
std::string listText(std::string_view utf8) {
    return keepableName(listName(utf8));
}

// Whether the conversion put "?" for characters that have no Latin form.
bool lostCharacters(std::string_view utf8, const std::string& text) {
    return std::count(text.begin(), text.end(), '?') > std::count(utf8.begin(), utf8.end(), '?');
}

std::string cut(std::string text) {
    text.resize(std::min(text.size(), kLongestChannelName));
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

}  // namespace

std::string keepableName(std::string text) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) c = ' ';
        if (c == '"') c = '\'';
        if (c == '~') c = '-';
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, first);
    // The views find the sections by their marker texts ("CHANNEL END"), which all hold a space.
    if (isSectionMarker(text)) std::replace(text.begin(), text.end(), ' ', '-');
    return text;
}

ImportName importChannelName(std::string_view name, std::string_view shortName, int serviceId) {
    ImportName out;
    std::string text = listText(name);
    if (text.empty()) {
        out.text = format("Service %d", serviceId);
        out.note = "the service has no name";
        return out;
    }
    const std::string quoted = "\"" + utf8Name(text) + "\"";
    if (text.size() > kLongestChannelName) {
        const std::string shortText = listText(shortName);
        if (!shortText.empty() && shortText.size() <= kLongestChannelName) {
            out.text = shortText;
            out.note = "the short name of " + quoted;
            if (lostCharacters(shortName, shortText))
                out.note += "; characters without a Latin form";
            return out;
        }
        text = cut(std::move(text));
        out.note = "cut from " + quoted;
    }
    out.text = std::move(text);
    if (lostCharacters(name, out.text)) {
        out.note += std::string(out.note.empty() ? "" : "; ") +
                    "characters without a Latin form: give it a name";
    }
    return out;
}

ImportName editedChannelName(std::string_view name, int serviceId) {
    return importChannelName(name, {}, serviceId);
}

}  // namespace sky
