#include "support/RoundTrip.h"

#include <algorithm>
#include <array>
#include <vector>

#include "compiler/Compile.h"
#include "db/TextFormat.h"
#include "db/TextWriter.h"
#include "listdb/ListFile.h"
#include "support/RecordingUi.h"

namespace sky::test {

namespace {

using SectionRows = std::array<std::vector<std::string>, kSections.size()>;

// The fields of each section, in the writer's order of sections; a missing section has none.
SectionRows sectionRows(const TokenArray& tokens) {
    SectionRows rows;
    for (size_t s = 0; s < kSections.size(); ++s) {
        const auto start = std::find(tokens.begin(), tokens.end(), kSections[s].startMarker);
        if (start == tokens.end()) continue;
        const auto end = std::find(start, tokens.end(), kSections[s].endMarker);
        rows[s].assign(start + 1, end);
    }
    return rows;
}

std::string joined(const std::vector<std::string>& messages) {
    std::string text;
    for (const std::string& message : messages) text += message + "\n";
    return text;
}

}  // namespace

std::string roundTripFault(std::string_view text, const RuntimeSettings& settings, bool& refused) {
    RecordingUi ui;
    ListFile db(settings, ui);
    TokenArray opened;
    refused = db.loadText(text, opened) == LoadResult::Failed;
    if (refused) return ui.messages.empty() ? "refused at open without a message" : "";
    const std::string saved = channelListText(opened);

    ui.messages.clear();
    std::string failure;
    if (!checkText(saved, db.satNameCount(), failure)) {
        return "the saved list fails the check: " + failure;
    }
    TokenArray reopened;
    if (db.loadText(saved, reopened) == LoadResult::Failed) {
        return "the saved list does not open: " + joined(ui.messages);
    }
    const SectionRows before = sectionRows(opened);
    const SectionRows after = sectionRows(reopened);
    for (size_t s = 0; s < kSections.size(); ++s) {
        if (before[s] != after[s]) {
            return "the saved " + std::string(kSections[s].name) + " section reads back otherwise";
        }
    }
    if (channelListText(reopened) != saved) return "saving again writes other bytes";
    return "";
}

}  // namespace sky::test
