// The channel-list upload against a scripted receiver console in virtual time, and the filter
// that keeps the marked lines of a dump.

#include "serial/ChannelUpload.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "FakeLine.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {
namespace {

using test::Bytes;
using test::bytesOf;
using test::operator+;
using namespace std::string_literals;

const char* const kPowerMessage = "CHECK if Receiver's Power is turned ON\r\nAnd TRY AGIAN!!!";
const char* const kCancelled = "Transfer cancelled by the user.\r\n";

// A receiver console: a line end wakes it with a prompt, typed keys are echoed, and "dumpch"
// followed by a line end prints the dump.
struct Console {
    explicit Console(test::FakeLine& l) : line(l) {
        line.onWrite = [this](const Bytes& w) { react(w); };
    }

    void react(const Bytes& w) {
        if (w == bytesOf("\r\n")) {
            if (typed == "dumpch") {
                line.arrive(bytesOf("\r\n" + dump), 1);
                dumped = true;
            } else if (!(dumped && silentAfterDump)) {
                line.arrive(bytesOf("\r\nSTB>"), 1);
            }
            typed.clear();
        } else if (w.size() == 1) {
            typed += static_cast<char>(w[0]);
            line.arrive(w, 1);
        }
    }

    test::FakeLine& line;
    std::string dump;
    std::string typed;
    // The console prints nothing after its dump, not even a prompt for a line end typed.
    bool silentAfterDump = false;
    bool dumped = false;
};

class ChannelUploadTest : public ::testing::Test {
protected:
    int upload(size_t limit = kUploadLimit) {
        return uploadChannelList(line, settings, ui, uploadPath, limit);
    }
    std::string uploaded() const { return test::readFile(uploadPath); }
    // The one box of a failed upload: its lead, then the list kept under a name of its own
    // beside the upload file, with what the upload file holds.
    void expectKept(const std::vector<std::string>& messages,
                    const std::string& lead = "ERROR: Uploading is not complete. try again") const {
        ASSERT_EQ(messages.size(), 1u);
        const std::string named = lead + "\nWhat was received is kept in " + dir.file("SATupload-");
        ASSERT_EQ(messages[0].rfind(named, 0), 0u) << messages[0];
        const std::string kept = messages[0].substr(messages[0].rfind(' ') + 1);
        EXPECT_EQ(test::readFile(kept), uploaded());
    }

    test::TempDir dir;
    std::string uploadPath = dir.file("SATupload.txt");
    RuntimeSettings settings;
    test::RecordingUi ui;
    test::FakeLine line;
    Console console{line};
};

TEST_F(ChannelUploadTest, WakesTheConsoleDumpsTheListAndResumesTheReceiver) {
    console.dump = std::string("Channel list dump\r\n") +
                   "||[SATELLITE_NAME_LIST]\r\n"
                   "||  1  \"ASTRA 1\"\r\n"
                   "\r\nSTB>" +
                   "||  2 \0 \"HOT BIRD\"\r\n"s +
                   "||[END]\r\n"
                   "\r\nSTB>";
    ASSERT_EQ(upload(), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Uploading SUCESS"});
    EXPECT_EQ(uploaded(),
              "[SATELLITE_NAME_LIST]\r\n  1  \"ASTRA 1\"\r\n  2   \"HOT BIRD\"\r\n[END]  ");
    EXPECT_FALSE(std::filesystem::exists(dir.file("SATuploadTemp.txt")));

    // Everything the program did, with the 1-byte reads of the reception folded into one.
    std::vector<std::string> events;
    for (const std::string& e : line.events) {
        if (e != "read" || events.empty() || events.back() != "read") events.push_back(e);
    }
    std::vector<std::string> expected{"open /dev/ttyS0", "configure", "idle",
                                      "purge",           "pause 50",  "write"};
    for (int i = 0; i < 3; ++i) {
        for (const char* e : {"pause 50", "write", "pause 50", "write"}) expected.push_back(e);
    }
    for (const char* e : {"probe", "read", "purge", "idle", "pause 100"}) expected.push_back(e);
    for (int i = 0; i < 8; ++i) {
        for (const char* e : {"write", "pause 50"}) expected.push_back(e);
    }
    for (const char* e :
         {"read", "close", "open /dev/ttyS0", "configure", "idle", "purge", "write", "close"}) {
        expected.push_back(e);
    }
    EXPECT_EQ(events, expected);

    const Bytes escape{0x1B, 0x00};
    const Bytes lineEnd = bytesOf("\r\n");
    std::vector<Bytes> writes;
    for (const auto& w : line.writes) writes.push_back(w.data);
    EXPECT_EQ(writes, (std::vector<Bytes>{lineEnd, escape, lineEnd, escape, lineEnd, escape,
                                          lineEnd, bytesOf("d"), bytesOf("u"), bytesOf("m"),
                                          bytesOf("p"), bytesOf("c"), bytesOf("h"), lineEnd,
                                          lineEnd, bytesOf("go\r\n")}));
    // The fixed waits: 350 ms before the probe, which lasts 1 ms.
    const auto& probe = line.reads.front();
    EXPECT_EQ(probe.startUs, 350 * 1000);
    EXPECT_EQ(probe.profile, TimeoutProfile::Probe);
}

TEST_F(ChannelUploadTest, ACancelWhileTheDumpIsSilentEndsAtOnceAndResumesTheReceiver) {
    // The console falls silent in the middle of the dump; the user cancels 3 s into the wait.
    console.dump = "||[SATELLITE_NAME_LIST]\r\n" + std::string(3000, 'x') + "\r\n";
    constexpr int64_t kCancelAtMs = 3000;
    ui.cancelWhen = [&] { return line.nowMs() >= kCancelAtMs; };
    EXPECT_EQ(upload(), 0);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(std::count(ui.windowTexts.begin(), ui.windowTexts.end(), kCancelled), 1);
    EXPECT_FALSE(std::filesystem::exists(uploadPath));
    // The waiting read ended within a slice of the cancel, and "go" went out on a port opened
    // again.
    EXPECT_EQ(line.reads.back().got, 0u);
    EXPECT_LE(line.reads.back().endUs, (kCancelAtMs + 200) * 1000);
    EXPECT_EQ(line.writes.back().data, bytesOf("go\r\n"));
    const std::vector<std::string> last(line.events.end() - 3, line.events.end());
    EXPECT_EQ(last, (std::vector<std::string>{"purge", "write", "close"}));
    EXPECT_FALSE(line.isOpen());
}

TEST_F(ChannelUploadTest, AReceiverThatIsOffWritesNoFile) {
    line.onWrite = nullptr;
    EXPECT_EQ(upload(), 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kPowerMessage});
    EXPECT_FALSE(std::filesystem::exists(uploadPath));
    EXPECT_EQ(line.reads.size(), 1u);
    EXPECT_EQ(line.reads[0].endUs - line.reads[0].startUs, 1000);
    EXPECT_EQ(std::count(line.events.begin(), line.events.end(), std::string("open /dev/ttyS0")),
              1);
    EXPECT_FALSE(line.isOpen());
}

TEST_F(ChannelUploadTest, ADumpThatEndsAtAShortPromptIsWholeAfterTheSilenceLimit) {
    // The dump ends at the prompt without "[END]", after an empty line or straight after the
    // last row: the end line follows the last row.
    console.silentAfterDump = true;
    for (const char* beforePrompt : {"\r\n", ""}) {
        SCOPED_TRACE(beforePrompt);
        ui = {};
        line.reads.clear();
        console.dumped = false;
        console.dump =
            "||[SATELLITE_NAME_LIST]\r\n||  1  \"ASTRA 1\"\r\n||  2  \"HOT BIRD 13E\"\r\n"s +
            beforePrompt + ">";
        EXPECT_EQ(upload(), 1);
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Uploading SUCESS"});
        EXPECT_EQ(
            uploaded(),
            "[SATELLITE_NAME_LIST]\r\n  1  \"ASTRA 1\"\r\n  2  \"HOT BIRD 13E\"\r\n[END]\r\n");
        // One empty read, after the silence limit, ended the reception.
        const auto& last = line.reads.back();
        EXPECT_EQ(last.got, 0u);
        EXPECT_EQ(last.endUs - last.startUs, int64_t{kSilenceLimitMs} * 1000);
        EXPECT_EQ(std::count_if(line.reads.begin(), line.reads.end(),
                                [](const auto& r) { return r.got == 0; }),
                  1);
    }
}

TEST_F(ChannelUploadTest, ADumpThatStopsIsNotCompleteAndIsKept) {
    console.dump = "||[SATELLITE_NAME_LIST]\r\n||  1  \"ASTRA 1\"\r\n||  2  \"HOT";
    console.silentAfterDump = true;
    EXPECT_EQ(upload(), 0);
    expectKept(ui.messages);
    // No prompt came after the cut row: no end line is made up.
    EXPECT_EQ(uploaded(), "[SATELLITE_NAME_LIST]\r\n  1  \"ASTRA 1\"\r\n  2  \"HOT");
    EXPECT_EQ(line.writes.back().data, bytesOf("go\r\n"));
}

TEST_F(ChannelUploadTest, ReceivesLargeDumpsWholeUpToTheLimit) {
    // Larger than any fixed buffer of a typical size: received whole.
    std::string dump = "||[SATELLITE_NAME_LIST]\r\n";
    while (dump.size() < 1024 * 1024) dump += "||  1  \"A SATELLITE NAME\"\r\n";
    console.dump = dump + "||[END]\r\n";
    EXPECT_EQ(upload(), 1);
    EXPECT_TRUE(uploaded() == filterMarkedLines(dump) + "[END]  ");

    // A console that never stops: the reception ends at the limit, not complete.
    test::RecordingUi u;
    line.received.clear();
    EXPECT_EQ(uploadChannelList(line, settings, u, uploadPath, 10000), 0);
    expectKept(u.messages);
    // The probe's byte, then exactly the limit.
    EXPECT_EQ(line.received.size(), 1 + 10000u);
}

TEST_F(ChannelUploadTest, AListThatDoesNotStartRightIsKeptButNotAccepted) {
    console.dump = "||[SATELLITE]\r\n" + std::string(2600, 'x') + "||[END]\r\n";
    EXPECT_EQ(upload(), 0);
    expectKept(ui.messages);
    EXPECT_EQ(uploaded(), "[SATELLITE]\r\n[END]  ");
    EXPECT_EQ(line.writes.back().data, bytesOf("go\r\n"));
    // The failure is the last line of the message window, which the upload cleared first; the
    // progress has gone before the box.
    EXPECT_EQ(ui.windowTexts.front(), test::RecordingUi::kCleared);
    EXPECT_EQ(ui.windowTexts.back(), ui.messages[0] + "\r\n");
    EXPECT_EQ(ui.progressReports, std::vector<int>{test::RecordingUi::kProgressEnded});
}

TEST_F(ChannelUploadTest, EachReceptionIsKeptUnderItsOwnNameAndShowsItsAmount) {
    std::string dump = "||[SATELLITE_NAME_LIST]\r\n";
    while (dump.size() < 20000) dump += "||  1  \"A SATELLITE NAME\"\r\n";
    console.dump = dump + "||[END]\r\n";
    std::vector<std::string> kept;
    for (int run = 0; run < 2; ++run) {
        test::RecordingUi u;
        ASSERT_EQ(uploadChannelList(line, settings, u, uploadPath), 1);
        // The window names the list kept for this reception, before the result.
        const std::string named = u.windowTexts.end()[-2];
        const std::string lead = "The received list is kept in " + dir.file("SATupload-");
        ASSERT_EQ(named.rfind(lead, 0), 0u) << named;
        kept.push_back(named.substr(named.rfind(' ') + 1, named.size() - named.rfind(' ') - 3));
        EXPECT_EQ(test::readFile(kept.back()), uploaded());
        EXPECT_EQ(u.windowTexts.back(), "Uploading SUCESS\r\n");
        // The amount rises to what came; the first upload has nothing to estimate its size
        // from, the second the list the first received: its position rises below the end.
        ASSERT_FALSE(u.amounts.empty());
        EXPECT_TRUE(std::is_sorted(u.amounts.begin(), u.amounts.end()));
        EXPECT_GE(u.amounts.back(), dump.size() - 500);
        std::vector<int> positions = u.progressReports;
        std::erase(positions, test::RecordingUi::kProgressEnded);
        if (run == 0) {
            EXPECT_TRUE(positions.empty());
        } else {
            ASSERT_GT(positions.size(), 3u);
            EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
            EXPECT_GE(positions.back(), 90);
            EXPECT_LT(positions.back(), 100);
        }
        line.received.clear();
    }
    // The second upload left the first one's list alone.
    EXPECT_NE(kept[0], kept[1]);
    EXPECT_TRUE(std::filesystem::exists(kept[0]));
}

TEST_F(ChannelUploadTest, PortProblems) {
    for (int number : {0, 5}) {
        test::RecordingUi u;
        RuntimeSettings illegal{.comPort = number};
        EXPECT_EQ(uploadChannelList(line, illegal, u, uploadPath), 0);
        EXPECT_EQ(u.messages, std::vector<std::string>{
                                  "Selected Com Port is illegal!!!, Select again at Option Menu"});
    }
    EXPECT_TRUE(line.events.empty());

    // The port cannot be opened again to resume the receiver: the list is there, the upload
    // has failed.
    console.dump = "||[SATELLITE_NAME_LIST]\r\n||[END]\r\n";
    line.opensAllowed = 1;
    EXPECT_EQ(upload(), 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Serial Port Open FAILED!!!"});
    EXPECT_EQ(uploaded(), "[SATELLITE_NAME_LIST]\r\n[END]  ");
}

TEST_F(ChannelUploadTest, ADeviceThatDisappearsEndsTheReceptionAtOnce) {
    console.dump = "||[SATELLITE_NAME_LIST]\r\n||[END]\r\n";
    line.vanishAfterWrites = 10;
    EXPECT_EQ(upload(), 0);
    // The receiver cannot be resumed through a device that is gone: what came is kept.
    expectKept(ui.messages, "The serial device went away (unplugged?).");
    EXPECT_EQ(std::count(line.events.begin(), line.events.end(), "open " + settings.portDevices[0]),
              1);
    EXPECT_LT(line.nowMs(), 2000);
}

TEST_F(ChannelUploadTest, FilesAreCreatedWithoutFollowingLinks) {
    console.dump = "||[SATELLITE_NAME_LIST]\r\n||[END]\r\n";
    const std::string target = dir.file("elsewhere.txt");
    test::writeFile(target, "keep me");
    std::filesystem::create_symlink(target, uploadPath);
    EXPECT_EQ(upload(), 0);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"Fail to open output file " + uploadPath + "\n"});
    EXPECT_EQ(test::readFile(target), "keep me");

    // A link planted where the filtered list is written.
    std::filesystem::remove(uploadPath);
    std::filesystem::create_symlink(target, dir.file("SATuploadTemp.txt"));
    test::RecordingUi u;
    EXPECT_EQ(uploadChannelList(line, settings, u, uploadPath), 0);
    EXPECT_EQ(u.messages, std::vector<std::string>{"Fail to open output file " +
                                                   dir.file("SATuploadTemp.txt") + "\n"});
    EXPECT_EQ(test::readFile(target), "keep me");
}

TEST(FilterMarkedLines, KeepsWhatFollowsEachMarkUpToItsLineEnd) {
    // Text outside marked lines is dropped; a third bar belongs to the line.
    EXPECT_EQ(filterMarkedLines("echo|x|\r\n|||a\r\nb||c\r\n"), "|a\r\nc\r\n");
    // A CR not followed by LF stays inside the line, and so does the byte after it.
    EXPECT_EQ(filterMarkedLines("||a\rb\r\nout||c\r\n"), "a\rb\r\nc\r\n");
    EXPECT_EQ(filterMarkedLines("||a\r\r\nout\r\n"), "a\r\r\nout\r\n");
    // NUL bytes become spaces, the one right after a CR too.
    EXPECT_EQ(filterMarkedLines(std::string_view("||a\0b\r\0\r\n", 9)), "a b\r \r\n");
    // A list cut off in its last line.
    EXPECT_EQ(filterMarkedLines("||[SATELLITE_NAME_LIST]\r\n||  1"),
              "[SATELLITE_NAME_LIST]\r\n  1");
    EXPECT_EQ(filterMarkedLines(""), "");
}

TEST(FilterMarkedLines, ADumpEndingAtThePromptGetsItsEndLineAfterItsLastRow) {
    // Rows, then the prompt: on a line of its own after an empty line (once or twice), straight
    // after the last row's line break, or as a marked line, it ends the list after its last row;
    // a dump cut in a row without a prompt gets no end line.
    std::mt19937 random(7);
    for (int run = 0; run < 300; ++run) {
        std::string dump = "echo\r\n";
        std::string rows;
        const int count = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < count; ++i) {
            const std::string row = std::string(random() % 30, static_cast<char>('a' + i)) + "\r\n";
            dump += "||" + row;
            rows += row;
        }
        const std::string prompt = std::string(random() % 20, '#') + ">";
        switch (random() % 4) {
            case 0:
                dump += "\r\n" + prompt + (random() % 2 ? "\r\n" + prompt : "");
                rows += "[END]\r\n";
                break;
            case 1:
                dump += "||" + prompt;
                rows += "[END]\r\n";
                break;
            case 2:
                dump += prompt;
                rows += "[END]\r\n";
                break;
            default:
                dump += "||cut";
                rows += "cut";
        }
        EXPECT_EQ(filterMarkedLines(dump), rows) << dump;
    }
}

}  // namespace
}  // namespace sky
