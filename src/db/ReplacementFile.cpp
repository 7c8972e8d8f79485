#include "db/ReplacementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "common/Format.h"
#include "db/FileIo.h"

namespace sky {

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target)) {}

ReplacementFile::~ReplacementFile() {
    if (!committed_) discard();
}

bool ReplacementFile::create() {
    discard();
    // A name of our own, tried until one is free; the mode follows the umask like any new file.
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name =
            format("%s.%d-%u.part", target_.c_str(), static_cast<int>(::getpid()), counter++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            temporary_ = std::move(name);
            // The new version keeps the permissions of the one it replaces.
            struct stat status {};
            if (::stat(target_.c_str(), &status) == 0) ::fchmod(fd_, status.st_mode & 07777);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool ReplacementFile::write(std::string_view data) {
    return write({data});
}

bool ReplacementFile::write(std::initializer_list<std::string_view> parts) {
    for (const std::string_view part : parts) {
        if (!append(part)) return false;
    }
    return close();
}

bool ReplacementFile::append(std::string_view part) {
    if (fd_ < 0) return false;
    if (writeAll(fd_, part)) return true;
    discard();
    return false;
}

bool ReplacementFile::close() {
    if (fd_ < 0) return false;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!closed) discard();
    return closed;
}

bool ReplacementFile::commit() {
    if (fd_ >= 0 || temporary_.empty()) return false;
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) return false;
    temporary_.clear();
    committed_ = true;
    return true;
}

void ReplacementFile::discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        std::remove(temporary_.c_str());
        temporary_.clear();
    }
}

}  // namespace sky
