#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "db/TextFormat.h"
#include "db/scan/ScanTableFiles.h"
#include "editor/checktp/CheckRepair.h"
#include "editor/checktp/TransponderCheck.h"
#include "editor/document/ListDocument.h"
#include "shell/Settings.h"

namespace sky {

// Edit Channel > Check Transponders over the open list: the check of editor/checktp as the
// result window shows it and changes it. The window stays open beside the list; after every
// change of the list it calls recheck(), which keeps the user's ticks on the transponders still
// in the list. The tables chosen for satellites are remembered in the settings.
class TransponderCheckSession {
public:
    TransponderCheckSession(ListDocument& list, Settings& settings, ScanTableFolder folder);

    const TransponderCheck& check() const { return check_; }
    const ScanTableFolder& folder() const { return shelf_.folder(); }
    // The list changed since the check: recheck() before repairing.
    bool outdated() const { return revision_ != list_.revision(); }

    // Checks the list again, with the ticks of transponders that are still the same.
    void recheck();
    // Another table for a satellite (by its place in check().satellites): a path, or "" for the
    // table of its position. Remembered for the satellite's name.
    void chooseTable(std::size_t satellite, const std::string& path);

    // The user ticks a transponder's repair; false for a row without one.
    bool tick(std::size_t satellite, std::size_t row, bool ticked);
    std::size_t ticked() const { return tickedRepairs(check_); }

    // Applies the ticked repairs as one step of Undo ("Check Transponders") and checks anew.
    RepairCounts repair();
    // Import Transponders with the satellite's missing transponders from its table, as one step
    // of Undo ("Import Transponders"); returns the number added.
    std::size_t importMissing(std::size_t satellite);

    // The record a double-click selects: the transponder's row in the Digital TP list or, with
    // `channels`, the first of its channels in the Digital Channel view.
    // A transponder (section and record), or the channels on it: their rows in the Digital
    // Channel view, which shows the digital channels, then the PID channels.
    struct Target {
        SectionState section;
        std::size_t record;
        std::vector<std::size_t> channelRows;
    };
    std::optional<Target> targetOf(std::size_t satellite, std::size_t row, bool channels) const;

private:
    CheckOptions options() const;

    ListDocument& list_;
    Settings& settings_;
    ScanTableShelf shelf_;
    TransponderCheck check_;
    std::uint64_t revision_ = 0;
};

}  // namespace sky
