#include "db/SiblingPath.h"

#include "common/Format.h"

namespace sky {

std::optional<std::string> siblingPath(const std::string& path, std::string_view extension) {
    constexpr std::string_view kLower = ".txt";
    constexpr std::string_view kUpper = ".TXT";
    if (path.size() < kLower.size()) return std::nullopt;
    const std::string_view tail = std::string_view(path).substr(path.size() - kLower.size());
    if (tail != kLower && tail != kUpper) return std::nullopt;
    std::string sibling = path.substr(0, path.size() - kLower.size());
    sibling += extension;
    return sibling;
}

std::string notTextPathMessage(const std::string& path) {
    return format("The channel list file name must end in .txt : %s\n", path.c_str());
}

}  // namespace sky
