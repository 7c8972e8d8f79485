#include "serial/PortHolders.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace sky {

namespace {

namespace fs = std::filesystem;

std::optional<long> pidOf(const std::string& text) {
    long pid = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    while (begin < end && *begin == ' ') ++begin;
    const auto [stop, error] = std::from_chars(begin, end, pid);
    if (error != std::errc() || stop == begin || pid <= 0) return std::nullopt;
    return pid;
}

std::string commOf(const fs::path& processFolder) {
    std::ifstream in(processFolder / "comm");
    std::string name;
    std::getline(in, name);
    return name;
}

// The device as the kernel names it: links (such as /dev/serial/by-id/...) resolved.
fs::path resolved(const std::string& device) {
    std::error_code error;
    const fs::path real = fs::canonical(device, error);
    return error ? fs::path(device) : real;
}

// Calls visit(pid, folder) for every process folder under proc until it returns true.
template <typename Visit>
void forEachProcess(const SystemPlaces& places, Visit visit) {
    std::error_code error;
    for (fs::directory_iterator it(places.proc, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() ||
            !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        if (const std::optional<long> pid = pidOf(name); pid && visit(*pid, it->path())) return;
    }
}

}  // namespace

std::optional<PortHolder> lockFileHolder(const std::string& device, const SystemPlaces& places) {
    std::vector<std::string> names{fs::path(device).filename().string()};
    const std::string realName = resolved(device).filename().string();
    if (realName != names.front()) names.push_back(realName);
    for (const std::string& folder : places.lockFolders) {
        for (const std::string& name : names) {
            std::ifstream in(fs::path(folder) / ("LCK.." + name), std::ios::binary);
            if (!in) continue;
            const std::string content((std::istreambuf_iterator<char>(in)),
                                      std::istreambuf_iterator<char>());
            std::optional<long> pid = pidOf(content);
            if (!pid && content.size() == sizeof(int)) {
                int binary = 0;
                std::memcpy(&binary, content.data(), sizeof binary);
                if (binary > 0) pid = binary;
            }
            if (!pid) continue;
            const fs::path process = fs::path(places.proc) / std::to_string(*pid);
            std::error_code error;
            if (fs::is_directory(process, error)) return PortHolder{*pid, commOf(process)};
        }
    }
    return std::nullopt;
}

std::optional<PortHolder> flockHolder(const std::string& device, const SystemPlaces& places) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) return std::nullopt;
    // Each lock: "N: FLOCK ADVISORY WRITE PID MAJ:MIN:INODE START END", with the file system's
    // device numbers in hexadecimal; waiters for a lock have "->" after N and are skipped.
    char key[64];
    std::snprintf(key, sizeof key, "%02x:%02x:%llu", ::major(info.st_dev), ::minor(info.st_dev),
                  static_cast<unsigned long long>(info.st_ino));
    std::ifstream locks(fs::path(places.proc) / "locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream fields(line);
        std::string number, kind, mode, access, pid, file;
        fields >> number >> kind >> mode >> access >> pid >> file;
        if (kind == "->" || file != key) continue;
        if (const std::optional<long> holder = pidOf(pid)) {
            return PortHolder{*holder, commOf(fs::path(places.proc) / pid)};
        }
    }
    return std::nullopt;
}

std::optional<PortHolder> openFileHolder(const std::string& device, const SystemPlaces& places) {
    const fs::path target = resolved(device);
    std::optional<PortHolder> holder;
    forEachProcess(places, [&](long pid, const fs::path& process) {
        std::error_code error;
        for (fs::directory_iterator it(process / "fd", error), end; !error && it != end;
             it.increment(error)) {
            std::error_code linkError;
            if (fs::read_symlink(it->path(), linkError) == target && !linkError) {
                holder = PortHolder{pid, commOf(process)};
                return true;
            }
        }
        return false;
    });
    return holder;
}

bool programRunning(const std::string& program, const SystemPlaces& places) {
    bool running = false;
    forEachProcess(places, [&](long, const fs::path& process) {
        running = commOf(process) == program;
        return running;
    });
    return running;
}

}  // namespace sky
