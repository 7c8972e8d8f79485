#include "editor/model/Degree.h"

#include "common/Format.h"
#include "editor/model/FieldText.h"

namespace sky {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value, modulo `modulus`, of the digits at the start of a text after white space; 0 when
// there are none. A sign is not read: the letter or sign before the number gives the direction.
int leadingDigits(std::string_view text, int modulus) {
    text = trimmed(text);
    int value = 0;
    for (size_t i = 0; i < text.size() && isDigit(text[i]); ++i) {
        value = (value * 10 + (text[i] - '0')) % modulus;
    }
    return value;
}

std::optional<std::string> reportFailure(std::optional<std::string> result, IUserInterface& ui) {
    if (!result) ui.message(kDegreeConversionError);
    return result;
}

}  // namespace

std::optional<std::string> degreeToDisplay(std::string_view stored) {
    std::string_view text = trimmed(stored);
    if (text.empty() || text.size() > kDegreeTextLimit) return std::nullopt;
    char letter = 'E';
    if (text.front() == '+' || text.front() == '-') {
        letter = text.front() == '-' ? 'W' : 'E';
        text.remove_prefix(1);
    } else if (!isDigit(text.front())) {
        return std::nullopt;
    }
    // Whole degrees wrap at 365, so the tenths are needed modulo 3650.
    const int tenths = leadingDigits(text, 3650);
    return format("%c%03d.%01d", letter, tenths / 10, tenths % 10);
}

std::optional<std::string> degreeToStored(std::string_view display) {
    const std::string upper = trimmedUpper(display);
    std::string_view text = upper;
    if (text.empty() || text.size() > kDegreeTextLimit) return std::nullopt;
    bool west = false;
    if (text.front() == '+' || text.front() == 'E' || text.front() == '-' || text.front() == 'W') {
        west = text.front() == '-' || text.front() == 'W';
        text.remove_prefix(1);
    } else if (!isDigit(text.front())) {
        return std::nullopt;
    }
    const size_t point = text.find('.');
    const int whole = leadingDigits(text.substr(0, point), 360);
    int tenths = 0;
    if (point != std::string_view::npos && point + 1 < text.size()) {
        const char digit = text[point + 1];
        if (!isDigit(digit)) return std::nullopt;
        tenths = digit - '0';
    }
    if (west && (whole != 0 || tenths != 0)) return format("-%03d%01d", whole, tenths);
    return format("%03d%01d", whole, tenths);
}

std::optional<std::string> degreeToDisplay(std::string_view stored, IUserInterface& ui) {
    return reportFailure(degreeToDisplay(stored), ui);
}

std::optional<std::string> degreeToStored(std::string_view display, IUserInterface& ui) {
    return reportFailure(degreeToStored(display), ui);
}

}  // namespace sky
