#pragma once

#include <string>
#include <string_view>

namespace sky {

// An output file created (or truncated) for writing, closed when the object goes. Every write
// and the close are checked, so that a full disk is seen as a failure.
class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    bool create(const std::string& path);
    // Writes all of data; false on any failure.
    bool write(std::string_view data);
    // Closes the file; false when the data could not be stored.
    bool close();

private:
    int fd_ = -1;
};

}  // namespace sky
