// Loading a channel-list text file into the token array.

#include "db/Loader.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/Format.h"
#include "db/LineReader.h"
#include "db/NumberParse.h"
#include "db/RecordLayout.h"
#include "db/SatelliteUse.h"
#include "db/TextFormat.h"

namespace sky {

namespace {

constexpr const char* kUnreadableLine =
    "\n  ERROR : check the following line!!   \n ==> line number %d ";
constexpr const char* kMarkerName =
    "\n ERROR : NAME \"%s\" is kept for the list's sections !!!\n           line number %d ";
constexpr const char* kFieldTooLong =
    "\n ERROR : SYNTAX - \"%s\" exceeds %d characters !!!\n           line number %d ";
constexpr const char* kPositionerRange =
    "\n ERROR : SYNTAX - SAT Posotioner %s is not a number from -32768 to 65535 !!!\n           "
    "line number %d ";
constexpr const char* kSatelliteElsewhere =
    "\n ERROR : SAT INDEX %d is declared otherwise before this row than in the whole list !!!\n"
    "           line number %d ";
constexpr const char* kSatelliteIllegal = "Satellite Section's information is illegal!!!";
constexpr const char* kMissingSection =
    "CHANNEL PID SECTION not foundD!!!\r\nDisplaying infomation may be disodered!!";

// The most fields any section takes from a line (analog rows).
constexpr size_t kMaxFields = 18;
using Fields = std::array<std::string_view, kMaxFields>;

// A field holds at most this many characters. Padded to its columns by the writer, the longest
// row (an analog one) then takes 362 characters, so every saved line can be read back; longer
// fields could make it too long.
constexpr size_t kMaxFieldLength = 19;

// The column whose "~" marks are turned back into spaces, by section.
int nameColumn(SectionState state) {
    switch (state) {
        case kSatNameSection:
            return kNameText;
        case kSatelliteSection:
            return kSatName;
        case kDigitalTpSection:
            return kTpComment;
        case kChannelSection:
            return kChName;
        case kChannelPidSection:
            return kPidName;
        default:
            return kAnName;
    }
}

}  // namespace

// The reading behind ListTextReader. Its messages are kept until the end, so that a check that
// hands over the lines it reads shows its own refusal first, as if the list were read after it.
class ListLoader {
public:
    ListLoader(TokenArray& tokens, std::size_t textSize) : tokens_(tokens), first_(tokens.size()) {
        reserveFor(textSize);
    }

    void take(std::string_view line, int lineNumber, std::span<const std::string_view> split = {}) {
        if (stopped_ || isEmptyLine(line)) return;
        if (line.front() == '[') {
            if (!header(line)) stopped_ = true;
            return;
        }
        if (state_ == kNoSection) return;
        lineNumber_ = lineNumber;
        if (!dataLine(line, split)) {
            if (!reported_) say(format(kUnreadableLine, lineNumber_));
            fail();
        }
    }

    // A line the line reader could not take.
    void unreadable(int lineNumber) {
        if (stopped_) return;
        say(format(kUnreadableLine, lineNumber));
        fail();
    }

    LoadResult finish(IUserInterface& ui) {
        bool loaded = !failed_;
        if (loaded) {
            // The file may end without "[END]": the section is closed as "[END]" would.
            closeSection();
            loaded = rowsKeepTheirSatellites();
        }
        if (loaded) {
            mergeRepeatedSections();
            repairSections();
        }
        for (const std::string& message : messages_) ui.message(message);
        messages_.clear();
        if (!loaded) return LoadResult::Failed;
        return mustResave_ ? LoadResult::MustResave : LoadResult::Loaded;
    }

private:
    void say(std::string message) { messages_.push_back(std::move(message)); }
    void fail() {
        failed_ = true;
        stopped_ = true;
    }

    // The views and the writer take one pair of markers for each section, so the rows of a section
    // whose header came more than once are gathered under its first header; otherwise saving
    // would drop all but one of its blocks. A satellite row takes the place of an earlier row of
    // the same slot, since a later satellite section redefines its satellites.
    void mergeRepeatedSections() {
        if (!repeated_) return;
        std::array<std::vector<std::string>, 7> rows;
        std::vector<SectionState> order;
        size_t at = first_;
        while (at < tokens_.size()) {
            const SectionInfo* info = sectionOfStartMarker(tokens_[at]);
            if (info == nullptr) break;
            if (std::find(order.begin(), order.end(), info->state) == order.end()) {
                order.push_back(info->state);
            }
            std::vector<std::string>& section = rows[info->state];
            const auto width = static_cast<size_t>(info->rowLength);
            for (++at; at < tokens_.size() && tokens_[at] != info->endMarker; at += width) {
                const auto row = tokens_.begin() + static_cast<std::ptrdiff_t>(at);
                const size_t slot = info->state == kSatelliteSection
                                        ? findSatelliteRow(section, tokens_[at])
                                        : section.size();
                if (slot < section.size()) {
                    std::move(row, row + static_cast<std::ptrdiff_t>(width),
                              section.begin() + static_cast<std::ptrdiff_t>(slot));
                } else {
                    section.insert(
                        section.end(), std::make_move_iterator(row),
                        std::make_move_iterator(row + static_cast<std::ptrdiff_t>(width)));
                }
            }
            ++at;
        }
        tokens_.resize(first_);
        for (const SectionState state : order) {
            const SectionInfo& info = sectionInfo(state);
            tokens_.emplace_back(info.startMarker);
            std::move(rows[state].begin(), rows[state].end(), std::back_inserter(tokens_));
            tokens_.emplace_back(info.endMarker);
        }
    }

    // Adds the empty sections the list views rely on when the file had none.
    void repairSections() {
        if (!sawPidSection_ && !insertEmptySectionAfter("CHANNEL END", kChannelPidSection)) {
            say(kMissingSection);
        }
        if (!sawAnalogSection_ && !insertEmptySectionAfter("CHANNEL_PID END", kAnalogTpSection)) {
            say(kMissingSection);
        }
    }
    // Sizes the array once for the file, so that it is not moved again and again while it grows:
    // a field with its separator takes about nine bytes in the writer's form and rarely fewer
    // than six in a list written by hand. Room reserved but never filled costs no memory pages.
    void reserveFor(uintmax_t size) {
        // Beyond this the sections' index ranges are full; a larger file holds mostly comments.
        constexpr uintmax_t kMostFields = 1 << 21;
        tokens_.reserve(tokens_.size() + static_cast<size_t>(std::min(size / 6, kMostFields)));
    }

    void closeSection() {
        if (state_ != kNoSection) tokens_.emplace_back(sectionInfo(state_).endMarker);
        state_ = kNoSection;
    }

    // Returns false at "[END]", which ends the list. A bracketed line that names no section
    // changes nothing.
    bool header(std::string_view line) {
        const std::optional<SectionState> section = matchHeader(line);
        if (!section) return true;
        closeSection();
        if (*section == kNoSection) return false;
        state_ = *section;
        if (state_ == kSatelliteSection) satellites_.startSection();
        if (seen_[state_]) repeated_ = true;
        seen_[state_] = true;
        tokens_.emplace_back(sectionInfo(state_).startMarker);
        if (state_ == kChannelPidSection) sawPidSection_ = true;
        if (state_ == kAnalogTpSection) sawAnalogSection_ = true;
        return true;
    }

    // Appends the fields of a data line of the current section. A line with fewer fields than
    // its section needs is refused: its row would be cut short.
    bool dataLine(std::string_view line, std::span<const std::string_view> split) {
        if (state_ == kSatelliteSection) return satelliteLine(line);
        const size_t wanted = static_cast<size_t>(sectionInfo(state_).rowLength);
        Fields fields;
        if (split.size() == wanted) {
            std::copy(split.begin(), split.end(), fields.begin());
        } else if (splitFields(line, std::span(fields).first(wanted)) != wanted) {
            return false;
        }
        if (!fieldsFit(std::span(fields).first(wanted))) return false;
        if (state_ != kSatNameSection) {
            // Transponders and analog channels name their satellite in the second column,
            // digital channels in the third.
            const size_t slot = state_ == kChannelSection || state_ == kChannelPidSection
                                    ? std::size_t{kChSatIndex}
                                    : std::size_t{kTpSatIndex};
            satellites_.use(decimalInt(fields[slot]), lineNumber_);
        }
        const size_t name = static_cast<size_t>(nameColumn(state_));
        for (size_t i = 0; i < wanted; ++i) {
            tokens_.emplace_back(fields[i]);
            if (i == name && !takeName(tokens_.back())) return false;
        }
        if (state_ == kChannelSection) checkChannelNumbers(fields);
        return true;
    }

    // Satellite rows have the Blank column or, in the older form, none; a missing Posotioner is
    // 0, and one that is written is kept as a signed 16-bit number in both forms, since a saved
    // row always has the Blank column.
    bool satelliteLine(std::string_view line) {
        line = line.substr(0, line.find('#'));
        Fields fields;
        constexpr size_t kRow = kSatelliteFields;
        const size_t count = splitFields(line, std::span(fields).first(kRow));
        const bool hasBlank = count > kSatBlank && (fields[kSatBlank].front() == 'Y' ||
                                                    fields[kSatBlank].front() == 'N');
        std::string_view written;
        if (hasBlank) {
            if (count != kRow && count != kRow - 1) return refuseSatellite();
            if (!fieldsFit(std::span(fields).first(count))) return false;
            if (count == kRow) written = fields[kSatPositioner];
        } else {
            const size_t oldCount = std::min(count, kRow - 1);
            if (oldCount != kRow - 1 && oldCount != kRow - 2) return refuseSatellite();
            if (!fieldsFit(std::span(fields).first(oldCount))) return false;
            if (oldCount == kRow - 1) written = fields[kSatPositioner - 1];
            // The older form has no Blank column: shift the fields after the name along.
            std::copy_backward(fields.begin() + kSatBlank, fields.begin() + kSatPositioner - 1,
                               fields.begin() + kSatPositioner);
            fields[kSatBlank] = "N";
        }
        std::string positioner = "0";
        if (!written.empty() && !plainPositioner(written, positioner)) return false;
        satellites_.declare(decimalInt(fields[kSatIndex]), fields[kSatBlank].front() != 'Y');
        for (size_t i = 0; i + 1 < kRow; ++i) tokens_.emplace_back(fields[i]);
        tokens_.push_back(std::move(positioner));
        return takeName(tokens_[tokens_.size() - kRow + 1]);
    }

    // The Posotioner as a plain signed 16-bit number: a value from 32768 to 65535 stands for the
    // same 16 bits below 0. Anything else would change from one save to the next, or once saved
    // reach the receiver otherwise than the list shows it, so it is refused.
    bool plainPositioner(std::string_view written, std::string& positioner) {
        const std::string_view digits =
            written.substr(written.front() == '+' || written.front() == '-' ? 1 : 0);
        const bool number =
            !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
        int value = decimalInt(written);
        if (!number || value < -32768 || value > 65535) {
            return refuse(format(kPositionerRange, shown(written).c_str(), lineNumber_));
        }
        if (value > 32767) value -= 65536;
        positioner = std::to_string(value);
        return true;
    }

    bool fieldsFit(std::span<const std::string_view> fields) {
        for (const std::string_view field : fields) {
            if (field.size() > kMaxFieldLength) {
                return refuse(format(kFieldTooLong, shown(field).c_str(),
                                     static_cast<int>(kMaxFieldLength), lineNumber_));
            }
        }
        return true;
    }

    // A row must find its satellite in use, or not, as it will once the list is saved.
    bool rowsKeepTheirSatellites() {
        const std::optional<SatelliteUse::Mismatch> mismatch = satellites_.firstMismatch();
        if (!mismatch) return true;
        say(format(kSatelliteElsewhere, mismatch->slot, mismatch->line));
        return false;
    }

    // Restores the spaces of a name. A name that reads as a section marker is refused: the views
    // would take it for the edge of its section and the list would be saved scrambled.
    bool takeName(std::string& name) {
        restoreSpaces(name);
        return !isSectionMarker(name) || refuse(format(kMarkerName, name.c_str(), lineNumber_));
    }

    bool refuseSatellite() { return refuse(kSatelliteIllegal); }

    // A field as the user wrote it, with the spaces between its quotes, for a message.
    static std::string shown(std::string_view field) {
        std::string text(field);
        restoreSpaces(text);
        return text;
    }

    // Shows why a line is refused; returns false.
    bool refuse(std::string message) {
        say(std::move(message));
        reported_ = true;
        return false;
    }

    // A hexadecimal field in either case; one that is not hexadecimal is said and taken as 65535.
    int hexField(std::string_view field) {
        const std::optional<int> value = hexValue(field, true);
        if (!value) say(kHexConversionFailed);
        return value.value_or(kHexFailureValue);
    }

    // A channel without a service ID, or without a transponder, is saved again straight after
    // loading.
    void checkChannelNumbers(const Fields& fields) {
        if (hexField(fields[kChServiceId]) == 0 || hexField(fields[kChTpIndex]) == 0) {
            mustResave_ = true;
        }
    }

    bool insertEmptySectionAfter(std::string_view marker, SectionState section) {
        const auto at = std::find(tokens_.begin(), tokens_.end(), marker);
        if (at == tokens_.end()) return false;
        const SectionInfo& info = sectionInfo(section);
        const auto start = tokens_.insert(at + 1, std::string(info.startMarker));
        tokens_.insert(start + 1, std::string(info.endMarker));
        return true;
    }

    static const SectionInfo* sectionOfStartMarker(const std::string& token) {
        for (const SectionInfo& info : kSections) {
            if (token == info.startMarker) return &info;
        }
        return nullptr;
    }

    // The position of the satellite row of the same slot in the gathered rows, or their size.
    static size_t findSatelliteRow(const std::vector<std::string>& rows, const std::string& index) {
        const long slot = std::strtol(index.c_str(), nullptr, 10);
        const size_t width = static_cast<size_t>(sectionInfo(kSatelliteSection).rowLength);
        for (size_t at = 0; at < rows.size(); at += width) {
            if (std::strtol(rows[at].c_str(), nullptr, 10) == slot) return at;
        }
        return rows.size();
    }

    TokenArray& tokens_;
    const size_t first_;
    SatelliteUse satellites_;
    std::array<bool, 7> seen_{};
    bool repeated_ = false;
    SectionState state_ = kNoSection;
    bool sawPidSection_ = false;
    bool sawAnalogSection_ = false;
    bool reported_ = false;
    bool mustResave_ = false;
    bool stopped_ = false;
    bool failed_ = false;
    int lineNumber_ = 0;
    std::vector<std::string> messages_;
};

ListTextReader::ListTextReader(TokenArray& tokens, std::size_t textSize)
    : loader_(std::make_unique<ListLoader>(tokens, textSize)) {}

ListTextReader::~ListTextReader() = default;

void ListTextReader::take(std::string_view line, int lineNumber,
                          std::span<const std::string_view> fields) {
    loader_->take(line, lineNumber, fields);
}

LoadResult ListTextReader::finish(IUserInterface& ui) {
    return loader_->finish(ui);
}

LoadResult readChannelList(const std::string& file, TokenArray& tokens, IUserInterface& ui) {
    FileView view;
    if (!view.open(file)) {
        ui.message(format("Can't open Input file : %s\n", file.c_str()));
        return LoadResult::Failed;
    }
    return readChannelListText(view.bytes(), tokens, ui);
}

LoadResult readChannelListText(std::string_view text, TokenArray& tokens, IUserInterface& ui) {
    ListLoader loader(tokens, text.size());
    LineReader reader;
    reader.openText(text);
    for (;;) {
        std::string_view line;
        const LineReader::Result result = reader.next(line);
        if (result == LineReader::Result::EndOfFile) break;
        if (result == LineReader::Result::Unreadable) {
            loader.unreadable(reader.lineNumber());
            break;
        }
        loader.take(line, reader.lineNumber());
    }
    return loader.finish(ui);
}

}  // namespace sky
