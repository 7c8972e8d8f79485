#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "common/UserInterface.h"
#include "db/TokenArray.h"
#include "editor/model/SectionMap.h"

namespace sky {

inline constexpr int kTransponderRecordWidth = 6;

// The transponder a digital or PID channel asks for in its dialog.
struct TransponderValues {
    std::string frequency;
    std::string symbolRate;
    std::string polarisation;  // "H" or "V"
    std::string bouquet;       // trimmed
    std::string satelliteIndex;
};

// The transponder the channel had before the edit.
struct OwnTransponder {
    std::string index;  // the channel's TP Index cell
    bool satelliteChanged = false;
};

// Where the channel goes: it keeps its own transponder, moves to another existing one, or gets
// a new one.
struct TransponderChoice {
    enum class Kind { KeepOwn, Existing, New };
    Kind kind;
    std::size_t cell = 0;  // first cell of the kept or found transponder record
};

// Chooses the transponder, in this order:
//  - the own transponder (none for a new channel), when the satellite is the same, the
//    polarisation equal and the frequency and symbol rate equal or off by at most 4;
//  - another transponder of the satellite with equal frequency, symbol rate and polarisation,
//    taken without asking;
//  - the first other transponder of the satellite with the polarisation whose frequency and
//    symbol rate are off by at most 4, offered with the "REPLACE" question: Yes takes it, No
//    makes a new transponder, Cancel ends the edit (nothing returned);
//  - else a new transponder.
std::optional<TransponderChoice> chooseTransponder(const TokenArray& tokens,
                                                   const SectionMap& sections,
                                                   const TransponderValues& values,
                                                   const std::optional<OwnTransponder>& own,
                                                   IUserInterface& ui);

// The TP Index the channel uses with the choice. A new transponder gets one more than the
// largest TP Index.
std::string transponderIndexOf(const TokenArray& tokens, const SectionMap& sections,
                               const TransponderChoice& choice);

// Writes what the choice changes in the transponder section: a kept transponder takes the
// bouquet when it differs; a new transponder record (with the given Index) is appended to the
// section. `sections` must describe the array as it is; it is stale afterwards.
void writeTransponder(TokenArray& tokens, const SectionMap& sections,
                      const TransponderChoice& choice, const TransponderValues& values,
                      const std::string& newIndex);

}  // namespace sky
