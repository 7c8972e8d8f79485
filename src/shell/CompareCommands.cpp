// The document's Compare commands: the open list against another list or the receiver's.

#include <filesystem>
#include <memory>
#include <utility>

#include "common/Format.h"
#include "shell/DocumentCommands.h"

namespace sky {

namespace {

constexpr const char* kCompareCaption = "Skylister - Compare with List";

}  // namespace

std::optional<TokenArray> DocumentCommands::readOtherList(const std::string& path) {
    // A database of its own: the open list's database, file and state stay as they are.
    ListFile other(runtime_, ui_, path);
    TokenArray tokens;
    // Read as the file has it: a channel's number is not compared, its order is, so a file that
    // numbers its analog channels from 0 shows no channel moved.
    if (other.loadChannelList(tokens) == LoadResult::Failed) return std::nullopt;
    return tokens;
}

void DocumentCommands::showComparison(std::string otherName, TokenArray other) {
    auto comparison = std::make_shared<OpenComparison>();
    comparison->otherName = std::move(otherName);
    comparison->other = std::move(other);
    {
        const WaitCursor wait(window_);
        comparison->compareWith(list_.tokens());
    }
    window_.showComparison(std::move(comparison));
}

bool DocumentCommands::onCompareWithList() {
    if (!list_.loaded()) return false;
    const std::optional<std::string> chosen =
        window_.chooseFileToOpen(kCompareCaption, channelListFilters(), settings_.recentFolder());
    if (!chosen) return false;
    std::optional<TokenArray> other;
    {
        const WaitCursor wait(window_);
        other = readOtherList(*chosen);
    }
    if (!other) return false;
    showComparison(std::filesystem::path(*chosen).filename().string(), std::move(*other));
    return true;
}

bool DocumentCommands::onCompareWithReceiver() {
    if (!list_.loaded()) return false;
    const std::string path = temporaryDirectory_ + kCompareFileName;
    if (!fetchReceiverList(path)) return false;
    std::optional<TokenArray> received = readOtherList(path);
    if (!received) {
        // The received list is not lost: say where it is, and what may refuse it.
        ui_.message(
            format("The received list is kept in %s\nIf it has more satellite names than the "
                   "Option's satellite number allows, change that number and compare again.",
                   path.c_str()));
        return false;
    }
    receiverList_ = *received;
    showComparison(kReceiverListName, std::move(*received));
    return true;
}

}  // namespace sky
