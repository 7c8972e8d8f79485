// The transfers end to end over a pseudo-terminal, against the simulated receiver stb-sim: a
// compiled list goes down, a receiver's list comes back and loads, faults are survived or fail
// within their bounds.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <thread>

#include "listdb/CompileCommands.h"
#include "listdb/ListFile.h"
#include "serial/PrivateTempDir.h"
#include "support/RecordingUi.h"
#include "support/StbSim.h"
#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

// Where the transfers put the received list: the private temporary folder's upload file.
std::string privateUploadPath() {
    std::string problem;
    return uploadFilePath(problem).value();
}
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const char* const kSuccess = "Flash download is terminated successfully.\n";
const char* const kCancelled = "Transfer cancelled by the user.\r\n";

// A user who presses Cancel once the line has been quiet for half a second. beforeEachLook runs
// whenever the transfer looks for the cancel.
class QuietCancel {
public:
    explicit QuietCancel(test::RecordingUi& ui, std::function<void()> beforeEachLook = {}) {
        ui.cancelWhen = [this, &ui, look = std::move(beforeEachLook)] {
            if (look) look();
            const Clock::time_point now = Clock::now();
            if (ui.activityReports != seen_) {
                seen_ = ui.activityReports;
                quietSince_ = now;
            }
            if (!pressedAt && now - quietSince_ >= 500ms) pressedAt = now;
            return pressedAt.has_value();
        };
    }

    // How long the transfer went on after the press.
    Clock::duration afterPress() const { return Clock::now() - pressedAt.value_or(Clock::now()); }

    std::optional<Clock::time_point> pressedAt;

private:
    int seen_ = -1;
    Clock::time_point quietSince_ = Clock::now();
};

class TransferEndToEndTest : public ::testing::Test {
protected:
    TransferEndToEndTest() {
        // Each test gets its own upload file, so that tests may run side by side.
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) savedRuntimeDir_ = old;
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        fs::copy_file(test::exampleFile("channels.txt"), listPath);
    }
    ~TransferEndToEndTest() override {
        if (savedRuntimeDir_) {
            ::setenv("XDG_RUNTIME_DIR", savedRuntimeDir_->c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
    }

    // The example list compiled as a pre-installed image (Normal and Basic: several packets).
    std::string compiledImage() {
        ListFile db(settings, ui, listPath);
        TokenArray tokens;
        EXPECT_NE(db.loadChannelList(tokens), LoadResult::Failed);
        EXPECT_EQ(buildPreInstalledImage(db, tokens), 1);
        ui.messages.clear();
        const std::string image = dir.file("channels.bin");
        const std::string bytes = test::readFile(image);
        EXPECT_GE(bytes.size() > 9 ? static_cast<uint8_t>(bytes[9]) : 0, 2) << "packets";
        return image;
    }
    void useDevice(const test::StbSim& sim) { settings.portDevices[0] = sim.device(); }

    static TokenArray load(const RuntimeSettings& settings, const std::string& path) {
        test::RecordingUi quiet;
        ListFile db(settings, quiet, path);
        TokenArray tokens;
        EXPECT_NE(db.loadChannelList(tokens), LoadResult::Failed) << path;
        return tokens;
    }

    test::TempDir dir;
    test::TempDir runtime;
    std::string listPath = dir.file("channels.txt");
    RuntimeSettings settings;
    test::RecordingUi ui;

private:
    std::optional<std::string> savedRuntimeDir_;
};

TEST_F(TransferEndToEndTest, ACompiledListDownloadsAndTheReceiverStoresItWhole) {
    const std::string image = compiledImage();
    const std::string stored = dir.file("stored.bin");
    test::StbSim sim({"--save-image", stored});
    useDevice(sim);
    ListFile db(settings, ui, listPath);
    ASSERT_EQ(db.downloadCurrent(), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{kSuccess});
    EXPECT_EQ(db.path, listPath);
    const std::string sent = test::readFile(image);
    EXPECT_GT(sent.size(), 14u + 2 * 16u);
    EXPECT_TRUE(test::readFile(stored) == sent);
    // Full, then gone before the result's box.
    EXPECT_EQ(ui.progressReports.end()[-2], 100);
    EXPECT_EQ(ui.progressReports.back(), test::RecordingUi::kProgressEnded);
}

TEST_F(TransferEndToEndTest, LostAndWrongAcknowledgementsAreRetried) {
    const std::string image = compiledImage();
    for (const char* fault : {"--lose-acks", "--wrong-acks"}) {
        const std::string stored = dir.file("stored.bin");
        fs::remove(stored);
        test::StbSim sim({fault, "1:2", "--save-image", stored});
        useDevice(sim);
        test::RecordingUi u;
        ListFile db(settings, u, listPath);
        EXPECT_EQ(db.downloadFile(image), 1) << fault;
        EXPECT_EQ(u.messages, std::vector<std::string>{kSuccess});
        EXPECT_TRUE(test::readFile(stored) == test::readFile(image)) << fault;
    }
}

TEST_F(TransferEndToEndTest, ARealignedConnectionStillDownloads) {
    const std::string image = compiledImage();
    test::StbSim sim({"--misaligned-offer"});
    useDevice(sim);
    ListFile db(settings, ui, listPath);
    EXPECT_EQ(db.downloadFile(image), 1);
    EXPECT_NE(std::find(ui.windowTexts.begin(), ui.windowTexts.end(),
                        "CONNECTING \r\n=> 1.Waiting DN_OPER_REQ from STB \r\n=>COMPLETE while "
                        "read 2 times\r\n"),
              ui.windowTexts.end());
}

TEST_F(TransferEndToEndTest, AReceiversListComesBackAndLoadsAsTheOriginal) {
    test::StbSim sim({"--dump", listPath, "--nul-in-line", "3"});
    useDevice(sim);
    ListFile db(settings, ui);
    ASSERT_EQ(db.uploadChannelList(privateUploadPath()), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Uploading SUCESS"});

    std::string problem;
    const std::optional<std::string> uploaded = uploadFilePath(problem);
    ASSERT_TRUE(uploaded);
    EXPECT_EQ(*uploaded, runtime.file("skylister/SATupload.txt"));
    const TokenArray original = load(settings, listPath);
    const TokenArray received = load(settings, *uploaded);
    EXPECT_EQ(received, original);

    // Saved back and loaded again, it is still the same list.
    const std::string saved = dir.file("saved.txt");
    fs::copy_file(*uploaded, saved);
    test::RecordingUi u;
    ListFile writer(settings, u, saved);
    ASSERT_EQ(writer.saveText(received), 1);
    EXPECT_EQ(load(settings, saved), original);
}

TEST_F(TransferEndToEndTest, TransfersInARowOnOnePortAllSucceed) {
    const std::string image = compiledImage();
    const std::string stored = dir.file("stored.bin");
    test::StbSim sim({"--dump", listPath, "--save-image", stored});
    useDevice(sim);
    ListFile db(settings, ui, listPath);
    ASSERT_EQ(db.uploadChannelList(privateUploadPath()), 1);
    // After "go" the receiver runs until it is switched off and on, as a user does to download.
    // The user does so once the receiver has taken "go": were it switched on first, the "go"
    // arriving late would wake its console instead of the boot loader.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    sim.powerCycle();
    for (int run = 0; run < 5; ++run) {
        fs::remove(stored);
        ASSERT_EQ(db.downloadFile(image), 1) << "download " << run + 1;
        EXPECT_TRUE(test::readFile(stored) == test::readFile(image));
    }
}

TEST_F(TransferEndToEndTest, ACancelDuringAnUploadEndsAtOnceAndTheNextUploadSucceeds) {
    // The receiver pauses 30 s in the middle of the dump; the user cancels.
    test::StbSim sim({"--dump", listPath, "--pause-dump-after", "20:30"});
    useDevice(sim);
    QuietCancel user(ui);
    ListFile db(settings, ui);
    EXPECT_EQ(db.uploadChannelList(privateUploadPath()), 0);
    ASSERT_TRUE(user.pressedAt);
    EXPECT_LT(user.afterPress(), 1s);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(std::count(ui.windowTexts.begin(), ui.windowTexts.end(), kCancelled), 1);

    // The port is free and the receiver takes the next upload at once.
    test::RecordingUi u;
    ListFile again(settings, u);
    ASSERT_EQ(again.uploadChannelList(privateUploadPath()), 1);
    EXPECT_EQ(u.messages, std::vector<std::string>{"Uploading SUCESS"});
}

TEST_F(TransferEndToEndTest, ACancelDuringASilentDownloadEndsAtOnceAndTheNextDownloadSucceeds) {
    const std::string image = compiledImage();
    // The receiver pauses after the first packet, or freezes once the first packet is under way
    // (its body then waits in the line for a reader).
    for (const bool freeze : {false, true}) {
        test::StbSim sim(freeze ? std::vector<std::string>{}
                                : std::vector<std::string>{"--pause-download-after", "0:30"});
        useDevice(sim);
        test::RecordingUi u;
        bool frozen = false;
        QuietCancel user(u, [&] {
            if (freeze && !frozen && !u.progressReports.empty()) {
                sim.stop();
                frozen = true;
            }
        });
        ListFile db(settings, u, listPath);
        EXPECT_EQ(db.downloadFile(image), 0);
        ASSERT_TRUE(user.pressedAt) << freeze;
        EXPECT_LT(user.afterPress(), 1s);
        EXPECT_TRUE(u.messages.empty()) << u.messages.front();
        EXPECT_EQ(u.windowTexts.back(), kCancelled);

        sim.resume();
        test::RecordingUi next;
        ListFile again(settings, next, listPath);
        EXPECT_EQ(again.downloadFile(image), 1) << freeze;
        EXPECT_EQ(next.messages, std::vector<std::string>{kSuccess});
    }
}

TEST_F(TransferEndToEndTest, ADumpEndingAtAShortPromptLoadsWhole) {
    // Without its end line the dump ends after the silence limit; the prompt comes after an empty
    // line or straight after the last row.
    for (const bool afterRow : {false, true}) {
        SCOPED_TRACE(afterRow);
        std::vector<std::string> options{"--dump", listPath, "--end-at-prompt", "--prompt", ">"};
        if (afterRow) options.emplace_back("--prompt-after-row");
        test::StbSim sim(options);
        useDevice(sim);
        test::RecordingUi u;
        ListFile db(settings, u);
        ASSERT_EQ(db.uploadChannelList(privateUploadPath()), 1);
        EXPECT_EQ(u.messages, std::vector<std::string>{"Uploading SUCESS"});
        EXPECT_EQ(load(settings, privateUploadPath()), load(settings, listPath));
    }
}

TEST_F(TransferEndToEndTest, TheLargestListComesBackWhole) {
    const std::string program = std::string(SKYLISTER_BINARY_DIR) + "/tools/skylister-listgen";
    ASSERT_EQ(::access(program.c_str(), X_OK), 0)
        << program << " is missing: build skylister-listgen";
    const std::string largest = dir.file("largest.txt");
    ASSERT_EQ(std::system((program + " " + largest + " >/dev/null").c_str()), 0);
    // Faster than the line's speed, which would take six minutes.
    test::StbSim sim({"--dump", largest, "--dump-rate", "4000000"});
    useDevice(sim);
    settings.maxSatellite40 = true;
    ListFile db(settings, ui);
    ASSERT_EQ(db.uploadChannelList(privateUploadPath()), 1);
    std::string problem;
    EXPECT_EQ(load(settings, uploadFilePath(problem).value()), load(settings, largest));
}

TEST_F(TransferEndToEndTest, ASilentReceiverFailsWithinItsBound) {
    const std::string image = compiledImage();
    test::StbSim sim({"--silent"});
    useDevice(sim);
    const auto start = std::chrono::steady_clock::now();
    ListFile db(settings, ui, listPath);
    EXPECT_EQ(db.downloadFile(image), 0);
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Connetion fail with STB.\n"});
    // Two connect reads of 5.1 s each.
    EXPECT_GE(seconds, 10.0);
    EXPECT_LT(seconds, 20.0);

    test::RecordingUi u;
    ListFile uploader(settings, u);
    EXPECT_EQ(uploader.uploadChannelList(privateUploadPath()), 0);
    EXPECT_EQ(u.messages, std::vector<std::string>{
                              "CHECK if Receiver's Power is turned ON\r\nAnd TRY AGIAN!!!"});
}

TEST_F(TransferEndToEndTest, AMissingDeviceIsRefused) {
    const std::string image = compiledImage();
    settings.portDevices[0] = dir.file("no-such-device");
    ListFile db(settings, ui, listPath);
    EXPECT_EQ(db.downloadFile(image), 0);
    EXPECT_EQ(db.uploadChannelList(privateUploadPath()), 0);
    // Each box says what to do on the lines after its first.
    ASSERT_EQ(ui.messages.size(), 2u);
    for (const std::string& box : ui.messages) {
        EXPECT_EQ(box.substr(0, box.find('\n')), "Serial Port Open FAILED!!!");
    }
}

}  // namespace
}  // namespace sky
