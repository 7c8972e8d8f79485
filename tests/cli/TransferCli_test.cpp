// skylister-cli download and upload against stb-sim, as a user runs them.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/CliRunner.h"
#include "support/StbSim.h"
#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

using test::CliRun;

class TransferCliTest : public ::testing::Test {
protected:
    CliRun cli(const std::string& arguments) {
        return test::runCli(arguments, dir.path().string(),
                            "XDG_RUNTIME_DIR=" + runtime.path().string() +
                                " XDG_STATE_HOME=" + runtime.file("state"));
    }

    test::TempDir dir;
    test::TempDir runtime;
};

TEST_F(TransferCliTest, DownloadsAndUploadsAgainstTheSimulatedReceiver) {
    const std::string list = dir.file("list.txt");
    fs::copy_file(test::exampleFile("channels.txt"), list);
    ASSERT_EQ(cli("compile " + list + " --mode normal").status, 0);
    test::StbSim sim({"--dump", list});

    const CliRun down = cli("download " + dir.file("list.bin") + " --device " + sim.device());
    EXPECT_EQ(down.status, 0);
    EXPECT_EQ(down.err, "Flash download is terminated successfully.\n");
    EXPECT_EQ(down.out.rfind("serial initialize\r\n", 0), 0u);
    EXPECT_NE(down.out.find("\r\nDisconnecting serial port\r\n"), std::string::npos);

    const CliRun up = cli("upload " + dir.file("out.txt") + " --device " + sim.device());
    EXPECT_EQ(up.status, 0);
    EXPECT_EQ(up.err, "Uploading SUCESS\n");
    EXPECT_EQ(test::readFile(dir.file("out.txt")).rfind("[SATELLITE_NAME_LIST]\r\n", 0), 0u);
    EXPECT_EQ(cli("check " + dir.file("out.txt")).status, 0);
}

TEST_F(TransferCliTest, FailuresExitNonZeroAndLeaveTheOutputAlone) {
    test::writeFile(dir.file("out.txt"), "mine");
    // The list of an earlier upload is still in the upload file: it must not be taken for this
    // upload's.
    fs::create_directory(runtime.file("skylister"));
    fs::permissions(runtime.file("skylister"), fs::perms::owner_all);
    test::writeFile(runtime.file("skylister/SATupload.txt"), "[SATELLITE_NAME_LIST]\r\n[END]  ");
    test::StbSim sim({"--silent"});
    const CliRun up = cli("upload " + dir.file("out.txt") + " --device " + sim.device());
    EXPECT_EQ(up.status, 1);
    EXPECT_EQ(up.err, "CHECK if Receiver's Power is turned ON\r\nAnd TRY AGIAN!!!\n");
    EXPECT_EQ(test::readFile(dir.file("out.txt")), "mine");

    // A list that does not start right is kept where the upload put it, not copied.
    test::writeFile(dir.file("odd.txt"), "[SATELLITE]\r\n[END]\r\n");
    test::StbSim odd({"--dump", dir.file("odd.txt")});
    const CliRun wrong = cli("upload " + dir.file("out.txt") + " --device " + odd.device());
    EXPECT_EQ(wrong.status, 1);
    EXPECT_NE(wrong.err.find("ERROR: Uploading is not complete. try again\n"), std::string::npos);
    EXPECT_NE(wrong.err.find("/SATupload-"), std::string::npos);
    EXPECT_EQ(test::readFile(dir.file("out.txt")), "mine");

    const CliRun illegal = cli("download " + dir.file("none.bin") + " --port 5");
    EXPECT_EQ(illegal.status, 1);
    EXPECT_NE(illegal.err.find("Fail to open input file"), std::string::npos);
    test::writeFile(dir.file("x.bin"), "x");
    EXPECT_EQ(cli("download " + dir.file("x.bin") + " --port 5").err,
              "Selected Com Port is illegal!!!, Select again at Option Menu\n");
    // The box's advice is printed with it.
    EXPECT_EQ(cli("download " + dir.file("x.bin") + " --device /dev/null").err,
              "Serial Port Open FAILED!!!\n/dev/null is not a serial port: choose the adapter's "
              "device at Option Menu.\n");
}

TEST_F(TransferCliTest, WrongUsage) {
    for (const char* args : {"download", "download a.bin", "download a.bin --port 1 --device /x",
                             "download a.bin --port one", "upload --device /x",
                             "upload a.txt b.txt --port 1", "upload a.txt --speed 9"}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("Usage: skylister-cli"), std::string::npos) << args;
    }
}

}  // namespace
}  // namespace sky
