// Loading a channel-list text file into the token array.

#include <algorithm>
#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "db/Format.h"
#include "db/LineReader.h"
#include "db/ListDB.h"
#include "db/NumberParse.h"
#include "db/TextFormat.h"

namespace sky {

namespace {

constexpr const char* kUnreadableLine =
    "\n  ERROR : check the following line!!   \n ==> line number %d ";
constexpr const char* kSatelliteIllegal = "Satellite Section's information is illegal!!!";
constexpr const char* kMissingSection =
    "CHANNEL PID SECTION not foundD!!!\r\nDisplaying infomation may be disodered!!";

// The most fields any section takes from a line (analog rows).
constexpr size_t kMaxFields = 18;
using Fields = std::array<std::string_view, kMaxFields>;

// The column whose "~" marks are turned back into spaces, by section.
int nameColumn(SectionState state) {
    switch (state) {
        case kSatNameSection:
        case kSatelliteSection:
            return 1;
        case kDigitalTpSection:
        case kChannelSection:
            return 5;
        default:
            return 4;
    }
}

class ListLoader {
public:
    ListLoader(CListDB& db, TokenArray& tokens) : db_(db), tokens_(tokens) {}

    bool load(const std::string& file) {
        LineReader reader;
        if (!reader.open(file)) {
            db_.ui.message(format("Can't open Input file : %s\n", file.c_str()));
            return false;
        }
        reserveFor(file);
        for (;;) {
            std::string_view line;
            const LineReader::Result result = reader.next(line);
            if (result == LineReader::Result::EndOfFile) break;
            if (result == LineReader::Result::Unreadable) {
                db_.ui.message(format(kUnreadableLine, reader.lineNumber()));
                return false;
            }
            if (isEmptyLine(line)) continue;
            if (line.front() == '[') {
                if (!header(line)) return true;
                continue;
            }
            if (state_ == kNoSection) continue;
            if (!dataLine(line)) {
                if (!reported_) db_.ui.message(format(kUnreadableLine, reader.lineNumber()));
                return false;
            }
        }
        // The file ended without "[END]": close the section as "[END]" would.
        closeSection();
        return true;
    }

    // Adds the empty sections the list views rely on when the file had none.
    void repairSections() {
        if (!sawPidSection_ && !insertEmptySectionAfter("CHANNEL END", kChannelPidSection)) {
            db_.ui.message(kMissingSection);
        }
        if (!sawAnalogSection_ && !insertEmptySectionAfter("CHANNEL_PID END", kAnalogTpSection)) {
            db_.ui.message(kMissingSection);
        }
    }

private:
    // Sizes the array once for the file, so that it is not moved again and again while it grows:
    // a field with its separator takes about nine bytes in the writer's form and rarely fewer
    // than six in a list written by hand. Room reserved but never filled costs no memory pages.
    void reserveFor(const std::string& file) {
        std::error_code error;
        const uintmax_t size = std::filesystem::file_size(file, error);
        if (error) return;
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
        tokens_.emplace_back(sectionInfo(state_).startMarker);
        if (state_ == kChannelPidSection) sawPidSection_ = true;
        if (state_ == kAnalogTpSection) sawAnalogSection_ = true;
        return true;
    }

    // Appends the fields of a data line of the current section. A line with fewer fields than
    // its section needs is refused: its row would be cut short.
    bool dataLine(std::string_view line) {
        if (state_ == kSatelliteSection) return satelliteLine(line);
        const size_t wanted = static_cast<size_t>(sectionInfo(state_).rowLength);
        Fields fields;
        if (splitFields(line, std::span(fields).first(wanted)) != wanted) return false;
        const size_t name = static_cast<size_t>(nameColumn(state_));
        for (size_t i = 0; i < wanted; ++i) {
            tokens_.emplace_back(fields[i]);
            if (i == name) restoreSpaces(tokens_.back());
        }
        if (state_ == kChannelSection) checkChannelNumbers(fields);
        return true;
    }

    // Satellite rows have the Blank column or, in the older form, none; a missing Posotioner is
    // 0, and one with the Blank column is kept as a signed 16-bit number.
    bool satelliteLine(std::string_view line) {
        line = line.substr(0, line.find('#'));
        Fields fields;
        constexpr size_t kRow = 7;
        const size_t count = splitFields(line, std::span(fields).first(kRow));
        const bool hasBlank = count >= 3 && (fields[2].front() == 'Y' || fields[2].front() == 'N');
        std::string positioner = "0";
        if (hasBlank) {
            if (count != kRow && count != kRow - 1) return refuseSatellite();
            if (count == kRow) {
                int value = StringToInt(fields[6], 10, db_.ui);
                if (value > 32767) value -= 65536;
                positioner = std::to_string(value);
            }
        } else {
            const size_t oldCount = std::min(count, kRow - 1);
            if (oldCount != kRow - 1 && oldCount != kRow - 2) return refuseSatellite();
            if (oldCount == kRow - 1) positioner = std::string(fields[5]);
            // The older form has no Blank column: shift the fields after the name along.
            std::copy_backward(fields.begin() + 2, fields.begin() + 5, fields.begin() + 6);
            fields[2] = "N";
        }
        for (size_t i = 0; i + 1 < kRow; ++i) tokens_.emplace_back(fields[i]);
        tokens_.push_back(std::move(positioner));
        restoreSpaces(tokens_[tokens_.size() - kRow + 1]);
        return true;
    }

    bool refuseSatellite() {
        db_.ui.message(kSatelliteIllegal);
        reported_ = true;
        return false;
    }

    // A channel without a service ID, or without a transponder, is saved again straight after
    // loading.
    void checkChannelNumbers(const Fields& fields) {
        if (StringToInt(fields[3], 16, db_.ui) == 0 || StringToInt(fields[1], 16, db_.ui) == 0) {
            db_.resave = 1;
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

    CListDB& db_;
    TokenArray& tokens_;
    SectionState state_ = kNoSection;
    bool sawPidSection_ = false;
    bool sawAnalogSection_ = false;
    bool reported_ = false;
};

}  // namespace

int CListDB::LoadChannelList(TokenArray& tokens) {
    resave = 0;
    // The check leaves the path ending in ".txt"; the file read, and later saved, is the one the
    // list was opened from.
    const std::string file = path;
    checkOnly = 1;
    const int valid = Compile(0);
    checkOnly = 0;
    path = file;
    if (!valid) {
        ui.message("The Text Format is not correct");
        return 0;
    }
    ListLoader loader(*this, tokens);
    if (!loader.load(file)) return 0;
    loader.repairSections();
    return 1;
}

}  // namespace sky
