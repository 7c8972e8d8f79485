#include "db/LineReader.h"

#include <algorithm>
#include <cstring>

#include "db/TextFormat.h"

namespace sky {

namespace {
// The reader takes 500 bytes at a time and looks for the line's end in them.
constexpr size_t kWindow = 500;
constexpr size_t kLastLfPosition = 499;
}  // namespace

bool LineReader::open(const std::string& path) {
    if (!file_.open(path)) return false;
    openText(file_.bytes());
    return true;
}

void LineReader::openText(std::string_view text) {
    data_ = text;
    offset_ = 0;
    lineNumber_ = 0;
}

bool prepareQuotes(char* line, size_t length) {
    // memchr() finds the few quotes of a line much faster than a loop over every character.
    char* const end = line + length;
    auto* first = static_cast<char*>(std::memchr(line, '"', length));
    if (first == nullptr) return true;
    char* last = first;
    size_t quotes = 1;
    for (char* at = first + 1;
         (at = static_cast<char*>(std::memchr(at, '"', static_cast<size_t>(end - at)))) != nullptr;
         ++at) {
        last = at;
        ++quotes;
    }
    if (quotes == 1) return false;
    for (char* at = first + 1; at < last; ++at) {
        if (*at == '"') {
            *at = '-';
        } else if (*at == ' ') {
            *at = '~';
        }
    }
    const char outer = (last == first + 1) ? '-' : ' ';
    *first = outer;
    *last = outer;
    return true;
}

LineReader::Result LineReader::next(std::string_view& line) {
    if (offset_ >= data_.size()) return Result::EndOfFile;
    ++lineNumber_;
    const char* start = data_.data() + offset_;
    const size_t window = std::min(kWindow, data_.size() - offset_);

    size_t length = window;
    size_t lineEnd = 0;
    bool ended = false;
    // The first LF at a position up to kLastLfPosition ends the line, with the CR before it when
    // there is one: files saved by a Linux text editor end their lines in LF alone.
    const size_t scan = std::min(kLastLfPosition + 1, window);
    if (const auto* lf = static_cast<const char*>(std::memchr(start, '\n', scan))) {
        const auto at = static_cast<size_t>(lf - start);
        length = (at > 0 && start[at - 1] == '\r') ? at - 1 : at;
        lineEnd = at - length + 1;
        ended = true;
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
    line_.assign(start, length);
    if (!prepareQuotes(line_.data(), length)) return Result::Unreadable;

    offset_ = ended ? offset_ + length + lineEnd : data_.size();
    std::string_view text(line_);
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    line = text;
    return Result::Line;
}

}  // namespace sky
