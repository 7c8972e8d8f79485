#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "db/LineReader.h"
#include "db/ListLayout.h"
#include "db/TokenArray.h"

namespace sky {

// The lines of channelListText(tokens) one at a time, each as LineReader would give it from that
// text, with the same line numbers, without the text being written: a compile of the list on
// screen reads it from here. A transponder or channel row whose line would split into exactly
// its fields is not even put together as a line: its fields are handed over instead.
class TokenLines {
public:
    enum class Result {
        Line,        // a line, or a row's fields
        EndOfFile,   // after the list's "[END]"
        Unreadable,  // as LineReader would find the line
        // A field holds a line end, so the text would break a row in two: read the written text.
        Irregular,
    };

    // The array must outlive the reader and stay unchanged while it reads.
    explicit TokenLines(const TokenArray& tokens);

    // The next line: either `line`, prepared, with `fields` empty, or a row's `fields` (as
    // splitFields() would find them in the prepared line) with `line` empty.
    Result next(std::string_view& line, std::span<const std::string_view>& fields);

    // The 1-based number of the line last given.
    int lineNumber() const { return lineNumber_; }

private:
    // Queues the header block of the section, and the line before its first row.
    void queueHeader(size_t section);
    // Fills fields_ with the row's fields when its line would be read as exactly those: every
    // field is non-empty and free of white space, quotes and NUL (the name may hold spaces,
    // which the line's quotes turn into "~"), the line is not taken for a comment or a header,
    // and it is short enough to be read.
    bool plainRow(size_t first, const SectionLayout& layout);
    // The row's line as the text holds it, read as LineReader reads it.
    Result writtenRow(size_t first, size_t count, const SectionLayout& layout,
                      std::string_view& line);

    const TokenArray& tokens_;
    const std::array<FieldRange, 6> ranges_;
    // The section whose rows are being given (kSections.size(): the end of the list).
    size_t section_ = 0;
    size_t nextRow_ = 0;
    bool inRows_ = false;
    std::vector<std::string_view> pending_;
    size_t pendingAt_ = 0;
    int lineNumber_ = 0;

    std::string rowText_;
    LineReader rowReader_;
    std::array<std::string_view, 18> fields_{};
    // A name with its spaces turned into "~", as the line's quotes would.
    std::string name_;
};

}  // namespace sky
