#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sky {

// Reads a whole file; nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

// The bytes of a file, read only: a regular file is mapped into memory, so that its pages come
// straight from the page cache; anything else (a pipe, a device) is read into a buffer. Editors
// that save by writing a new file and renaming it leave the mapped version intact; only a
// truncation of the same file while it is read could take pages away from under the reader.
class FileView {
public:
    FileView() = default;
    ~FileView();
    FileView(const FileView&) = delete;
    FileView& operator=(const FileView&) = delete;

    // False when the file cannot be opened or read.
    bool open(const std::string& path);
    std::string_view bytes() const { return bytes_; }

private:
    void release();

    void* mapping_ = nullptr;
    size_t mappedSize_ = 0;
    std::string buffer_;
    std::string_view bytes_;
};

// Writes all of data to an open file descriptor, going on after interruptions; false when any
// write fails (a full disk, a vanished device).
bool writeAll(int fd, std::string_view data);

// Writes a whole file (creating or truncating it) and checks every write and the close.
bool writeWholeFile(const std::string& path, std::string_view data, bool append = false);

}  // namespace sky
