#include "db/LineReader.h"

#include <algorithm>
#include <cstring>

#include "db/TextFormat.h"

namespace sky {

namespace {
// The reader takes 500 bytes at a time and looks for the CR LF in its first 499.
constexpr size_t kWindow = 500;
constexpr size_t kLastCrPosition = 498;
}  // namespace

bool LineReader::open(const std::string& path) {
    if (!file_.open(path)) return false;
    data_ = file_.bytes();
    offset_ = 0;
    lineNumber_ = 0;
    return true;
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
    bool ended = false;
    // The first CR followed by LF at a position up to kLastCrPosition.
    const size_t scan = std::min(kLastCrPosition + 1, window - 1);
    for (size_t k = 0; k < scan; ++k) {
        const auto* cr = static_cast<const char*>(std::memchr(start + k, '\r', scan - k));
        if (cr == nullptr) break;
        k = static_cast<size_t>(cr - start);
        if (start[k + 1] == '\n') {
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
    line_.assign(start, length);
    if (!prepareQuotes(line_.data(), length)) return Result::Unreadable;

    offset_ = ended ? offset_ + length + 2 : data_.size();
    std::string_view text(line_);
    if (const size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    line = text;
    return Result::Line;
}

}  // namespace sky
