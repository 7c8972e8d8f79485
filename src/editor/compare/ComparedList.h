#pragma once

#include <array>
#include <vector>

#include "db/TokenArray.h"
#include "editor/compare/ListComparison.h"
#include "editor/match/MatchRows.h"

namespace sky {

// One list as a comparison reads it: its sections, transponders and satellites looked up, and
// the rows of each section as the pairing sees them. Reading the rows is a good part of a
// comparison's work: readAhead() lets the open list's be read while the other list is still
// being loaded. The token array must outlive this and stay as it is meanwhile.
class ComparedList {
public:
    explicit ComparedList(const TokenArray& tokens) : tokens_(tokens), reader_(tokens) {}

    // Reads the rows of every section now, rather than as the comparison comes to each.
    void readAhead();

    const TokenArray& tokens() const { return tokens_; }
    const MatchRowReader& reader() const { return reader_; }
    // A section's rows: those read ahead, or else read now into `scratch`.
    const std::vector<MatchRow>& rows(CompareSection section, std::vector<MatchRow>& scratch) const;

private:
    std::vector<MatchRow> readRows(CompareSection section) const;

    const TokenArray& tokens_;
    MatchRowReader reader_;
    std::array<std::vector<MatchRow>, 5> rows_;  // by CompareSection, once read ahead
    bool readAhead_ = false;
};

// Compares two lists as compareLists() over their token arrays does.
ListComparison compareLists(const ComparedList& a, const ComparedList& b);

}  // namespace sky
