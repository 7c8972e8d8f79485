#pragma once

#include <string>
#include <string_view>

#include "db/FileIo.h"

namespace sky {

// Reads a channel-list text file line by line, as the compiler and the loader both do: every line
// ends with CR LF (or LF alone) within its first 500 bytes, and is prepared before it is split into
// fields (the double quotes of a name are rewritten so that the name becomes one field without
// spaces).
class LineReader {
public:
    enum class Result {
        Line,        // a prepared line is available
        EndOfFile,   // no more bytes
        Unreadable,  // a single double quote, no line end within the line's first 500 bytes
    };

    // Opens the file for reading; false when it cannot be opened or read.
    bool open(const std::string& path);
    // Reads a text held in memory instead, which must outlive the reader's use of it.
    void openText(std::string_view text);

    // The next line, prepared, without its line end and cut at a NUL byte. A last line without one
    // is returned only when it is the "[END]" header (it ends every reader); otherwise it, and a
    // line too long for the reader, are Unreadable. The view stays valid until the next call.
    Result next(std::string_view& line);

    // The 1-based number of the line last returned (or refused).
    int lineNumber() const { return lineNumber_; }

private:
    FileView file_;
    std::string_view data_;
    // The line last returned, prepared: the file itself is only read.
    std::string line_;
    size_t offset_ = 0;
    int lineNumber_ = 0;
};

// Rewrites the double quotes of a line in place: with two or more quotes, every quote strictly
// between the first and the last becomes "-" and every space there "~"; the first and last become
// spaces, or both "-" when they are adjacent (the empty name reads as "--"). Returns false for a
// line with exactly one quote.
bool prepareQuotes(char* line, size_t length);

}  // namespace sky
