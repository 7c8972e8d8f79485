// The document's compile, download and upload commands over a real list document and database, the
// window and the user interface as doubles, the transfers against stb-sim.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "DocFixture.h"
#include "support/StbSim.h"

namespace sky::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const char* const kQuestion =
    "Really You Want to download?\r\nAfter choose YES,you must Satellite Receiver's Power "
    "Off,and ON for downloading";
const char* const kSuccess = "Flash download is terminated successfully.\n";
const char* const kConverted = "Conversion is terminated successfully.\n";

// The transfers put the upload file into $XDG_RUNTIME_DIR/skylister: each test has its own.
class RuntimeDir {
public:
    RuntimeDir() {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) saved_ = old;
        ::setenv("XDG_RUNTIME_DIR", runtimeFolder.path().c_str(), 1);
    }
    ~RuntimeDir() {
        if (saved_) {
            ::setenv("XDG_RUNTIME_DIR", saved_->c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
    }
    std::string temporaryDirectory() const { return DocumentCommands::privateTemporaryDirectory(); }

    TempDir runtimeFolder;

private:
    std::optional<std::string> saved_;
};

// The runtime directory is set before the document takes its temporary directory from it.
class DocCommandsTest : public RuntimeDir, public DocFixture {
protected:
    DocCommandsTest() : DocFixture(temporaryDirectory()) {}

    void openAndDeleteFirstRow() {
        ASSERT_TRUE(doc.openFile(path));
        deleteFirstRow();
        ASSERT_TRUE(unsaved());
    }
    void useDevice(const StbSim& sim) { runtime.portDevices[0] = sim.device(); }
    bool enabled(Command command) const { return router.state(command).enabled; }
};

TEST_F(DocCommandsTest, CommandsAreEnabledAsThePartSaysAndNoneWhileATransferRuns) {
    for (const Command c : {Command::Open, Command::DownloadOthers, Command::UploadStart,
                            Command::DownloadBinaryFile}) {
        EXPECT_TRUE(enabled(c));
    }
    for (const Command c :
         {Command::Save, Command::SaveAs, Command::BasicCompile, Command::CompileNormal,
          Command::PreInstalled1List, Command::PreInstalledSplit, Command::DownloadCurrent,
          Command::CompileDownload, Command::SplitListToggle}) {
        EXPECT_FALSE(enabled(c));
        EXPECT_FALSE(router.run(c));
    }
    ASSERT_TRUE(doc.openFile(path));
    EXPECT_TRUE(enabled(Command::CompileDownload));
    EXPECT_TRUE(enabled(Command::SplitListToggle));
    EXPECT_FALSE(router.state(Command::SplitListToggle).checked);
    EXPECT_TRUE(router.run(Command::SplitListToggle));
    EXPECT_TRUE(router.state(Command::SplitListToggle).checked);
    EXPECT_TRUE(doc.database()->splitList);
    doc.onSplitListToggle();
    EXPECT_FALSE(doc.database()->splitList);

    // During a transfer nothing is enabled, Open neither.
    std::vector<bool> during;
    window.duringTransfer = [&] {
        for (const Command c : {Command::Open, Command::Save, Command::UploadStart,
                                Command::DownloadOthers, Command::BasicCompile}) {
            during.push_back(enabled(c));
        }
        during.push_back(doc.transferRunning());
    };
    const std::string bin = dir.file("some.bin");
    writeFile(bin, "not an image");
    runtime.portDevices[0] = dir.file("no-such-device");
    window.answers = {bin};
    EXPECT_FALSE(doc.onDownloadBinaryFile());
    EXPECT_EQ(during, (std::vector<bool>{false, false, false, false, false, true}));
    EXPECT_FALSE(doc.transferRunning());
    EXPECT_TRUE(enabled(Command::Open));
}

TEST_F(DocCommandsTest, AnExceptionInATransferEndsItAsAFailure) {
    EXPECT_FALSE(doc.transfer([]() -> bool { throw std::runtime_error("no memory left"); }));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"ERROR: The transfer stopped: no memory left"});
    EXPECT_FALSE(doc.transferRunning());
}

TEST_F(DocCommandsTest, BasicCompileOfAnEditedListLeavesTheTextFileAsItWas) {
    openAndDeleteFirstRow();
    const std::string before = readFile(path);
    EXPECT_TRUE(doc.onCompile(CompileMode::Basic));
    EXPECT_EQ(readFile(path), before);
    EXPECT_FALSE(fs::exists(dir.file("channels.cplsrc")));
    EXPECT_TRUE(fs::exists(dir.file("channels.hex")));
    EXPECT_TRUE(fs::exists(dir.file("channels.bin")));
    EXPECT_EQ(ui.messages, std::vector<std::string>{kConverted});
    EXPECT_EQ(window.waits, 0);
    EXPECT_EQ(doc.database()->path, path);
    // The edit is still unsaved: closing offers it.
    EXPECT_TRUE(unsaved());
    ui.answer({Answer::No});
    doc.onClose();
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Saveing  Modified Data!!!");

    // The image holds the edited list: the same list saved and compiled gives the same .hex.
    const std::string editedHex = readFile(dir.file("channels.hex"));
    const std::string copy = dir.file("copy.txt");
    window.answers = {copy};
    ASSERT_TRUE(doc.onFileSaveAs());
    ASSERT_TRUE(doc.onCompile(CompileMode::Basic));
    EXPECT_EQ(readFile(dir.file("copy.hex")), editedHex);
    doc.openFile(path, false);
    ASSERT_TRUE(doc.onCompile(CompileMode::Basic));
    EXPECT_NE(readFile(dir.file("channels.hex")), editedHex);
}

// Files written while it lives may be at most `bytes` long: a write beyond fails (also for root,
// which a read-only folder would not stop).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(DocCommandsTest, CompileAndDownloadStopsAtAFailedSave) {
    // The file as saved, then a longer list: it cannot be saved.
    ASSERT_TRUE(doc.openFile(path));
    ASSERT_TRUE(doc.onFileSave());
    const auto savedSize = static_cast<rlim_t>(fs::file_size(path));
    insertNullAtFirstRow();
    const std::string before = readFile(path);
    {
        const FileSizeLimit limit(savedSize + 1);
        // Neither a compile nor the offer to send an image of the file as it was.
        EXPECT_FALSE(doc.onCompileDownload());
    }
    EXPECT_EQ(ui.messages.back(), "ERROR!!! Saving not Complete");
    EXPECT_EQ(std::count(ui.messages.begin(), ui.messages.end(), kConverted), 0);
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(window.transfers, 0);
    EXPECT_FALSE(fs::exists(dir.file("channels.hex")));
    EXPECT_TRUE(unsaved());
    EXPECT_EQ(readFile(path), before);
}

TEST_F(DocCommandsTest, PreInstalledImageIsTheNormalImageFollowedByTheBasicImage) {
    ASSERT_TRUE(doc.openFile(path));
    ASSERT_TRUE(doc.onCompile(CompileMode::Normal));
    const std::string normal = readFile(dir.file("channels.hex"));
    ASSERT_TRUE(doc.onCompile(CompileMode::Basic));
    const std::string basic = readFile(dir.file("channels.hex"));
    EXPECT_NE(normal, basic);
    EXPECT_FALSE(doc.imageReady());
    ASSERT_TRUE(doc.onPreInstalledCompile(false));
    EXPECT_TRUE(doc.imageReady());
    EXPECT_EQ(readFile(dir.file("channels.hex")), normal + basic);
    EXPECT_FALSE(fs::exists(dir.file("channels.mrg")));
    EXPECT_FALSE(fs::exists(dir.file("channels.cplsrc")));
    EXPECT_EQ(readFile(path), readFile(exampleFile("channels.txt")));

    // Split List numbers the analog channels on their own, and clears its flag again.
    ASSERT_TRUE(doc.onPreInstalledCompile(true));
    EXPECT_FALSE(doc.database()->splitList);
    EXPECT_TRUE(fs::exists(dir.file("channels.bin")));
}

TEST_F(DocCommandsTest, DownloadCurrentAnsweredNoSendsNothing) {
    ASSERT_TRUE(doc.openFile(path));
    ui.answer({Answer::No});
    EXPECT_FALSE(doc.onDownloadCurrent());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, kQuestion);
    EXPECT_EQ(ui.questions[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.questions[0].icon, Icon::Question);
    EXPECT_EQ(window.transfers, 0);
    EXPECT_TRUE(ui.windowTexts.empty());
}

TEST_F(DocCommandsTest, CompileAndDownloadSavesCompilesAndSendsTheImage) {
    openAndDeleteFirstRow();
    const std::string stored = dir.file("stored.bin");
    StbSim sim({"--save-image", stored});
    useDevice(sim);
    ui.answer({Answer::Yes});
    EXPECT_TRUE(doc.onCompileDownload());
    // Saved: the text file holds the list as shown.
    EXPECT_FALSE(unsaved());
    EXPECT_EQ(readFile(path).find("Das Erste"), std::string::npos);
    EXPECT_TRUE(doc.imageReady());
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(window.transfers, 1);
    EXPECT_EQ(window.waitsDuringTransfer, std::vector<int>{1});
    EXPECT_EQ(window.waits, 0);
    EXPECT_EQ(readFile(stored), readFile(dir.file("channels.bin")));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{kConverted, kSuccess}));
    EXPECT_EQ(ui.windowTexts.back(), RecordingUi::kHidden);
    EXPECT_EQ(ui.progressReports.back(), RecordingUi::kProgressEnded);
}

TEST_F(DocCommandsTest, DownloadOthersConvertsAHexFileFirstAlsoWithAListOpen) {
    ASSERT_TRUE(doc.openFile(path));
    ASSERT_TRUE(doc.onPreInstalledCompile(false));
    // The extension's case does not matter: X.HEX gives X.bin.
    const std::string hex = dir.file("image.HEX");
    fs::copy_file(dir.file("channels.hex"), hex);
    const std::string stored = dir.file("stored.bin");
    StbSim sim({"--save-image", stored});
    useDevice(sim);
    ui.messages.clear();
    window.answers = {hex};
    EXPECT_TRUE(doc.onDownloadOthers());
    EXPECT_EQ(window.dialogs.back(), "open Skylister - Download Programm File Open");
    EXPECT_EQ(window.folders.back(), dir.path().string());
    ASSERT_EQ(window.lastFilters.size(), 2u);
    EXPECT_EQ(window.lastFilters[1].description, "Hex file(*.HEX)");
    EXPECT_EQ(ui.messages, (std::vector<std::string>{kConverted, kSuccess}));
    EXPECT_EQ(readFile(stored), readFile(dir.file("image.bin")));
    EXPECT_EQ(readFile(dir.file("image.bin")), readFile(dir.file("channels.bin")));
    EXPECT_EQ(doc.database()->path, path);
    EXPECT_EQ(ui.windowTexts.back(), RecordingUi::kHidden);

    // A .hex that cannot be converted is not sent: here its .bin cannot be written.
    const std::string broken = dir.file("broken.hex");
    fs::copy_file(hex, broken);
    fs::create_directory(dir.file("broken.bin"));
    ui.messages.clear();
    window.answers = {broken};
    EXPECT_FALSE(doc.onDownloadOthers());
    EXPECT_EQ(ui.messages.back(), "Making a BIN file is failed!");
    EXPECT_EQ(window.transfers, 1);
}

TEST_F(DocCommandsTest, UploadShowsTheReceivedListUntitledAndOffersSaveAs) {
    StbSim sim({"--dump", path});
    useDevice(sim);
    const std::string named = dir.file("received.txt");
    window.answers = {named};
    EXPECT_TRUE(doc.onUploadStart());
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Uploading SUCESS"});
    EXPECT_TRUE(doc.isLoaded());
    EXPECT_EQ(window.dialogs, std::vector<std::string>{"save Skylister - Save as"});
    EXPECT_EQ(doc.currentPath(), named);
    EXPECT_EQ(digitalRows(), 16u);
    EXPECT_TRUE(fs::exists(named));
    EXPECT_EQ(window.waits, 0);

    // Save As cancelled: the list stays under the upload file, titled Untitled.
    window.answers = {std::nullopt};
    sim.powerCycle();
    EXPECT_TRUE(doc.onUploadStart());
    EXPECT_EQ(doc.currentPath(), doc.uploadFilePath());
    EXPECT_EQ(doc.database()->path, doc.uploadFilePath());
    EXPECT_EQ(window.title, "Skylister : Untitled");
    EXPECT_EQ(doc.uploadFilePath(), runtimeFolder.file("skylister/SATupload.txt"));

    // Never saved, the received list is unsaved work: closing, Open and a new Upload ask as for
    // an edit. Cancel keeps it; Yes saves it under a name of the user's.
    for (const auto& command : std::vector<std::function<bool()>>{
             [&] { return doc.onClose(); }, [&] { return doc.openFile(path); },
             [&] { return doc.onUploadStart(); }}) {
        ui.questions.clear();
        ui.answer({Answer::Cancel});
        EXPECT_FALSE(command());
        ASSERT_EQ(ui.questions.size(), 1u);
        EXPECT_EQ(ui.questions[0].text, "Saveing  Modified Data!!!");
        EXPECT_EQ(doc.currentPath(), doc.uploadFilePath());
    }
    const std::string saved = dir.file("saved.txt");
    window.answers = {saved};
    ui.answer({Answer::Yes});
    EXPECT_TRUE(doc.onClose());
    EXPECT_EQ(doc.currentPath(), saved);
    EXPECT_TRUE(fs::exists(saved));
    ui.questions.clear();
    EXPECT_TRUE(doc.onClose());
    EXPECT_TRUE(ui.questions.empty());
}

TEST_F(DocCommandsTest, CompareWithReceiverEndsWithTheComparisonAlone) {
    ASSERT_TRUE(doc.openFile(path));
    StbSim sim({"--dump", path});
    useDevice(sim);
    EXPECT_TRUE(doc.onCompareWithReceiver());
    // No "Uploading SUCESS" box before the comparison; the message window has the result.
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(window.comparisons.size(), 1u);
    EXPECT_EQ(ui.windowTexts.front(), RecordingUi::kCleared);
    EXPECT_NE(std::find(ui.windowTexts.begin(), ui.windowTexts.end(), "Uploading SUCESS\r\n"),
              ui.windowTexts.end());
}

TEST_F(DocCommandsTest, ACancelledOrIncompleteUploadLeavesTheOpenListAsItWas) {
    ASSERT_TRUE(doc.openFile(path));
    deleteFirstRow();
    // The dump stops after 20 lines; the user cancels a second into the upload.
    StbSim sim({"--dump", path, "--stop-dump-after", "20"});
    useDevice(sim);
    ui.answer({Answer::No});
    const auto start = std::chrono::steady_clock::now();
    ui.cancelWhen = [start] { return std::chrono::steady_clock::now() - start > 1s; };
    EXPECT_FALSE(doc.onUploadStart());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3s);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ui.statusTexts, std::vector<std::string>{"Transfer cancelled by the user."});
    EXPECT_EQ(doc.currentPath(), path);
    EXPECT_EQ(digitalName(0), "BR Sued");
    EXPECT_TRUE(window.dialogs.empty());

    // Not cancelled, the dump that ends early is not taken for the receiver's list either.
    ui.cancelWhen = nullptr;
    sim.powerCycle();
    EXPECT_FALSE(doc.onUploadStart());
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().rfind("ERROR: Uploading is not complete. try again", 0), 0u);
    EXPECT_EQ(doc.currentPath(), path);
    EXPECT_EQ(digitalName(0), "BR Sued");
}

TEST_F(DocCommandsTest, AReceivedListTheSatelliteNumberRefusesIsKeptAndSaidWhere) {
    // A list of 32 satellite names, with the Option set to 40.
    runtime.maxSatellite40 = true;
    StbSim sim({"--dump", path});
    useDevice(sim);
    EXPECT_FALSE(doc.onUploadStart());
    ASSERT_FALSE(ui.messages.empty());
    // Named by the list kept under its own name, which the next upload leaves alone.
    const std::string& said = ui.messages.back();
    const std::string lead = "The received list is kept in ";
    EXPECT_EQ(said.rfind(lead + runtimeFolder.file("skylister/SATupload-"), 0), 0u) << said;
    const std::string kept = said.substr(lead.size(), said.find('\n') - lead.size());
    EXPECT_EQ(readFile(kept), readFile(doc.uploadFilePath()));
    EXPECT_FALSE(doc.isLoaded());
}

TEST_F(DocCommandsTest, AFailedUploadWithoutAListLeavesNoDatabase) {
    runtime.portDevices[0] = dir.file("no-such-device");
    EXPECT_FALSE(doc.onUploadStart());
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].substr(0, ui.messages[0].find('\n')), "Serial Port Open FAILED!!!");
    EXPECT_EQ(doc.database(), nullptr);
    EXPECT_FALSE(doc.isLoaded());
    EXPECT_FALSE(enabled(Command::Save));
    EXPECT_TRUE(window.dialogs.empty());

    // With a list open, it is kept as it was.
    ASSERT_TRUE(doc.openFile(path));
    EXPECT_FALSE(doc.onUploadStart());
    EXPECT_EQ(doc.database()->path, path);
    EXPECT_EQ(doc.currentPath(), path);
}

TEST_F(DocCommandsTest, DownloadBinaryFileSendsTheChosenFileAndStopsWhenCancelled) {
    ASSERT_TRUE(doc.openFile(path));
    ASSERT_TRUE(doc.onPreInstalledCompile(false));
    doc.openFile(path, false);
    const std::string bin = dir.file("channels.bin");
    const std::string stored = dir.file("stored.bin");
    StbSim sim({"--save-image", stored});
    useDevice(sim);

    // Cancelled at the first check: the port is closed, no box.
    ui.messages.clear();
    ui.cancelWhen = [] { return true; };
    window.answers = {bin};
    EXPECT_FALSE(doc.onDownloadBinaryFile());
    EXPECT_EQ(window.dialogs.back(), "open Skylister - Format File Open");
    EXPECT_EQ(window.folders.back(), "<none>");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_NE(std::find(ui.windowTexts.begin(), ui.windowTexts.end(),
                        "Transfer cancelled by the user.\r\n"),
              ui.windowTexts.end());
    // Said where the user looks: the message window stays shown, and the status bar.
    EXPECT_EQ(ui.windowTexts.back(), RecordingUi::kShown);
    EXPECT_EQ(ui.statusTexts, std::vector<std::string>{"Transfer cancelled by the user."});
    EXPECT_FALSE(fs::exists(stored));

    // The next one goes through.
    ui.cancelWhen = nullptr;
    window.answers = {bin};
    EXPECT_TRUE(doc.onDownloadBinaryFile());
    EXPECT_EQ(ui.messages, std::vector<std::string>{kSuccess});
    EXPECT_EQ(readFile(stored), readFile(bin));
    EXPECT_EQ(ui.progressReports.back(), RecordingUi::kProgressEnded);
    EXPECT_EQ(ui.windowTexts.back(), RecordingUi::kHidden);
}

}  // namespace
}  // namespace sky::test
