// Long runs of random editing through the view: keys, drags, moves, undo, sorts, the block
// arrangement and find queries on random selections, with random answers to every question.
// After each step the list must still save into a file that loads back to the same list.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <sstream>

#include "editor/EditingFixture.h"
#include "editor/order/ApplyOrder.h"
#include "editor/order/OrderReference.h"
#include "support/TempDir.h"

namespace sky::test {
namespace {

class RandomEditingTest : public EditingTest {
protected:
    void SetUp() override {
        list.perPage = 1000;
        writeFile(dir.file("list.txt"), readFile(exampleFile("channels.txt")));
        ASSERT_TRUE(document.open(dir.file("list.txt")));
        ASSERT_FALSE(view.model().tokens().empty());
    }

    // The list as it stands saves, and the saved file loads back to it.
    void expectSavesAndLoadsBack(const std::string& step) {
        RecordingUi quiet;
        ListFile db(settings, quiet, dir.file("check.txt"));
        ASSERT_EQ(db.saveText(view.model().tokens()), 1) << step;
        TokenArray loaded;
        ASSERT_NE(db.loadChannelList(loaded), LoadResult::Failed)
            << step << ": " << (quiet.messages.empty() ? "" : quiet.messages.front());
        // Numbers may come back in their plain form ("0192" or "   0" as "192" or "0") and an empty
        // name as "--", as the file gives them; nothing else changes.
        const TokenArray& shown = view.model().tokens();
        const auto sameValue = [](const std::string& loadedCell, const std::string& shownCell) {
            const auto plain = [](std::string text) {
                text.erase(0, text.find_first_not_of(' '));
                const bool number =
                    !text.empty() && text.find_first_not_of("+-0123456789") == std::string::npos;
                return number ? std::to_string(std::stol(text)) : text;
            };
            return loadedCell == shownCell || (loadedCell == "--" && shownCell.empty()) ||
                   plain(loadedCell) == plain(shownCell);
        };
        const auto difference =
            std::mismatch(loaded.begin(), loaded.end(), shown.begin(), shown.end(), sameValue);
        ASSERT_TRUE(difference.first == loaded.end() && difference.second == shown.end())
            << step << ": cell " << (difference.first - loaded.begin()) << " loads as \""
            << (difference.first == loaded.end() ? "(end)" : *difference.first) << "\", was \""
            << (difference.second == shown.end() ? "(end)" : *difference.second) << "\"";
    }

    TempDir dir;
};

TEST_F(RandomEditingTest, EveryStepLeavesAListThatSavesAndLoadsBack) {
    std::mt19937 random(1207);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const Command sorts[] = {Command::SortChannelName,      Command::SortFrequency,
                             Command::SortBouquet,          Command::SortNameOnly,
                             Command::ToggleAscendingNames, Command::ArrangeBlocks,
                             Command::RevertArrangement};
    for (int step = 0; step < 400; ++step) {
        const int rows = list.itemCount();
        list.selection.clear();
        if (rows > 0) {
            const int first = pick(rows);
            for (int row = first; row < std::min(rows, first + 1 + pick(3)); ++row) {
                list.selection.insert(row);
            }
        }
        for (int i = 0; i < 4; ++i) {
            ui.answer({pick(3) == 0 ? Answer::No : (pick(5) == 0 ? Answer::Cancel : Answer::Yes)});
        }
        std::string action;
        switch (pick(11)) {
            case 0:
                action = "delete";
                view.run(Command::Delete);
                break;
            case 1:
                action = "insert null";
                view.run(Command::InsertNull);
                break;
            case 2:
                action = "cut";
                view.run(Command::Cut);
                break;
            case 3:
                action = "paste";
                view.run(Command::Paste);
                break;
            case 4:
                if (rows == 0) break;
                action = "drag";
                view.dropSelectedRows(static_cast<std::size_t>(pick(rows)));
                break;
            case 5:
                action = "undo";
                view.run(Command::Undo);
                break;
            case 6:
                action = "sort";
                view.run(sorts[pick(std::size(sorts))]);
                break;
            case 7:
                action = "switch view";
                view.toggleDigitalAnalog();
                break;
            case 8: {
                action = "move";
                const Command moves[] = {Command::MoveUp, Command::MoveDown, Command::MoveToTop,
                                         Command::MoveToBottom};
                if (pick(2) == 0) {
                    view.run(moves[pick(std::size(moves))]);
                } else {
                    view.moveSelectionToNumber(pick(rows + 2));
                }
                break;
            }
            case 9: {
                action = "find";
                FindQuery query;
                query.text = pick(2) ? "a" : "";
                query.type = static_cast<TypeChoice>(pick(3));
                query.onlyMatching = pick(2) == 0;
                view.setFindQuery(query);
                break;
            }
            default:
                action = "undo twice";
                view.run(Command::Undo);
                view.run(Command::Undo);
        }
        ui.scriptedAnswers.clear();
        expectSavesAndLoadsBack(std::to_string(step) + " " + action);
        if (HasFatalFailure()) return;
    }
}

// Random edits of every kind, undos and redos, checked against a model of the history: each
// undo and redo must give back exactly the list and the modified flag of the point it returns to,
// and every edit that changed the list must be one step to undo.
TEST_F(RandomEditingTest, UndoAndRedoReturnToEveryRecordedState) {
    struct State {
        TokenArray tokens;
        bool modified;
    };
    const auto now = [&] { return State{view.model().tokens(), view.model().modified()}; };
    const UndoHistory& history = view.model().undoHistory();
    document.undoHistory().setDepth(UndoHistory::kMaxDepth);
    std::vector<State> past;
    std::vector<State> future;
    std::mt19937 random(5309);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    // Sorts with and without renumbering, so that the Index cells stay or travel with the rows.
    const Command reorders[] = {
        Command::SortChannelName,        Command::SortFrequency, Command::SortBouquet,
        Command::SortNameOnly,           Command::ArrangeBlocks, Command::RevertArrangement,
        Command::ToggleRenumberAfterSort};
    for (int step = 0; step < 260; ++step) {
        const int rows = list.itemCount();
        list.selection.clear();
        if (rows > 0) {
            const int first = pick(rows);
            for (int row = first; row < std::min(rows, first + 1 + pick(2)); ++row) {
                list.selection.insert(row);
            }
        }
        ui.answer({Answer::Yes});
        const State before = now();
        const int undoCount = history.count();
        const int redoCount = history.redoCount();
        const int roll = pick(13);
        std::string action;
        if (roll == 12) {
            // Saved: the history starts afresh from a list that counts as unchanged.
            action = "save";
            ASSERT_TRUE(document.save());
            ASSERT_FALSE(view.model().modified());
            past.clear();
            future.clear();
        } else if (roll < 3) {
            action = "undo";
            view.run(Command::Undo);
            if (!past.empty()) {
                future.push_back(before);
                ASSERT_EQ(view.model().tokens(), past.back().tokens) << step;
                ASSERT_EQ(view.model().modified(), past.back().modified) << step;
                past.pop_back();
            }
        } else if (roll < 5) {
            action = "redo";
            view.run(Command::Redo);
            if (!future.empty()) {
                past.push_back(before);
                ASSERT_EQ(view.model().tokens(), future.back().tokens) << step;
                ASSERT_EQ(view.model().modified(), future.back().modified) << step;
                future.pop_back();
            }
        } else {
            switch (roll) {
                case 5:
                    action = "delete, insert null, cut or paste";
                    view.run(std::array{Command::Delete, Command::InsertNull, Command::Cut,
                                        Command::Paste}[pick(4)]);
                    break;
                case 6:
                    action = "drag";
                    if (rows > 0) view.dropSelectedRows(static_cast<std::size_t>(pick(rows)));
                    break;
                case 7:
                    action = "sort or arrangement";
                    view.run(reorders[pick(std::size(reorders))]);
                    break;
                case 8:
                    action = "move";
                    if (pick(5) == 0) {
                        view.moveSelectionToNumber(pick(rows + 2));
                    } else {
                        view.run(std::array{Command::MoveUp, Command::MoveDown, Command::MoveToTop,
                                            Command::MoveToBottom}[pick(4)]);
                    }
                    break;
                case 9:
                    action = "satellite edit";
                    view.run(Command::SatelliteList);
                    dialogs.onSatellite([&](SatelliteDialogData& d) {
                        d.name = "Sat " + std::to_string(step);
                        return pick(4) == 0 ? DialogEnd::Cancel : DialogEnd::Ok;
                    });
                    doubleClick(pick(list.itemCount()));
                    view.run(Command::DigitalChannel);
                    break;
                case 10:
                    action = "channel edit";
                    dialogs.onDigital([&](DigitalChannelDialogData& d) {
                        d.name = "Ch " + std::to_string(step);
                        return pick(4) == 0 ? DialogEnd::Cancel : DialogEnd::Ok;
                    });
                    if (rows > 0) doubleClick(pick(rows));
                    break;
                default:
                    action = "switch view";
                    view.toggleDigitalAnalog();
            }
            // A step recorded when the undo side grew or the redo side emptied; a change of the
            // list must have recorded one.
            const bool recorded =
                history.count() > undoCount || (redoCount > 0 && history.redoCount() == 0);
            ASSERT_TRUE(recorded || view.model().tokens() == before.tokens)
                << step << " " << action;
            if (recorded) {
                ASSERT_LT(undoCount, UndoHistory::kMaxDepth);
                past.push_back(before);
                future.clear();
            }
            if (view.model().tokens() != before.tokens) {
                ASSERT_TRUE(view.model().modified()) << step << " " << action;
            }
        }
        dialogs.clear();
        ui.scriptedAnswers.clear();
        ASSERT_EQ(history.count(), static_cast<int>(past.size())) << step << " " << action;
        ASSERT_EQ(history.redoCount(), static_cast<int>(future.size())) << step << " " << action;
    }
}

// Over generated lists numbered from anywhere the check allows (analog channels from 0, digital
// ones from 5, with gaps): open changes no byte, an edit or an order of one channel view leaves
// the other view's sections as they were, undo of every edit gives back the file byte for byte, and
// redo of every one the edited list.
TEST_F(RandomEditingTest, UndoOfEveryEditGivesBackTheFileByteForByte) {
    std::mt19937 random(2718);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto saved = [&] {
        RecordingUi quiet;
        ListFile(settings, quiet, dir.file("check.txt")).saveText(view.model().tokens());
        return readFile(dir.file("check.txt"));
    };
    const auto numbers = [&](int count, int firstBelow) {
        std::vector<std::string> out;
        for (int n = pick(firstBelow); static_cast<int>(out.size()) < count; n += 1 + pick(3) / 2) {
            out.push_back(std::to_string(n));
        }
        return out;
    };
    const auto button = [&] {
        return std::array{DialogEnd::Ok, DialogEnd::Delete, DialogEnd::InsertNull}[pick(3)];
    };
    // The records of the sections the other channel view shows.
    const auto otherView = [&](bool digitalView) {
        if (digitalView) return records(kAnalogTpSection);
        std::vector<Record> out = records(kChannelSection);
        const std::vector<Record> pids = records(kChannelPidSection);
        out.insert(out.end(), pids.begin(), pids.end());
        return out;
    };
    document.undoHistory().setDepth(UndoHistory::kMaxDepth);
    for (int round = 0; round < 30; ++round) {
        TestList generated = validList();
        for (Record& satellite : generated.satellites)
            satellite[6] = "192";  // as the file gives it
        for (int t = 0; t < 3; ++t) {
            generated.transponders.push_back(
                transponder(std::to_string(t), std::to_string(t), std::to_string(11000 + t)));
        }
        for (const std::string& n : numbers(pick(10), 20)) {
            generated.channels.push_back(digital(n, std::to_string(pick(3)), "1", "D" + n));
        }
        for (const std::string& n : numbers(pick(4), 900)) {
            generated.pids.push_back(pidChannel(n, "1", "1", "P" + n));
        }
        for (const std::string& n : numbers(pick(8), 20)) {
            generated.analogs.push_back(analog(n, "2", "A" + n, pick(2) ? "TV" : "RADIO"));
        }
        ListFile(settings, ui, dir.file("list.txt")).saveText(generated.tokens());
        const std::string file = readFile(dir.file("list.txt"));
        ASSERT_TRUE(document.open(dir.file("list.txt")));
        ASSERT_EQ(saved(), file) << round;

        for (int step = 0; step < 30; ++step) {
            const int rows = list.itemCount();
            list.selection.clear();
            if (rows > 0) {
                const int first = pick(rows);
                for (int row = first; row < std::min(rows, first + 1 + pick(2)); ++row) {
                    list.selection.insert(row);
                }
            }
            const bool digitalView = view.digitalFlag();
            const std::vector<Record> untouched = otherView(digitalView);
            bool inOneView = true;
            ui.answer({Answer::Yes});
            switch (pick(9)) {
                case 0:
                    view.run(std::array{Command::Delete, Command::InsertNull, Command::Cut,
                                        Command::Paste}[pick(4)]);
                    break;
                case 1:
                    if (rows > 0) view.dropSelectedRows(static_cast<std::size_t>(pick(rows)));
                    break;
                case 2:
                    view.run(std::array{Command::MoveUp, Command::MoveDown, Command::MoveToTop,
                                        Command::MoveToBottom}[pick(4)]);
                    break;
                case 3:
                    view.moveSelectionToNumber(pick(rows + 2));
                    break;
                case 4:
                    dialogs.onDigital([&](DigitalChannelDialogData& d) {
                        d.name = "D" + std::to_string(step);
                        return button();
                    });
                    dialogs.onAnalog([&](AnalogChannelDialogData& d) {
                        d.name = "A" + std::to_string(step);
                        return button();
                    });
                    if (rows > 0) doubleClick(pick(rows));
                    break;
                case 5:
                    view.toggleDigitalAnalog();
                    break;
                case 6: {
                    // The view's own rows in another order, as a number;name reference.
                    std::vector<std::string> names;
                    std::istringstream lines(referenceText(view.model().tokens(), digitalView));
                    for (std::string line; std::getline(lines, line);) {
                        names.push_back(line.substr(line.find(';') + 1));
                    }
                    std::shuffle(names.begin(), names.end(), random);
                    std::string text;
                    for (std::size_t n = 0; n < names.size(); ++n) {
                        text += std::to_string(n + 1) + ";" + names[n] + "\n";
                    }
                    const std::optional<OrderReference> reference =
                        readOrderReference(text, "order.txt", digitalView, settings, ui);
                    if (reference) applyOrder(document, *reference, {});
                    break;
                }
                default:
                    inOneView = false;
                    view.run(std::array{Command::SortChannelName, Command::SortFrequency,
                                        Command::SortNameOnly, Command::ArrangeBlocks,
                                        Command::ToggleRenumberAfterSort}[pick(5)]);
            }
            dialogs.clear();
            ui.scriptedAnswers.clear();
            if (inOneView) {
                ASSERT_EQ(otherView(digitalView), untouched) << round << " " << step;
            }
        }
        const std::string edited = saved();
        while (view.model().undoHistory().available()) view.run(Command::Undo);
        ASSERT_EQ(saved(), file) << round;
        EXPECT_FALSE(view.model().hasUnsavedChanges()) << round;
        while (view.model().undoHistory().redoAvailable()) view.run(Command::Redo);
        ASSERT_EQ(saved(), edited) << round;
    }
}

TEST_F(RandomEditingTest, RandomDialogInputLeavesAListThatSavesAndLoadsBack) {
    std::mt19937 random(71207);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const auto any = [&](std::initializer_list<const char*> values) {
        return std::string(*(values.begin() + pick(static_cast<int>(values.size()))));
    };
    const auto button = [&] {
        const int roll = pick(20);
        return roll < 12   ? DialogEnd::Ok
               : roll < 15 ? DialogEnd::Delete
               : roll < 18 ? DialogEnd::InsertNull
                           : DialogEnd::Cancel;
    };
    const auto names = {"Das Erste", "",          "A B",           "X", "Thirteen Char", "--",
                        "Ch#1",      "Tab\tName", "Fourteen Chars"};
    const auto frequencies = {"11778", "9750", "999", "123456", "12a45", "", "11836"};
    const auto numbers = {"0", "1", "128", "512", "x", "", "65535"};
    for (int step = 0; step < 1000; ++step) {
        for (int i = 0; i < 4; ++i) {
            ui.answer({pick(3) == 0 ? Answer::No : (pick(5) == 0 ? Answer::Cancel : Answer::Yes)});
        }
        dialogs.onDigital([&](DigitalChannelDialogData& d) {
            if (pick(4) == 0 && d.satelliteCount() > 0)
                d.pickSatellite(pick(d.satelliteCount()), ui);
            if (pick(2) == 0) d.name = any(names);
            if (pick(3) == 0) d.frequency = any(frequencies);
            if (pick(3) == 0) d.symbolRate = any({"27500", "2750", "27 50", "22000"});
            if (pick(3) == 0) d.serviceId = any({"", "0", "1A2B", "zz", "6FEE", "ffff"});
            if (pick(4) == 0) d.videoPid = any(numbers);
            if (pick(4) == 0) d.audioPid = any(numbers);
            if (pick(4) == 0) d.pcrPid = any(numbers);
            if (pick(4) == 0) d.activeAudio = any(numbers);
            if (pick(3) == 0) d.bouquet = any({"ARD", "New Bouquet", "", "RAI"});
            if (pick(4) == 0) d.horizontal = !d.horizontal;
            if (pick(4) == 0) d.tv = !d.tv;
            return button();
        });
        dialogs.onAnalog([&](AnalogChannelDialogData& d) {
            if (pick(4) == 0 && d.satelliteCount() > 0)
                d.pickSatellite(pick(d.satelliteCount()), ui);
            if (pick(2) == 0) d.name = any(names);
            if (pick(3) == 0) d.frequency = any(frequencies);
            if (pick(4) == 0) d.threshold = any(numbers);
            if (pick(4) == 0) d.contrast = any(numbers);
            if (pick(4) == 0) d.audioFreqLeft = any({"6.50", "7.02", "x", ""});
            if (pick(4) == 0) d.audioFreqRight = any({"6.65", "7.20", "7 2"});
            using Choice = AnalogChannelDialogData::Choice;
            for (Choice c : {Choice::DeEmphasis, Choice::BandWidth, Choice::AudioMode,
                             Choice::DecoderOutput, Choice::VideoBand}) {
                if (pick(4) == 0) d.choose(c, pick(6) - 1);
            }
            if (pick(4) == 0) d.tv = !d.tv;
            if (pick(4) == 0) d.dnr = !d.dnr;
            if (pick(4) == 0) d.ku = !d.ku;
            return button();
        });
        dialogs.onSatellite([&](SatelliteDialogData& d) {
            if (pick(2) == 0) d.name = any(names);
            if (pick(3) == 0) d.lnbLow = any(frequencies);
            if (pick(3) == 0) d.lnbHigh = any(frequencies);
            if (pick(3) == 0) d.position = any(numbers);
            if (pick(2) == 0) d.degree = any({"E019.2", "W005.0", "bad", "E1234.5", "", "W180.0"});
            if (pick(4) == 0) d.blank = !d.blank;
            return pick(5) == 0 ? DialogEnd::Cancel : DialogEnd::Ok;
        });
        std::string action;
        switch (pick(5)) {
            case 0:
                action = "digital";
                view.run(Command::DigitalChannel);
                break;
            case 1:
                action = "analog";
                view.run(Command::AnalogChannel);
                break;
            case 2:
                action = "satellites";
                view.run(Command::SatelliteList);
                break;
            case 3:
                action = "new";
                view.run(Command::New);
                break;
            default:
                action = "double-click";
                list.selection.clear();
                if (list.itemCount() > 0) list.selection.insert(pick(list.itemCount()));
                view.onDoubleClick();
        }
        // Whatever the dialogs did not use is dropped, so each step starts afresh.
        dialogs.clear();
        ui.scriptedAnswers.clear();
        expectSavesAndLoadsBack(std::to_string(step) + " " + action);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace sky::test
