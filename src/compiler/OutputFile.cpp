#include "compiler/OutputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace sky {

OutputFile::~OutputFile() {
    if (fd_ >= 0) ::close(fd_);
}

bool OutputFile::create(const std::string& path) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd_ >= 0;
}

bool OutputFile::write(std::string_view data) {
    if (fd_ < 0) return false;
    while (!data.empty()) {
        const ssize_t written = ::write(fd_, data.data(), data.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool OutputFile::close() {
    if (fd_ < 0) return false;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
}

}  // namespace sky
