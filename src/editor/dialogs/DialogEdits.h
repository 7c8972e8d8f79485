#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "common/Format.h"

namespace sky {

// How a setting dialog ended, and the buttons that end it.
enum class DialogEnd { Ok, Cancel, Delete, InsertNull };

// The most characters an edit of a setting dialog takes. The drawn dialog stops the user typing
// more; a longer text put there by the caller is refused when the values are taken.
template <typename Field>
struct EditLimit {
    Field field;
    size_t maxChars;
};

// The message for a text longer than its edit's limit.
inline std::string tooLongMessage(size_t maxChars) {
    return format("Please enter no more than %zu characters.", maxChars);
}

// The first limited edit, in exchange order, whose text is longer than its limit; the dialog
// reports it with tooLongMessage() and puts the focus there. Nothing when every text fits.
template <typename Data, size_t N>
std::optional<EditLimit<typename Data::Field>> firstTooLong(
    const Data& data, const std::array<EditLimit<typename Data::Field>, N>& limits) {
    for (const auto& limit : limits) {
        if (data.text(limit.field).size() > limit.maxChars) return limit;
    }
    return std::nullopt;
}

// The limit of one field; 0 when the field has none.
template <typename Field, size_t N>
size_t editLimitOf(const std::array<EditLimit<Field>, N>& limits, Field field) {
    for (const auto& limit : limits) {
        if (limit.field == field) return limit.maxChars;
    }
    return 0;
}

}  // namespace sky
