#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "db/TextFormat.h"
#include "db/TokenArray.h"
#include "editor/model/RowValues.h"
#include "editor/model/SectionMap.h"

namespace sky {

// The sections whose rows can be copies of each other.
enum class DuplicateSection { Digital, Pid, Analog, Transponder };

inline constexpr DuplicateSection kDuplicateSections[] = {
    DuplicateSection::Digital, DuplicateSection::Pid, DuplicateSection::Analog,
    DuplicateSection::Transponder};

// How the rows of a section are found alike.
enum class DuplicateMatch {
    // The same channel or transponder, by the numbers the receiver tunes with:
    //  - digital channels: the same SAT Index and SVC ID on the same transponder;
    //  - PID channels: the same SAT Index and video, audio and PCR PIDs on the same transponder;
    //  - analog channels: the same SAT Index, frequency and polarization;
    //  - transponders: the same SAT Index, frequency, symbol rate and polarization.
    // "The same transponder" compares the transponders' SAT Index, frequency, symbol rate and
    // polarization, not their Index, so that channels on two copies of one transponder match. A
    // channel whose TP Index names no transponder matches only channels naming the same Index.
    Exact,
    // The same name as the views show it, without the blanks around it and regardless of the
    // case of its letters ("ZDF " and "zdf" are alike). Only channels have names; a
    // transponder's comment names its bouquet, which many transponders share.
    Name,
};

// The section of the token array that holds the rows of a DuplicateSection.
SectionState sectionState(DuplicateSection section);
// The cells of one row of the section.
std::size_t rowWidth(DuplicateSection section);
// A row's Index cell (the number the views show) and its name cell (a transponder's comment,
// which names its bouquet).
std::size_t indexField(DuplicateSection section);
std::size_t nameField(DuplicateSection section);
// A row's SAT Index cell, and a digital or PID channel's TP Index cell.
std::size_t satelliteField(DuplicateSection section);
std::size_t channelTpField(DuplicateSection section);

// Numbers are compared as values, read as the compiler reads them: "09750" and "9750" are
// alike, as are the SVC IDs "6FEE", "6fee" and "0x6FEE". A row with a number the compiler could
// not read matches nothing. Null channels (Blank "Y": a placeholder that keeps its place in the
// receiver's list without naming a service) match nothing.

// What the exact rule compares of a row: rows with equal keys are one channel or transponder.
struct ExactKey {
    std::array<std::int64_t, 8> values{};
    bool operator==(const ExactKey&) const = default;
};

// The keys of one section's rows, read from the token array as it is.
class DuplicateKeys {
public:
    DuplicateKeys(const TokenArray& tokens, const SectionMap& sections, DuplicateSection section);

    DuplicateSection section() const { return section_; }
    // Whole rows in the section.
    std::size_t rows() const { return rows_; }
    // The first cell of a row.
    const std::string* record(std::size_t row) const;
    // The first cell of the transponder a digital or PID channel row names, or null.
    const std::string* transponderOf(std::size_t row) const;

    // The row's key under the exact rule; nothing for a row that matches nothing.
    std::optional<ExactKey> exactKey(std::size_t row) const;
    // The row's name as compared (trimmed); nothing for a transponder, a null channel or an
    // empty name.
    std::optional<std::string_view> nameKey(std::size_t row) const;

    // For every row, the first row alike under the match (the row itself when none comes
    // before it), or kMatchesNothing. One pass with a hash table; no allocation per row.
    static constexpr std::uint32_t kMatchesNothing = UINT32_MAX;
    std::vector<std::uint32_t> firstAlike(DuplicateMatch match) const;

    // Whether two rows are alike under the match.
    bool alike(std::size_t a, std::size_t b, DuplicateMatch match) const;

private:
    std::optional<ExactKey> channelKey(const std::string* record) const;

    const TokenArray& tokens_;
    DuplicateSection section_;
    std::size_t begin_;
    std::size_t rows_;
    std::size_t tpBegin_;
    std::optional<TransponderIndex> transponders_;  // for digital and PID channels
};

}  // namespace sky
