#include "editor/editing/TransponderMatch.h"

#include <cstdlib>

#include "common/Format.h"
#include "db/RecordLayout.h"
#include "editor/editing/RecordEditing.h"
#include "editor/model/FieldText.h"

namespace sky {

namespace {

// Frequencies and symbol rates this close name the same transponder.
constexpr long long kAlikeDistance = 4;

bool near(const std::string& a, const std::string& b) {
    return std::llabs(decimalValue(a) - decimalValue(b)) <= kAlikeDistance;
}

bool equalTuning(const std::string* tp, const TransponderValues& values) {
    return tp[kTpFrequency] == values.frequency && tp[kTpSymbolRate] == values.symbolRate &&
           tp[kTpPolarisation] == values.polarisation;
}

bool alikeTuning(const std::string* tp, const TransponderValues& values) {
    return near(tp[kTpFrequency], values.frequency) && near(tp[kTpSymbolRate], values.symbolRate) &&
           tp[kTpPolarisation] == values.polarisation;
}

std::string replaceQuestion(const std::string* tp) {
    return std::string("Most alike TP exist, Replace with founded TP?") +
           "\r\n\r\nfounded TP's information:" +
           format("\r\nFreguency   : %s", tp[kTpFrequency].c_str()) +
           format("\r\nSymbol Rate : %s", tp[kTpSymbolRate].c_str()) +
           "\r\nPolarization :" + (tp[kTpPolarisation] == "H" ? "Horizontal" : "Vertical") +
           "\r\n" + "\r\nYES\t\t=> REPLACE with founded TP" + "\r\nNO\t\t=> Make NEW TP" +
           "\r\nCANCEL\t=> Cancel";
}

}  // namespace

std::optional<TransponderChoice> chooseTransponder(const TokenArray& tokens,
                                                   const SectionMap& sections,
                                                   const TransponderValues& values,
                                                   const std::optional<OwnTransponder>& own,
                                                   IUserInterface& ui) {
    using Kind = TransponderChoice::Kind;
    const SectionSpan& span = sections[kDigitalTpSection];
    std::optional<std::size_t> ownCell;
    if (own) {
        ownCell = findRecordByIndex(tokens, span, kTransponderRecordWidth, own->index);
        if (ownCell && !own->satelliteChanged) {
            const std::string* tp = &tokens[*ownCell];
            if (equalTuning(tp, values) || alikeTuning(tp, values)) {
                return TransponderChoice{Kind::KeepOwn, *ownCell};
            }
        }
    }

    std::optional<std::size_t> alike;
    for (std::size_t cell = span.begin; cell + kTransponderRecordWidth <= span.end;
         cell += kTransponderRecordWidth) {
        const std::string* tp = &tokens[cell];
        if (cell == ownCell || tp[kTpSatIndex] != values.satelliteIndex) continue;
        if (equalTuning(tp, values)) return TransponderChoice{Kind::Existing, cell};
        if (!alike && alikeTuning(tp, values)) alike = cell;
    }
    if (!alike) return TransponderChoice{Kind::New};

    switch (
        ui.ask(replaceQuestion(&tokens[*alike]), Buttons::YesNoCancel, Icon::Question, "REPLACE")) {
        case Answer::Yes:
            return TransponderChoice{Kind::Existing, *alike};
        case Answer::No:
            return TransponderChoice{Kind::New};
        default:
            return std::nullopt;
    }
}

std::string transponderIndexOf(const TokenArray& tokens, const SectionMap& sections,
                               const TransponderChoice& choice) {
    if (choice.kind != TransponderChoice::Kind::New) return tokens[choice.cell + kTpIndex];
    const long long largest =
        largestIndex(tokens, sections[kDigitalTpSection], kTransponderRecordWidth);
    return std::to_string(largest + 1);
}

void writeTransponder(TokenArray& tokens, const SectionMap& sections,
                      const TransponderChoice& choice, const TransponderValues& values,
                      const std::string& newIndex) {
    switch (choice.kind) {
        case TransponderChoice::Kind::KeepOwn: {
            std::string& bouquet = tokens[choice.cell + kTpComment];
            if (!sameText(bouquet, values.bouquet)) bouquet = values.bouquet;
            break;
        }
        case TransponderChoice::Kind::Existing:
            break;
        case TransponderChoice::Kind::New:
            insertRecord(tokens, sections[kDigitalTpSection].end,
                         {newIndex, values.satelliteIndex, values.frequency, values.symbolRate,
                          values.polarisation, values.bouquet});
            break;
    }
}

}  // namespace sky
