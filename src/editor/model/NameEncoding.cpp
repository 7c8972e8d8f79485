#include "editor/model/NameEncoding.h"

#include <cstddef>

namespace sky {

namespace {

// The plain letter of each character from U+0100 to U+017F (Latin Extended-A), whose letters
// Latin-1 lacks.
constexpr std::string_view kExtendedALetters =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOo"
    "OoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(kExtendedALetters.size() == 0x80);

// The length of the UTF-8 sequence a lead byte begins, or 0 for a byte that begins none.
std::size_t sequenceLength(unsigned char lead) {
    return lead < 0x80           ? 1
           : (lead >> 5) == 0x6  ? 2
           : (lead >> 4) == 0xE  ? 3
           : (lead >> 3) == 0x1E ? 4
                                 : 0;
}

// The one byte that stands for a character in the list's text.
char listByte(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character < 0x100)) {
        return static_cast<char>(character);
    }
    if (character >= 0x100 && character < 0x180) return kExtendedALetters[character - 0x100];
    switch (character) {
        case 0x2018:  // quotation marks and apostrophes
        case 0x2019:
        case 0x201A:
            return '\'';
        case 0x2010:  // hyphens and dashes
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
            return '-';
        default:
            return '?';
    }
}

}  // namespace

bool validUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(c);
        if (length == 0 || (length == 2 && c < 0xC2) || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += length;
    }
    return true;
}

std::string utf8Name(std::string_view name) {
    if (validUtf8(name)) return std::string(name);
    std::string converted;
    converted.reserve(name.size() * 2);
    for (const char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            converted += c;
        } else {
            converted += static_cast<char>(0xC0 | (byte >> 6));
            converted += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return converted;
}

std::string listName(std::string_view name) {
    if (!validUtf8(name)) return std::string(name);
    std::string converted;
    converted.reserve(name.size());
    std::size_t i = 0;
    while (i < name.size()) {
        const unsigned char lead = static_cast<unsigned char>(name[i]);
        const std::size_t length = sequenceLength(lead);
        char32_t character = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            character = (character << 6) | (static_cast<unsigned char>(name[i + k]) & 0x3F);
        }
        converted += listByte(character);
        i += length;
    }
    return converted;
}

}  // namespace sky
