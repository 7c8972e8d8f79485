#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace sky {

// Which satellite slots are in use (declared with Blank N) for each row of a list that names one,
// as the check sees them and as they are once the list is saved. The check judges a transponder or
// channel row by the SATELLITE section before it and leaves the row out when its satellite is not
// in use there; a saved list has one SATELLITE section, before every other row, holding the last
// row of each slot. A row whose satellite is in use in one and not in the other would be judged
// differently once saved.
class SatelliteUse {
public:
    struct Mismatch {
        int line;
        int slot;
    };

    // A SATELLITE header: the rows after it see only the satellites of its own section.
    void startSection();
    // A row of the current SATELLITE section.
    void declare(int slot, bool inUse);
    // A row of another section that names the slot, on the given line.
    void use(int slot, int line);
    // The first row that finds its satellite otherwise than the saved list will, if any.
    std::optional<Mismatch> firstMismatch() const;

private:
    static constexpr size_t kSlots = 50;
    static bool isSlot(int slot) { return slot >= 0 && static_cast<size_t>(slot) < kSlots; }

    std::array<bool, kSlots> current_{};  // in use in the SATELLITE section before the row
    std::array<bool, kSlots> last_{};     // in use by the last row of the slot so far
    // The first line of a row that found the slot out of use [0] or in use [1]; 0 for none.
    std::array<std::array<int, 2>, kSlots> firstLine_{};
};

}  // namespace sky
