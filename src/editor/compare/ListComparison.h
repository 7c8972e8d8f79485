#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "db/TextFormat.h"
#include "db/TokenArray.h"

namespace sky {

// Compare: what differs between two channel lists, A and B, section by section. A comparison
// window calls compareLists() and shows each section's differences (with their counts);
// differenceSummary() is the one line to show before a download.
//
// Rows are paired as Apply Order from List pairs them (RowMatching.h), alike whichever list is A:
// channels by identity (frequency within 2 MHz, polarization, SVC ID or PIDs), then by name;
// transponders by satellite name, frequency within 2 MHz, polarization and symbol rate;
// satellites by Index (as the other rows name them), then by name. Rows without an identity are
// paired by their cells, then by their Index. Null channels, places rather than channels, are
// paired by the channel before them and their place after it.

enum class CompareSection { Digital, Pid, Analog, Transponder, Satellite };

inline constexpr CompareSection kCompareSections[] = {
    CompareSection::Digital, CompareSection::Pid, CompareSection::Analog,
    CompareSection::Transponder, CompareSection::Satellite};

enum class DifferenceKind {
    OnlyInA,  // no row of B is this row
    OnlyInB,
    Changed,  // the same row with other cells (see RowDifference::cells)
    // A channel whose order among the paired channels changed (a number changed because a row
    // before it went or came is none), or a transponder or satellite with another Index.
    Moved,
};

inline constexpr DifferenceKind kDifferenceKinds[] = {
    DifferenceKind::OnlyInA, DifferenceKind::OnlyInB, DifferenceKind::Changed,
    DifferenceKind::Moved};

struct RowDifference {
    DifferenceKind kind;
    std::size_t rowA = 0;  // the row's position in its section of A (not for OnlyInB)
    std::size_t rowB = 0;  // and of B (not for OnlyInA)
    std::string numberA;   // its Index cell in A, empty when only in B
    std::string numberB;   // its Index cell in B, empty when only in A
    std::string name;      // the channel's or satellite's name, a transponder's bouquet (B's
                           // when changed)
    // Changed: the columns whose cells differ, by the names of the section's list view
    // ("Name", "SVC ID(hex)", ...); a digital or PID channel also names its transponder's
    // "Freq(MHz)", "SR(KHz)" and "Polar" when they differ.
    std::vector<std::string> cells;
};

struct SectionComparison {
    CompareSection section;
    // Rows only in A in A's order, then rows only in B in B's order, then the pairs (changed,
    // then moved where both apply) in A's order.
    std::vector<RowDifference> differences;
    std::array<std::size_t, 4> counts{};  // by DifferenceKind
    std::size_t rowsDiffering = 0;        // rows in any difference, a changed and moved one once

    std::size_t count(DifferenceKind kind) const { return counts[static_cast<std::size_t>(kind)]; }
};

struct ListComparison {
    std::array<SectionComparison, 5> sections;  // in the order of kCompareSections

    const SectionComparison& section(CompareSection s) const {
        return sections[static_cast<std::size_t>(s)];
    }
    bool equal() const;
    // The channels (digital, PID, analog) that differ in any way, each counted once.
    std::size_t channelsDiffering() const;
};

// Compares two lists. Numbers are compared as values ("09750" and "9750" are alike, as are the
// SVC IDs "6FEE" and "6fee").
ListComparison compareLists(const TokenArray& a, const TokenArray& b);

// "No channel differs.", "1 channel differs." or "n channels differ."
std::string differenceSummary(const ListComparison& comparison);

// The section's title ("Digital Channel", "PID Channel", "Analog Channel", "Digital TP",
// "Satellite") and the kind's name ("only in A", "only in B", "changed", "moved").
const char* compareSectionTitle(CompareSection section);
const char* differenceKindName(DifferenceKind kind);

// The section of the token array a compared section is.
SectionState compareSectionState(CompareSection section);

}  // namespace sky
