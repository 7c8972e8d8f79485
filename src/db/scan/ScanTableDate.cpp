#include "db/scan/ScanTableDate.h"

#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "db/scan/ScanTableFiles.h"

namespace sky {

namespace {

constexpr const char* kDpkgStatus = "/var/lib/dpkg/status";
constexpr const char* kTablePackage = "dtv-scan-tables";

bool allDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return !text.empty();
}

std::string fileDate(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    std::tm day{};
    if (!gmtime_r(&info.st_mtime, &day)) return {};
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &day);
    return text;
}

}  // namespace

std::string packageVersionDate(std::string_view version) {
    const std::size_t at = version.find("git");
    if (at == std::string_view::npos || version.size() < at + 11) return {};
    const std::string_view digits = version.substr(at + 3, 8);
    if (!allDigits(digits)) return {};
    return std::string(digits.substr(0, 4)) + "-" + std::string(digits.substr(4, 2)) + "-" +
           std::string(digits.substr(6, 2));
}

std::string installedVersion(std::string_view dpkgStatus, std::string_view package) {
    const std::string header = "Package: " + std::string(package) + "\n";
    std::size_t at = 0;
    while ((at = dpkgStatus.find(header, at)) != std::string_view::npos) {
        if (at == 0 || dpkgStatus[at - 1] == '\n') break;
        at += header.size();
    }
    if (at == std::string_view::npos) return {};
    std::size_t end = dpkgStatus.find("\n\n", at);
    const std::string_view stanza =
        dpkgStatus.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
    const std::size_t version = stanza.find("\nVersion: ");
    if (version == std::string_view::npos) return {};
    const std::size_t from = version + 10;
    end = stanza.find('\n', from);
    return std::string(
        stanza.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from));
}

std::string scanTableDate(const std::string& folder, const std::string& path) {
    if (std::filesystem::path(folder) == std::filesystem::path(kScanTableFolder)) {
        std::ifstream status(kDpkgStatus, std::ios::binary);
        std::ostringstream text;
        text << status.rdbuf();
        const std::string date = packageVersionDate(installedVersion(text.str(), kTablePackage));
        if (!date.empty()) return date;
    }
    return fileDate(path);
}

}  // namespace sky
