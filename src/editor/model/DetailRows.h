#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "db/RecordLayout.h"
#include "db/TokenArray.h"
#include "editor/model/ChannelRecords.h"
#include "editor/model/SectionMap.h"

namespace sky {

// Cells of a row of the Digital Channel view.
enum DigitalDetailColumn : int {
    kDigNumber = 0,
    kDigTpIndex,
    kDigSatIndex,
    kDigServiceId,
    kDigType,
    kDigName,
    kDigVideoPid,
    kDigAudioPid,
    kDigPcrPid,
    kDigActiveAudio,
    kDigBlank,
    kDigFrequency,
    kDigSymbolRate,
    kDigPolarization,
    kDigBouquet,
    kDigSatName,
    kDigLnbHigh,
    kDigLnbLow,
    kDigPosition,
    kDigDegree,
    kDigitalDetailWidth
};

// Cells of a row of the Analog Channel view: the cells of the analog record, then the
// satellite's.
enum AnalogDetailColumn : int {
    kAnaNumber = kAnIndex,
    kAnaSatIndex = kAnSatIndex,
    kAnaFrequency = kAnFrequency,
    kAnaName = kAnName,
    kAnaType = kAnType,
    kAnaBlank = kAnBlank,
    kAnaSatName = kAnalogFields,
    kAnaLnbHigh,
    kAnaLnbLow,
    kAnaPosition,
    kAnaDegree,
    kAnalogDetailWidth
};

// A derived list of rows of a fixed number of cells, stored row after row.
class DetailRows {
public:
    explicit DetailRows(int width) : width_(width) {}

    int width() const { return width_; }
    std::size_t rowCount() const { return cells_.size() / static_cast<std::size_t>(width_); }
    const std::string& cell(std::size_t row, int column) const {
        return cells_[row * static_cast<std::size_t>(width_) + static_cast<std::size_t>(column)];
    }
    // The cells of one row.
    const std::string* row(std::size_t row) const {
        return cells_.data() + row * static_cast<std::size_t>(width_);
    }
    const std::vector<std::string>& cells() const { return cells_; }

    // Filling: start() with the number of rows to come, then put() each cell, then finish(). The
    // strings of the previous fill are reused, so a rebuild allocates little.
    void start(std::size_t rows) {
        used_ = 0;
        cells_.reserve(rows * static_cast<std::size_t>(width_));
    }
    void put(const std::string& text) {
        if (used_ < cells_.size()) {
            cells_[used_] = text;
        } else {
            cells_.push_back(text);
        }
        ++used_;
    }
    void finish() { cells_.resize(used_); }

private:
    int width_;
    std::vector<std::string> cells_;
    std::size_t used_ = 0;
};

// The records of a section by the text of their Index cell; the first record of an Index wins.
// An open-addressing table of cell numbers: a join is one or two probes.
class RecordsByIndex {
public:
    RecordsByIndex(const TokenArray& tokens, const SectionSpan& span, int width);

    // The first cell of the record with this Index, or null.
    const std::string* find(const std::string& index) const;

private:
    const TokenArray& tokens_;
    std::vector<std::size_t> slots_;
    std::size_t mask_ = 0;
};

// The transponder cells each digital and PID channel shows in the Digital Channel view: its
// transponder's frequency, symbol rate, polarisation and comment (the bouquet), "0000", "0000",
// "V", "___" for a digital channel whose TP Index is 0, empty cells when the transponder has no
// record.
class ChannelTransponders {
public:
    static constexpr std::size_t kFrequency = 0;
    static constexpr std::size_t kBouquet = kTpComment - kTpFrequency;

    ChannelTransponders(const TokenArray& tokens, const SectionMap& sections);

    // The four cells of the channel's record (of a digital or PID channel), or null for empty
    // ones.
    const std::string* of(RecordKind kind, const std::string* channel) const;

private:
    RecordsByIndex transponders_;
};

// Rebuilds the rows of the Digital Channel view (every digital channel, then every PID channel,
// joined with its transponder and satellite) and of the Analog Channel view (every analog
// channel joined with its satellite). Each join goes through an index of the transponders and
// satellites built once per rebuild. A channel whose transponder or satellite has no record gets
// empty cells in their place, so every row has its full width.
void rebuildDetailRows(const TokenArray& tokens, const SectionMap& sections, DetailRows& digital,
                       DetailRows& analog);

}  // namespace sky
