#include "serial/SerialDevices.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <tuple>

namespace sky {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 3> kPrefixes{"ttyS", "ttyUSB", "ttyACM"};

// The name's prefix rank and number, for ttyS2 before ttyS10; nothing for other names.
std::optional<std::tuple<std::size_t, long, std::string>> terminalKey(const std::string& name) {
    for (std::size_t rank = 0; rank < kPrefixes.size(); ++rank) {
        const std::string_view prefix = kPrefixes[rank];
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::string digits = name.substr(prefix.size());
        if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (digits.size() > 9) continue;
        return std::tuple{rank, std::stol(digits), name};
    }
    return std::nullopt;
}

}  // namespace

bool isTerminal(int fd) {
    termios settings{};
    return ::tcgetattr(fd, &settings) == 0;
}

TerminalCheck checkTerminal(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return TerminalCheck::Unopened;
    const bool terminal = isTerminal(fd);
    ::close(fd);
    return terminal ? TerminalCheck::Terminal : TerminalCheck::NotTerminal;
}

std::vector<std::string> serialDevicesPresent(const std::string& deviceFolder) {
    std::vector<std::tuple<std::size_t, long, std::string>> terminals;
    std::error_code error;
    for (fs::directory_iterator it(deviceFolder, error), end; !error && it != end;
         it.increment(error)) {
        if (auto key = terminalKey(it->path().filename().string())) terminals.push_back(*key);
    }
    std::sort(terminals.begin(), terminals.end());
    std::vector<std::string> devices;
    const fs::path folder(deviceFolder);
    for (const auto& terminal : terminals)
        devices.push_back((folder / std::get<2>(terminal)).string());

    std::vector<std::string> stable;
    error.clear();
    for (fs::directory_iterator it(folder / "serial" / "by-id", error), end; !error && it != end;
         it.increment(error)) {
        stable.push_back(it->path().string());
    }
    std::sort(stable.begin(), stable.end());
    devices.insert(devices.end(), stable.begin(), stable.end());
    return devices;
}

std::vector<std::string> serialDevicesAnswering(const std::string& deviceFolder) {
    std::vector<std::string> devices = serialDevicesPresent(deviceFolder);
    std::erase_if(devices, [](const std::string& device) {
        // Opening a ttyS* without a port behind it fails.
        return fs::path(device).filename().string().starts_with("ttyS") &&
               checkTerminal(device) != TerminalCheck::Terminal;
    });
    return devices;
}

std::optional<std::string> stableNameOf(const std::string& device,
                                        const std::string& deviceFolder) {
    const fs::path stableFolder = fs::path(deviceFolder) / "serial" / "by-id";
    std::error_code error;
    const fs::path target = fs::canonical(device, error);
    if (error || fs::path(device).parent_path() == stableFolder) return std::nullopt;
    for (fs::directory_iterator it(stableFolder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code linkError;
        if (fs::canonical(it->path(), linkError) == target && !linkError) {
            return it->path().string();
        }
    }
    return std::nullopt;
}

}  // namespace sky
