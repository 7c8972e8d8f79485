#include "serial/PrivateTempDir.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/Format.h"

namespace sky {

namespace {

// Makes sure dir is a private directory of this user; the reason when it cannot be.
std::optional<std::string> makePrivate(const std::string& dir) {
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return std::strerror(errno);
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return errno == ELOOP || errno == ENOTDIR ? "not a directory, or a symbolic link"
                                                  : std::strerror(errno);
    }
    std::optional<std::string> reason;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        reason = std::strerror(errno);
    } else if (info.st_uid != ::geteuid()) {
        reason = "owned by another user";
    } else if ((info.st_mode & 077) != 0 && ::fchmod(fd, 0700) != 0) {
        reason = "open to other users";
    }
    ::close(fd);
    return reason;
}

}  // namespace

std::optional<std::string> privateTempDir(std::string& problem) {
    std::vector<std::string> candidates;
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir != nullptr && runtimeDir[0] == '/') {
        candidates.push_back(std::string(runtimeDir) + "/skylister");
    }
    candidates.push_back(format("/tmp/skylister-%u", static_cast<unsigned>(::geteuid())));
    for (const std::string& dir : candidates) {
        const std::optional<std::string> reason = makePrivate(dir);
        if (!reason) return dir + "/";
        problem =
            format("Cannot use the temporary directory %s: %s\n", dir.c_str(), reason->c_str());
    }
    return std::nullopt;
}

std::optional<std::string> uploadFilePath(std::string& problem) {
    std::optional<std::string> dir = privateTempDir(problem);
    if (!dir) return std::nullopt;
    return *dir + kUploadFileName;
}

}  // namespace sky
