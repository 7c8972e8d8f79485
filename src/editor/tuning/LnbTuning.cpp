#include "editor/tuning/LnbTuning.h"

#include <cstdlib>

#include "common/Format.h"
#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "editor/model/SectionMap.h"

namespace sky {

namespace {

bool isCBandLo(int lo) {
    return lo < kCBandLimitMhz + 2000;
}

// The LO the receiver takes for the transponder.
int chosenLo(const LnbSetting& lnb, int frequencyMhz, char polarisation) {
    if (lnb.highMhz == lnb.lowMhz) return lnb.lowMhz;
    if (isCBandLo(lnb.highMhz) && isCBandLo(lnb.lowMhz)) {
        return polarisation == 'H' || polarisation == 'L' ? lnb.highMhz : lnb.lowMhz;
    }
    return frequencyMhz < kBandSwitchMhz ? lnb.lowMhz : lnb.highMhz;
}

}  // namespace

bool LnbSetting::looksSwapped() const {
    return lowMhz > highMhz && !isCBandLo(lowMhz) && !isCBandLo(highMhz);
}

std::optional<LnbSetting> lnbSettingOf(const std::string& high, const std::string& low) {
    const std::optional<std::int32_t> h = decimalField(high);
    const std::optional<std::int32_t> l = decimalField(low);
    if (!h || !l) return std::nullopt;
    return LnbSetting{*h, *l};
}

TuningResult tuneTransponder(const LnbSetting& lnb, int frequencyMhz, char polarisation) {
    TuningResult result;
    result.loMhz = chosenLo(lnb, frequencyMhz, polarisation);
    result.ifMhz = std::abs(frequencyMhz - result.loMhz);
    if (result.ifMhz >= kLowestIfMhz && result.ifMhz <= kHighestIfMhz) return result;
    if (frequencyMhz < kCBandLimitMhz && !isCBandLo(result.loMhz)) {
        result.problem = "C-band frequency on a Ku-band LNB";
    } else if (frequencyMhz >= kKuBandFromMhz && isCBandLo(result.loMhz)) {
        result.problem = "Ku-band frequency on a C-band LNB";
    } else if (result.ifMhz > kHighestIfMhz) {
        result.problem = "above the LNB's range";
    } else {
        result.problem = "below the LNB's range";
    }
    return result;
}

std::map<int, LnbSetting> satelliteLnbs(const TokenArray& tokens) {
    std::map<int, LnbSetting> lnbs;
    const SectionSpan span = locateSections(tokens)[kSatelliteSection];
    for (std::size_t cell = span.begin; cell + kSatelliteFields <= span.end;
         cell += kSatelliteFields) {
        const std::optional<std::int32_t> index = decimalField(tokens[cell + kSatIndex]);
        const std::optional<LnbSetting> lnb =
            lnbSettingOf(tokens[cell + kSatLnbHigh], tokens[cell + kSatLnbLow]);
        if (index && lnb) lnbs.emplace(*index, *lnb);
    }
    return lnbs;
}

std::string lnbWarning(const LnbSetting& lnb, int frequencyMhz, char polarisation) {
    const TuningResult tuning = tuneTransponder(lnb, frequencyMhz, polarisation);
    if (tuning.fits()) return {};
    return format("the LNB cannot receive it: IF %d MHz, %s", tuning.ifMhz, tuning.problem.c_str());
}

void addNote(std::string& note, const std::string& warning) {
    if (warning.empty()) return;
    note += note.empty() ? warning : "; " + warning;
}

}  // namespace sky
