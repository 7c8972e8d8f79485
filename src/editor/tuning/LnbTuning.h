#pragma once

#include <map>
#include <optional>
#include <string>

#include "db/TokenArray.h"

namespace sky {

// Whether a satellite's LNB can bring a transponder to the receiver: the LNB mixes the
// transponder's frequency with its local oscillator (LO), and the receiver's tuner takes the
// difference, the intermediate frequency (IF), only between kLowestIfMhz and kHighestIfMhz.
//
// A satellite row gives two LO fields, LNB_LO HIGH and LNB_LO LOW, in MHz. Which LO a
// transponder is received with depends on what the two say:
//  - both the same: a single-LO LNB, every transponder on that LO;
//  - a Ku-band pair (a universal LNB, 9750 / 10600): the receiver picks the low band (LOW) for
//    frequencies below kBandSwitchMhz and the high band (HIGH, with the 22 kHz tone) from it;
//  - a C-band pair (5150 / 5750): the polarization picks the LO, vertical on LOW and horizontal
//    on HIGH, as a dual-output C-band LNB is wired.
// The check only warns: a list the compiler accepts stays acceptable whatever its LNB says.

inline constexpr int kLowestIfMhz = 950;
inline constexpr int kHighestIfMhz = 2150;
inline constexpr int kBandSwitchMhz = 11700;
// A frequency below this is a C-band transponder's; an LO below it a C-band LNB's.
inline constexpr int kCBandLimitMhz = 5000;
inline constexpr int kKuBandFromMhz = 10000;

// The LO fields of one satellite row, in MHz.
struct LnbSetting {
    int highMhz = 0;
    int lowMhz = 0;

    // LOW above HIGH on a Ku-band pair: the low band would tune with the high band's LO.
    bool looksSwapped() const;
};

// Reads the two LO cells; nothing when either is not a number.
std::optional<LnbSetting> lnbSettingOf(const std::string& high, const std::string& low);

// The IF a transponder is tuned on, and what is wrong with it.
struct TuningResult {
    int loMhz = 0;
    int ifMhz = 0;
    // Empty when the IF lies within the tuner's range; otherwise the reason:
    // "C-band frequency on a Ku-band LNB", "Ku-band frequency on a C-band LNB",
    // "above the LNB's range" or "below the LNB's range".
    std::string problem;

    bool fits() const { return problem.empty(); }
};

// The tuning of a transponder of `frequencyMhz` and polarization letter (H, V, L or R) on `lnb`.
TuningResult tuneTransponder(const LnbSetting& lnb, int frequencyMhz, char polarisation);

// The LO fields of the list's satellites, by [SATELLITE] Index; rows whose fields are not numbers
// are left out.
std::map<int, LnbSetting> satelliteLnbs(const TokenArray& tokens);

// The warning an import's preview gives a row the LNB cannot receive, e.g. "the LNB cannot
// receive it: IF 5910 MHz, C-band frequency on a Ku-band LNB"; empty when it can.
std::string lnbWarning(const LnbSetting& lnb, int frequencyMhz, char polarisation);

// Adds `warning` to a preview row's note, after what the note says already.
void addNote(std::string& note, const std::string& warning);

// What a satellite whose LO fields look swapped is told.
inline constexpr const char* kSwappedLoText =
    "The LO fields look swapped: LNB_LO LOW is above LNB_LO HIGH.";

}  // namespace sky
