#include "serial/ReceivedLists.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "common/Format.h"
#include "db/FileIo.h"

namespace sky {

namespace {

namespace fs = std::filesystem;

// A kept list of the upload file: its stem, a dash, then a digit (the date).
bool isKeptList(const fs::path& upload, const fs::path& candidate) {
    const std::string prefix = upload.stem().string() + "-";
    const std::string name = candidate.filename().string();
    return name.size() > prefix.size() && name.starts_with(prefix) && name[prefix.size()] >= '0' &&
           name[prefix.size()] <= '9' && candidate.extension() == upload.extension();
}

// The kept lists of the upload file with their times, newest first.
std::vector<std::pair<fs::file_time_type, fs::path>> keptLists(const fs::path& upload) {
    std::vector<std::pair<fs::file_time_type, fs::path>> lists;
    std::error_code error;
    for (fs::directory_iterator it(upload.parent_path(), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (!isKeptList(upload, it->path()) || !it->is_regular_file(ignored)) continue;
        const fs::file_time_type time = it->last_write_time(ignored);
        if (!ignored) lists.emplace_back(time, it->path());
    }
    std::sort(lists.begin(), lists.end(), [](const auto& a, const auto& b) { return a > b; });
    return lists;
}

}  // namespace

std::string fileTimeStamp(std::chrono::system_clock::time_point now) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

std::optional<std::string> keepReceivedList(const std::string& uploadPath, std::string_view list,
                                            std::chrono::system_clock::time_point now) {
    const fs::path upload(uploadPath);
    const std::string base =
        (upload.parent_path() / (upload.stem().string() + "-" + fileTimeStamp(now))).string();
    const std::string extension = upload.extension().string();
    for (int attempt = 1; attempt < 100; ++attempt) {
        const std::string path =
            attempt == 1 ? base + extension : format("%s-%d", base.c_str(), attempt) + extension;
        // Created afresh, never over another upload's list nor through a link.
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return std::nullopt;
        }
        const bool written = writeAll(fd, list);
        if (::close(fd) == 0 && written) return path;
        ::unlink(path.c_str());
        return std::nullopt;
    }
    return std::nullopt;
}

void pruneKeptLists(const std::string& uploadPath, const std::string& kept) {
    const auto lists = keptLists(uploadPath);
    const fs::file_time_type oldest = fs::file_time_type::clock::now() - kKeptListAge;
    size_t count = 0;
    for (const auto& [time, path] : lists) {
        if (path == fs::path(kept)) continue;
        // The one just kept counts among the newest.
        if (++count < kKeptListCount && time >= oldest) continue;
        std::error_code ignored;
        fs::remove(path, ignored);
    }
}

std::optional<std::string> newestKeptList(const std::string& uploadPath) {
    const auto lists = keptLists(uploadPath);
    if (lists.empty()) return std::nullopt;
    return lists.front().second.string();
}

std::optional<uint64_t> expectedDumpSize(const std::string& uploadPath) {
    const std::optional<std::string> newest = newestKeptList(uploadPath);
    if (!newest) return std::nullopt;
    const std::optional<std::string> list = readWholeFile(*newest);
    if (!list) return std::nullopt;
    const auto lines = static_cast<uint64_t>(std::count(list->begin(), list->end(), '\n'));
    return list->size() + 2 * lines;
}

}  // namespace sky
