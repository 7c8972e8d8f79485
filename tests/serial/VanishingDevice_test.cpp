// A device that goes away in the middle of a transfer (a USB adapter pulled out), played by
// stb-sim: the transfer ends at once saying so, and the next one works once the device is back.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "ImageBuilder.h"
#include "serial/ChannelUpload.h"
#include "serial/FlashDownload.h"
#include "serial/PortSelection.h"
#include "serial/TermiosPort.h"
#include "support/RecordingUi.h"
#include "support/StbSim.h"
#include "support/TempDir.h"

namespace sky {
namespace {

using Clock = std::chrono::steady_clock;

class VanishingDeviceTest : public ::testing::Test {
protected:
    VanishingDeviceTest() { settings.portDevices[0] = link; }

    // Waits for the device to come back under its link.
    bool deviceBack() const {
        for (int i = 0; i < 100; ++i) {
            if (::access(link.c_str(), R_OK | W_OK) == 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    static int64_t secondsSince(Clock::time_point start) {
        return std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start).count();
    }

    test::TempDir dir;
    const std::string link = dir.file("stb");
    RuntimeSettings settings;
    TermiosPort port;
};

TEST_F(VanishingDeviceTest, ADownloadEndsSayingTheDeviceWentAway) {
    const std::vector<uint8_t> image =
        test::downloadImage({test::packetData(300), test::packetData(300), test::packetData(30)});
    const std::string imagePath = dir.file("image.bin");
    test::writeFile(imagePath, std::string(image.begin(), image.end()));
    test::StbSim sim({"--link", link, "--vanish-after-packet", "1"});

    test::RecordingUi ui;
    const auto start = Clock::now();
    EXPECT_FALSE(flashDownload(port, settings, ui, imagePath));
    EXPECT_EQ(ui.messages, std::vector<std::string>{kDeviceGoneMessage});
    EXPECT_LT(secondsSince(start), 5);

    ASSERT_TRUE(deviceBack());
    test::RecordingUi again;
    EXPECT_TRUE(flashDownload(port, settings, again, imagePath));
    EXPECT_EQ(again.messages,
              std::vector<std::string>{"Flash download is terminated successfully.\n"});
}

TEST_F(VanishingDeviceTest, AnUploadKeepsWhatCameAndSaysTheDeviceWentAway) {
    test::StbSim sim({"--link", link, "--dump", test::exampleFile("channels.txt"), "--dump-rate",
                      "1000000", "--vanish-after-lines", "5"});
    const std::string uploadPath = dir.file("SATupload.txt");
    test::RecordingUi ui;
    const auto start = Clock::now();
    EXPECT_FALSE(uploadChannelList(port, settings, ui, uploadPath));
    // Named by the list kept under its own name.
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].rfind(std::string(kDeviceGoneMessage) +
                                       "\nWhat was received is kept in " + dir.file("SATupload-"),
                                   0),
              0u);
    EXPECT_EQ(test::readFile(uploadPath).rfind("[SATELLITE_NAME_LIST]\r\n", 0), 0u);
    EXPECT_LT(secondsSince(start), 5);

    ASSERT_TRUE(deviceBack());
    test::RecordingUi again;
    EXPECT_TRUE(uploadChannelList(port, settings, again, uploadPath));
    EXPECT_EQ(again.messages, std::vector<std::string>{"Uploading SUCESS"});
}

}  // namespace
}  // namespace sky
