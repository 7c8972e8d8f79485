// skylister-cli history over the copies download and upload keep, as a user runs it.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/CliRunner.h"
#include "support/StbSim.h"
#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

using test::CliRun;

class HistoryCliTest : public ::testing::Test {
protected:
    CliRun cli(const std::string& arguments) {
        return test::runCli(
            arguments, dir.path().string(),
            "XDG_RUNTIME_DIR=" + runtime.path().string() + " XDG_STATE_HOME=" + state);
    }

    test::TempDir dir;
    test::TempDir runtime;
    std::string state = runtime.file("state");
};

TEST_F(HistoryCliTest, TransfersAreKeptListedShownAndRestored) {
    const std::string list = dir.file("list.txt");
    fs::copy_file(test::exampleFile("channels.txt"), list);
    ASSERT_EQ(cli("compile " + list + " --mode normal").status, 0);
    test::StbSim sim({"--dump", list});
    ASSERT_EQ(cli("download " + dir.file("list.bin") + " --device " + sim.device()).status, 0);
    ASSERT_EQ(cli("upload " + dir.file("out.txt") + " --device " + sim.device()).status, 0);

    const CliRun listed = cli("history");
    EXPECT_EQ(listed.status, 0);
    // Newest first: the upload, then the download with the list it came from.
    const size_t fetched = listed.out.find("fetched");
    const size_t sent = listed.out.find("sent");
    ASSERT_NE(fetched, std::string::npos);
    ASSERT_NE(sent, std::string::npos);
    EXPECT_LT(fetched, sent);
    EXPECT_NE(listed.out.find("5 sat    8 tp    22 ch  " + list), std::string::npos);
    EXPECT_EQ(cli("history list").out, listed.out);

    const CliRun shown = cli("history show 2");
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, test::readFile(list));
    EXPECT_EQ(cli("history restore 1 " + dir.file("restored.txt")).status, 0);
    EXPECT_EQ(test::readFile(dir.file("restored.txt")), test::readFile(dir.file("out.txt")));

    EXPECT_EQ(cli("history show 3").status, 1);
    EXPECT_EQ(cli("history show x").status, 1);
    EXPECT_EQ(cli("history restore 1 " + dir.file("no/such/folder.txt")).status, 1);
    EXPECT_EQ(cli("history forget 1").status, 2);
}

TEST_F(HistoryCliTest, AHistoryThatCannotBeWrittenIsSaidOnceAndTheUploadStillSucceeds) {
    test::writeFile(state, "a file where the folder would be");
    test::StbSim sim({"--dump", test::exampleFile("channels.txt")});
    const CliRun up = cli("upload " + dir.file("out.txt") + " --device " + sim.device());
    EXPECT_EQ(up.status, 0);
    EXPECT_EQ(up.err.rfind("Uploading SUCESS\nThe list was fetched, but no copy of it could be "
                           "kept in the history: ",
                           0),
              0u);
    EXPECT_EQ(up.err.find('\n', up.err.find("history: ")), up.err.size() - 1);
    EXPECT_TRUE(fs::exists(dir.file("out.txt")));
}

}  // namespace
}  // namespace sky
