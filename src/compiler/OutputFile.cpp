#include "compiler/OutputFile.h"

#include <fcntl.h>
#include <unistd.h>

#include "db/FileIo.h"

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
    return fd_ >= 0 && writeAll(fd_, data);
}

bool OutputFile::close() {
    if (fd_ < 0) return false;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0;
}

}  // namespace sky
