#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "db/RecordLayout.h"
#include "db/TokenArray.h"
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

// Rebuilds the rows of the Digital Channel view (every digital channel, then every PID channel,
// joined with its transponder and satellite) and of the Analog Channel view (every analog
// channel joined with its satellite). Each join goes through an index of the transponders and
// satellites built once per rebuild. A channel whose transponder or satellite has no record gets
// empty cells in their place, so every row has its full width.
void rebuildDetailRows(const TokenArray& tokens, const SectionMap& sections, DetailRows& digital,
                       DetailRows& analog);

}  // namespace sky
