#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace sky {

// A new version of a file, written beside it under a temporary name and renamed over it only when
// it is complete, so the file's path never holds a half-written version. A replacement that is
// not committed is removed when the object goes.
class ReplacementFile {
public:
    explicit ReplacementFile(std::string target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file in the target's folder; false when that is not possible.
    bool create();

    // Writes the whole content and closes the file, checking every write and the close.
    bool write(std::string_view data);
    // The same for content in parts, written one after the other.
    bool write(std::initializer_list<std::string_view> parts);

    // Content written a part at a time, as it is made: append() writes one part and keeps the
    // file open, close() closes it after the last, checking the close. After a failure of either
    // the replacement is discarded, and commit() refuses.
    bool append(std::string_view part);
    bool close();

    // Renames the written file over the target.
    bool commit();

private:
    void discard();

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    bool committed_ = false;
};

}  // namespace sky
