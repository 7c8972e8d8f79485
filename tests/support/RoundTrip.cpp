#include "support/RoundTrip.h"

#include <algorithm>
#include <array>
#include <vector>

#include "db/FileIo.h"
#include "db/TextFormat.h"
#include "listdb/ListDB.h"
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

std::string fileText(const std::string& path) {
    return readWholeFile(path).value_or("");
}

}  // namespace

std::string roundTripFault(const std::string& path, const RuntimeSettings& settings,
                           bool& refused) {
    RecordingUi ui;
    CListDB db(settings, ui, path);
    TokenArray opened;
    refused = db.LoadChannelList(opened) == LoadResult::Failed;
    if (refused) return ui.messages.empty() ? "refused at open without a message" : "";
    if (!db.SaveText(opened)) return "not saved: " + joined(ui.messages);
    const std::string saved = fileText(path);

    ui.messages.clear();
    if (!db.Check()) return "the saved list fails the check: " + joined(ui.messages);
    TokenArray reopened;
    if (db.LoadChannelList(reopened) == LoadResult::Failed) {
        return "the saved list does not open: " + joined(ui.messages);
    }
    const SectionRows before = sectionRows(opened);
    const SectionRows after = sectionRows(reopened);
    for (size_t s = 0; s < kSections.size(); ++s) {
        if (before[s] != after[s]) {
            return "the saved " + std::string(kSections[s].name) + " section reads back otherwise";
        }
    }
    if (!db.SaveText(reopened)) return "not saved again: " + joined(ui.messages);
    if (fileText(path) != saved) return "saving again writes other bytes";
    return "";
}

}  // namespace sky::test
