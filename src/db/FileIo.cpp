#include "db/FileIo.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace sky {

std::optional<std::string> readWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    // A regular file is read straight into a buffer of its size; pipes and the like grow it.
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    std::string data(regular ? static_cast<size_t>(info.st_size) + 1 : 65536, '\0');
    size_t used = 0;
    bool ok = true;
    for (;;) {
        if (used == data.size()) data.resize(2 * data.size());
        const ssize_t n = ::read(fd, data.data() + used, data.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        used += static_cast<size_t>(n);
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    data.resize(used);
    return data;
}

FileView::~FileView() {
    release();
}

void FileView::release() {
    if (mapping_ != nullptr) ::munmap(mapping_, mappedSize_);
    mapping_ = nullptr;
    mappedSize_ = 0;
    buffer_.clear();
    bytes_ = {};
}

bool FileView::open(const std::string& path) {
    release();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        const auto size = static_cast<size_t>(info.st_size);
        void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (mapping != MAP_FAILED) {
            ::close(fd);
            mapping_ = mapping;
            mappedSize_ = size;
            bytes_ = std::string_view(static_cast<const char*>(mapping), size);
            return true;
        }
    }
    ::close(fd);
    std::optional<std::string> data = readWholeFile(path);
    if (!data) return false;
    buffer_ = std::move(*data);
    bytes_ = buffer_;
    return true;
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

bool writeWholeFile(const std::string& path, std::string_view data, bool append) {
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC);
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) return false;
    const bool written = writeAll(fd, data);
    return ::close(fd) == 0 && written;
}

}  // namespace sky
