// The written lines of a token array, given one at a time.

#include "db/TokenLines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "db/RecordLayout.h"
#include "db/TextFormat.h"

namespace sky {

namespace {

// The lines of a header block after the line end it starts with, without the empty rest after
// its last line end.
std::vector<std::string_view> headerLines(std::string_view header) {
    std::vector<std::string_view> lines;
    std::string_view rest = header.substr(2);
    for (size_t end; (end = rest.find("\r\n")) != std::string_view::npos;) {
        lines.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 2);
    }
    return lines;
}

const std::array<std::vector<std::string_view>, 6>& sectionHeaderLines() {
    static const std::array<std::vector<std::string_view>, 6> kLines = [] {
        std::array<std::vector<std::string_view>, 6> lines;
        for (size_t s = 0; s < lines.size(); ++s) {
            lines[s] = headerLines(sectionLayouts()[s].header);
        }
        return lines;
    }();
    return kLines;
}

// What each character is to a plain field: a space (allowed in a name only), or anything else
// that keeps a field from being plain: white space, a quote, NUL. Other control characters count
// as well, although a field may hold them: such a row is then simply read from its line.
constexpr uint8_t kSpaceMark = 1;
constexpr uint8_t kNotPlain = 2;
constexpr std::array<uint8_t, 256> kCharacterMarks = [] {
    std::array<uint8_t, 256> table{};
    for (size_t c = 0; c < ' '; ++c) table[c] = kNotPlain;
    table[' '] = kSpaceMark;
    table['"'] = kNotPlain;
    return table;
}();

// LineReader finds a line's end only within its first 500 bytes: the LF after the CR.
constexpr size_t kLongestLine = 498;

}  // namespace

TokenLines::TokenLines(const TokenArray& tokens)
    : tokens_(tokens), ranges_(findSections(tokens)), pending_{""} {
    static_assert(std::tuple_size_v<decltype(fields_)> == kAnalogFields);
    queueHeader(0);
}

void TokenLines::queueHeader(size_t section) {
    const std::vector<std::string_view>& lines = sectionHeaderLines()[section];
    pending_.insert(pending_.end(), lines.begin(), lines.end());
    pending_.push_back("");
    section_ = section;
    nextRow_ = ranges_[section].first;
    inRows_ = true;
}

TokenLines::Result TokenLines::next(std::string_view& line,
                                    std::span<const std::string_view>& fields) {
    fields = {};
    for (;;) {
        if (pendingAt_ < pending_.size()) {
            line = pending_[pendingAt_++];
            ++lineNumber_;
            return Result::Line;
        }
        pending_.clear();
        pendingAt_ = 0;
        if (inRows_) {
            const FieldRange& range = ranges_[section_];
            if (!range.empty() && nextRow_ <= range.last) {
                const SectionLayout& layout = sectionLayouts()[section_];
                const auto columns = static_cast<size_t>(kSections[section_].rowLength);
                const size_t first = nextRow_;
                const size_t count = std::min(columns, range.last - first + 1);
                nextRow_ += columns;
                ++lineNumber_;
                // The name list and the satellites are read from their lines: few rows, and
                // the satellite row's reading depends on the line itself.
                if (section_ >= 2 && count == columns && plainRow(first, layout)) {
                    line = {};
                    fields = std::span(fields_).first(columns);
                    return Result::Line;
                }
                return writtenRow(first, count, layout, line);
            }
            inRows_ = false;
            if (section_ + 1 < kSections.size()) {
                queueHeader(section_ + 1);
            } else {
                section_ = kSections.size();
                pending_ = {"", "[END]"};
            }
            continue;
        }
        return Result::EndOfFile;
    }
}

bool TokenLines::plainRow(size_t first, const SectionLayout& layout) {
    const auto nameColumn = static_cast<size_t>(layout.nameColumn);
    const size_t columns = layout.widths.size();
    size_t lineLength = 0;
    bool nameSpaces = false;
    for (size_t column = 0; column < columns; ++column) {
        const std::string& field = tokens_[first + column];
        if (field.empty()) return false;
        const bool name = column == nameColumn;
        uint8_t marks = 0;
        for (const char c : field) marks |= kCharacterMarks[static_cast<unsigned char>(c)];
        if (marks != 0) {
            if ((marks & kNotPlain) != 0 || !name) return false;
            nameSpaces = true;
        }
        const size_t length = field.size() + (name ? 2 : 0);
        const auto width = static_cast<size_t>(layout.widths[column]);
        lineLength += (length < width ? width : length) + 1;
        fields_[column] = field;
    }
    // The line's first field decides whether it is read as empty, a comment or a header.
    const std::string& lead = tokens_[first];
    if (lineLength > kLongestLine || lead.front() == '[' || isEmptyLine(lead)) return false;
    if (nameSpaces) {
        name_ = tokens_[first + nameColumn];
        std::replace(name_.begin(), name_.end(), ' ', '~');
        fields_[nameColumn] = name_;
    }
    return true;
}

TokenLines::Result TokenLines::writtenRow(size_t first, size_t count, const SectionLayout& layout,
                                          std::string_view& line) {
    rowText_.resize(rowRoom(tokens_, first, count) + 2);
    char* const begin = rowText_.data();
    char* end = putRow(begin, tokens_, first, count, layout);
    const auto length = static_cast<size_t>(end - begin);
    if (std::memchr(begin, '\n', length) != nullptr) return Result::Irregular;
    // The line end that follows every row in the text.
    *end++ = '\r';
    *end++ = '\n';
    rowReader_.openText(std::string_view(begin, length + 2));
    return rowReader_.next(line) == LineReader::Result::Line ? Result::Line : Result::Unreadable;
}

}  // namespace sky
