// The document's Compare commands: the open list against another list or the receiver's.

#include <cstdint>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "common/Format.h"
#include "editor/compare/ComparedList.h"
#include "shell/DeferredMessages.h"
#include "shell/DocumentCommands.h"

namespace sky {

namespace {

constexpr const char* kCompareCaption = "Skylister - Compare with List";

// A list read beside the open one, in a database of its own: the open list's database, file and
// state stay as they are.
std::optional<TokenArray> readListBeside(const RuntimeSettings& runtime, IUserInterface& ui,
                                         const std::string& path) {
    ListFile other(runtime, ui, path);
    TokenArray tokens;
    // Read as the file has it: a channel's number is not compared, its order is, so a file that
    // numbers its analog channels from 0 shows no channel moved.
    if (other.loadChannelList(tokens) == LoadResult::Failed) return std::nullopt;
    return tokens;
}

}  // namespace

std::optional<TokenArray> DocumentCommands::readOtherList(const std::string& path) {
    return readListBeside(runtime_, ui_, path);
}

void DocumentCommands::showComparison(std::string otherName, TokenArray other,
                                      const ComparedList* openRows) {
    auto comparison = std::make_shared<OpenComparison>();
    comparison->otherName = std::move(otherName);
    comparison->other = std::move(other);
    {
        const WaitCursor wait(window_);
        if (openRows) {
            comparison->compareWith(*openRows);
        } else {
            comparison->compareWith(list_.tokens());
        }
    }
    window_.showComparison(std::move(comparison));
}

bool DocumentCommands::onCompareWithList() {
    if (!list_.loaded()) return false;
    const std::optional<std::string> chosen =
        window_.chooseFileToOpen(kCompareCaption, channelListFilters(), settings_.recentFolder());
    if (!chosen) return false;
    std::optional<TokenArray> other;
    std::optional<ComparedList> openRows;
    const std::uint64_t revision = list_.revision();
    {
        const WaitCursor wait(window_);
        // The open list's rows are read on a second thread while the other list loads. The
        // loader's messages wait until that thread is done.
        std::future<ComparedList> reading =
            std::async(std::launch::async, [&tokens = list_.tokens()] {
                ComparedList rows(tokens);
                rows.readAhead();
                return rows;
            });
        DeferredMessages messages(ui_);
        other = readListBeside(runtime_, messages, *chosen);
        openRows.emplace(reading.get());
        messages.show();
    }
    if (!other) return false;
    // The rows read before serve while the list is as it was then.
    const bool unchanged = list_.revision() == revision;
    showComparison(std::filesystem::path(*chosen).filename().string(), std::move(*other),
                   unchanged ? &*openRows : nullptr);
    return true;
}

bool DocumentCommands::compareWithFile(const std::string& path, std::string name) {
    if (!list_.loaded() || transferRunning_) return false;
    std::optional<TokenArray> other = readOtherList(path);
    if (!other) return false;
    showComparison(std::move(name), std::move(*other));
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
