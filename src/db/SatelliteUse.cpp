#include "db/SatelliteUse.h"

namespace sky {

void SatelliteUse::startSection() {
    current_.fill(false);
}

void SatelliteUse::declare(int slot, bool inUse) {
    if (!isSlot(slot)) return;
    current_[static_cast<size_t>(slot)] = inUse;
    last_[static_cast<size_t>(slot)] = inUse;
}

void SatelliteUse::use(int slot, int line) {
    if (!isSlot(slot)) return;
    const auto at = static_cast<size_t>(slot);
    int& first = firstLine_[at][current_[at] ? 1 : 0];
    if (first == 0) first = line;
}

std::optional<SatelliteUse::Mismatch> SatelliteUse::firstMismatch() const {
    std::optional<Mismatch> first;
    for (size_t slot = 0; slot < kSlots; ++slot) {
        // The rows that found the slot otherwise than its last row leaves it.
        const int line = firstLine_[slot][last_[slot] ? 0 : 1];
        if (line != 0 && (!first || line < first->line)) {
            first = Mismatch{line, static_cast<int>(slot)};
        }
    }
    return first;
}

}  // namespace sky
