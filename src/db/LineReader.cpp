#include "db/LineReader.h"

#include <algorithm>

#include "db/FileIo.h"
#include "db/TextFormat.h"

namespace sky {

namespace {
// The reader takes 500 bytes at a time and looks for the CR LF in its first 499.
constexpr size_t kWindow = 500;
constexpr size_t kLastCrPosition = 498;
}  // namespace

bool LineReader::open(const std::string& path) {
    std::optional<std::string> data = readWholeFile(path);
    if (!data) return false;
    data_ = std::move(*data);
    offset_ = 0;
    lineNumber_ = 0;
    return true;
}

bool prepareQuotes(char* line, size_t length) {
    size_t quotes = 0;
    size_t first = 0;
    size_t last = 0;
    for (size_t i = 0; i < length; ++i) {
        if (line[i] != '"') continue;
        if (quotes == 0) first = i;
        last = i;
        ++quotes;
    }
    if (quotes == 0) return true;
    if (quotes == 1) return false;
    for (size_t i = first + 1; i < last; ++i) {
        if (line[i] == '"') {
            line[i] = '-';
        } else if (line[i] == ' ') {
            line[i] = '~';
        }
    }
    const char outer = (last == first + 1) ? '-' : ' ';
    line[first] = outer;
    line[last] = outer;
    return true;
}

LineReader::Result LineReader::next(std::string_view& line) {
    if (offset_ >= data_.size()) return Result::EndOfFile;
    ++lineNumber_;
    char* start = data_.data() + offset_;
    const size_t window = std::min(kWindow, data_.size() - offset_);

    size_t length = window;
    bool ended = false;
    for (size_t k = 0; k <= kLastCrPosition && k + 1 < window; ++k) {
        if (start[k] == '\r' && start[k + 1] == '\n') {
            length = k;
            ended = true;
            break;
        }
    }
    if (!ended) {
        // A line the reader cannot step over. Only "[END]" may stand there, since it ends the
        // list before the next line would be read.
        const std::string_view rest(start, window);
        if (matchHeader(rest) != std::optional<SectionState>(kNoSection)) {
            return Result::Unreadable;
        }
        length = window;
    }
    if (!prepareQuotes(start, length)) return Result::Unreadable;

    offset_ = ended ? offset_ + length + 2 : data_.size();
    std::string_view text(start, length);
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    line = text;
    return Result::Line;
}

}  // namespace sky
