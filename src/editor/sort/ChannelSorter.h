#pragma once

#include <optional>
#include <string>

#include "db/TokenArray.h"

namespace sky {

// The sort modes: the keys by which the channels of each channel section are ordered, most
// significant first. Channels stay in their own section; satellites and transponders keep their
// order.
enum class SortMode {
    ChannelName = 1,  // satellite Index, type, name
    Frequency = 2,    // satellite Index, type, frequency (of the transponder), name
    Bouquet = 3,      // satellite Index, type, bouquet (of the transponder), name
    NameOnly = 4,     // type, name
};

struct SortFlags {
    // Names ascending (else descending) in modes 1 and 4, and for analog channels in modes 2
    // and 3. Digital and PID channels always take names ascending in modes 2 and 3.
    bool ascendingNames = true;
    // Renumber the channels' Index cells after sorting (else they keep their values).
    bool renumberAfterSort = true;
};

// The text that describes a mode, such as "Sort by Satellite >> Type >> Channel Name".
std::string sortStatusText(SortMode mode);

// Sorts the digital channels, the PID channels and the analog channels, each section on its own,
// in exactly the order the channel exchange sort gives (see SortOrder.h). Keys: satellite Index
// and frequency by decimal value ascending; type trimmed and upper case, descending ("TV" before
// "RADIO"); name and bouquet trimmed and upper case, in byte order. Digital and PID channels take
// frequency and bouquet from their transponder (as the Digital Channel view shows it); analog
// channels use their own frequency in modes 2 and 3. Renumbers, when the flag says so, the channel
// groups the sort changed (a group already in order keeps its numbers); the caller then
// rebuilds and refills the view without renumbering; the view records the undo entry.
void sortChannels(TokenArray& tokens, SortMode mode, const SortFlags& flags);

// The sort commands' state: the chosen mode, the two flags and the copy kept by the block
// arrangement.
class ChannelSorter {
public:
    SortFlags flags;

    // The mode of the last sort command.
    SortMode mode() const { return mode_; }
    std::string statusText() const { return sortStatusText(mode_); }

    // A sort command: remembers the mode and sorts.
    void sort(TokenArray& tokens, SortMode mode);

    // Arranges the digital channels in blocks of 100: keeps a copy of the whole list to revert
    // to, sorts by satellite, type and name, follows each run of n digital channels of the same
    // satellite and type with 100 - (n mod 100) null channels, and sorts again, so that each run
    // fills whole blocks with its nulls (named "_") at its end. The mode stays as it was. The
    // digital and PID channels are renumbered, as the nulls need their own numbers; the caller
    // rebuilds and refills the view.
    void arrangeBlocks(TokenArray& tokens);

    // A copy to revert to exists.
    bool canRevertBlocks() const { return revertCopy_.has_value(); }
    // Puts the copy kept by the last arrangement back and discards it; false when there is none.
    // The caller refreshes the view without renumbering.
    bool revertBlocks(TokenArray& tokens);
    // The view's reset notification: the copy no longer applies.
    void discardRevertCopy() { revertCopy_.reset(); }

private:
    SortMode mode_ = SortMode::ChannelName;
    std::optional<TokenArray> revertCopy_;
};

}  // namespace sky
