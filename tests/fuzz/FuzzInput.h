#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sky::fuzz {

// The input as a channel list's text.
inline std::string_view textOf(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Reports a broken promise and aborts, so that the fuzzer keeps the input that broke it.
[[noreturn]] void fail(const std::string& what, const std::vector<std::string>& messages = {});

}  // namespace sky::fuzz
