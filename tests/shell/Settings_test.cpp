// The typed settings over their store, and the option dialog's data and rules.

#include "shell/Settings.h"

#include <gtest/gtest.h>

#include <utility>

#include "shell/OptionDialogData.h"
#include "support/TempDir.h"

namespace sky::test {
namespace {

class SettingsTest : public ::testing::Test {
protected:
    MemorySettingsStore store;
    Settings settings{store};
    RuntimeSettings runtime;
};

TEST_F(SettingsTest, FirstStartHasTheDefaults) {
    EXPECT_EQ(settings.comPort(), 1);
    EXPECT_FALSE(settings.recentFolder());
    EXPECT_FALSE(settings.listColours().saved);
    EXPECT_EQ(settings.savedTextColour(), (Rgb{0, 0, 255}));
    EXPECT_EQ(settings.savedBackgroundColour(), (Rgb{192, 192, 192}));
    EXPECT_EQ(settings.portDevice(3), "/dev/ttyS2");
    EXPECT_TRUE(settings.recentFiles().empty());

    const OptionDialogData data(settings, runtime, "/tmp/");
    EXPECT_EQ(data.portIndex, 0);
    EXPECT_FALSE(data.max40);
    EXPECT_EQ(data.textColour(), (Rgb{0, 0, 255}));
    EXPECT_EQ(data.backgroundColour(), (Rgb{192, 192, 192}));
    EXPECT_EQ(data.temporaryDirectory, "/tmp/");
}

TEST_F(SettingsTest, RecentFolderErrorMeansNone) {
    settings.setRecentFolder("ERROR");
    EXPECT_FALSE(settings.recentFolder());
    settings.setRecentFolder("/home/user/lists");
    EXPECT_EQ(settings.recentFolder(), "/home/user/lists");
    EXPECT_EQ(store.strings.at({"Skylister", "RecentFolderPath"}), "/home/user/lists");
}

TEST_F(SettingsTest, CancelledPickerStillSavesTheWorkingColoursOnOk) {
    OptionDialogData data(settings, runtime, "/tmp/");
    data.textColourPicked(std::nullopt);
    bool max40 = true;
    EXPECT_TRUE(data.accept(settings, runtime, max40));
    EXPECT_EQ(store.ints.at({"Skylister", "Font Size"}), 10);
    EXPECT_EQ(store.strings.at({"Skylister", "Font Name"}), "system");
    EXPECT_EQ(store.ints.at({"Skylister", "Text Color.B"}), 255);
    EXPECT_EQ(store.ints.at({"Skylister", "Background Color.G"}), 192);
    EXPECT_EQ(settings.listColours(), (ListColours{{0, 0, 255}, {192, 192, 192}, true}));
    EXPECT_FALSE(max40);
}

TEST_F(SettingsTest, PickedColoursAndPortAreStoredOnOk) {
    OptionDialogData data(settings, runtime, "/tmp/");
    data.textColourPicked(Rgb{1, 2, 3});
    data.backgroundColourPicked(Rgb{250, 240, 230});
    data.portIndex = 2;
    data.max40 = true;
    data.portDevices[2] = "/dev/ttyUSB0";
    bool max40 = false;
    data.accept(settings, runtime, max40);
    EXPECT_TRUE(max40);
    EXPECT_TRUE(runtime.maxSatellite40);
    EXPECT_EQ(runtime.comPort, 3);
    EXPECT_EQ(runtime.portDevices[2], "/dev/ttyUSB0");
    EXPECT_EQ(store.ints.at({"CommPort Num", "Number"}), 3);
    EXPECT_EQ(settings.listColours(), (ListColours{{1, 2, 3}, {250, 240, 230}, true}));
    EXPECT_EQ((Rgb{1, 2, 3}.value()), 1u + 2u * 256u + 3u * 65536u);

    // The next start selects COM3 and that device.
    RuntimeSettings next;
    settings.loadInto(next);
    EXPECT_EQ(next.comPort, 3);
    EXPECT_EQ(next.portDevices[2], "/dev/ttyUSB0");
    EXPECT_EQ(OptionDialogData(settings, next, "").portIndex, 2);
}

TEST_F(SettingsTest, OkWithoutAColourButtonWritesNoColoursAndCancelNothing) {
    OptionDialogData data(settings, runtime, "/tmp/");
    data.loadDefaultColours();  // then Cancel: the data is dropped, nothing written
    EXPECT_TRUE(store.ints.empty());

    OptionDialogData plain(settings, runtime, "/tmp/");
    bool max40 = false;
    EXPECT_FALSE(plain.accept(settings, runtime, max40));
    EXPECT_EQ(store.ints.count({"Skylister", "Font Size"}), 0u);
    EXPECT_EQ(store.ints.at({"CommPort Num", "Number"}), 1);
}

TEST_F(SettingsTest, PortOutsideOneToFourLeavesNoSelectionAndStoresZero) {
    store.writeInt("CommPort Num", "Number", 7);
    settings.loadInto(runtime);
    OptionDialogData data(settings, runtime, "/tmp/");
    EXPECT_FALSE(data.portIndex);
    bool max40 = false;
    data.accept(settings, runtime, max40);
    EXPECT_EQ(settings.comPort(), 0);
    EXPECT_EQ(runtime.comPort, 0);
}

TEST_F(SettingsTest, ListZoomIsKeptWithinItsRangeAndReset) {
    EXPECT_EQ(settings.listZoom(), 0);
    settings.setListZoom(3);
    EXPECT_EQ(Settings(store).listZoom(), 3);
    settings.setListZoom(100);
    EXPECT_EQ(settings.listZoom(), Settings::kMaxZoom);
    store.writeInt("Skylister", "List Zoom", -50);
    EXPECT_EQ(settings.listZoom(), Settings::kMinZoom);
    settings.resetToDefaults();
    EXPECT_EQ(settings.listZoom(), 0);
}

TEST_F(SettingsTest, UndoLevelsAreFiveUntilSetAndStayWithinFiveTo200) {
    settings.loadInto(runtime);
    EXPECT_EQ(runtime.undoLevels, 5);
    for (const auto& [chosen, kept] : {std::pair{40, 40}, std::pair{1000, 200}, std::pair{2, 5}}) {
        OptionDialogData data(settings, runtime, "/tmp/");
        data.undoLevels = chosen;
        bool max40 = false;
        data.accept(settings, runtime, max40);
        EXPECT_EQ(runtime.undoLevels, kept);
        RuntimeSettings next;
        settings.loadInto(next);
        EXPECT_EQ(next.undoLevels, kept);
        EXPECT_EQ(OptionDialogData(settings, next, "").undoLevels, kept);
    }
    // A number written by hand outside the range is brought into it.
    store.writeInt("Skylister", "Undo Levels", -3);
    EXPECT_EQ(settings.undoLevels(), 5);
}

TEST_F(SettingsTest, TheHistorySizeIs200MegabytesUntilSetAndAtLeastOne) {
    EXPECT_EQ(OptionDialogData(settings, runtime, "").historyLimitMb, 200);
    for (const auto& [chosen, kept] : {std::pair{1000, 1000}, std::pair{0, 1}}) {
        OptionDialogData data(settings, runtime, "/tmp/");
        data.historyLimitMb = chosen;
        bool max40 = false;
        data.accept(settings, runtime, max40);
        EXPECT_EQ(settings.historyLimitMb(), kept);
        EXPECT_EQ(OptionDialogData(settings, runtime, "").historyLimitMb, kept);
    }
}

TEST_F(SettingsTest, RecentFilesKeepTheLastFiveNewestFirst) {
    for (int n = 1; n <= 7; ++n) settings.addRecentFile("/lists/" + std::to_string(n) + ".txt");
    settings.addRecentFile("/lists/4.txt");
    EXPECT_EQ(settings.recentFiles(),
              (std::vector<std::string>{"/lists/4.txt", "/lists/7.txt", "/lists/6.txt",
                                        "/lists/5.txt", "/lists/3.txt"}));
}

TEST(SettingsWrite, AStoreThatCannotBeWrittenIsReportedOnce) {
    struct ReadOnlyStore : MemorySettingsStore {
        bool commit() override { return false; }
        std::string location() const override { return "/ro/Skylister.conf"; }
    } store;
    Settings settings{store};
    EXPECT_FALSE(settings.takeWriteProblem());
    settings.addRecentFile("/a.txt");
    settings.setComPort(2);
    EXPECT_EQ(settings.takeWriteProblem(),
              "The settings can't be saved to /ro/Skylister.conf.\nThey are kept until the "
              "program ends.");
    settings.setRecentFolder("/b");
    EXPECT_FALSE(settings.takeWriteProblem());
    // What was set is still there for this run.
    EXPECT_EQ(settings.comPort(), 2);
}

TEST_F(SettingsTest, EachDeviceShowsItsStatusAndItsStableName) {
    TempDir dev;
    writeFile(dev.file("ttyUSB0"), "");
    std::filesystem::create_directories(dev.path() / "serial" / "by-id");
    const std::string stable = dev.file("serial/by-id/usb-FTDI_1234-if00-port0");
    std::filesystem::create_symlink("../../ttyUSB0", stable);
    OptionDialogData data(settings, runtime, "/tmp");
    data.deviceFolder = dev.path().string();

    EXPECT_EQ(OptionDialogData::deviceStatus(""), "");
    EXPECT_EQ(OptionDialogData::deviceStatus(dev.file("ttyUSB1")), "Not present");
    // A regular file is no port, whatever its name.
    EXPECT_EQ(OptionDialogData::deviceStatus(dev.file("ttyUSB0")), "Present, not a serial port");
    EXPECT_EQ(data.stableNameFor(dev.file("ttyUSB0")), stable);
    // A stable name already, or a device no stable name links to, has none to offer.
    EXPECT_EQ(data.stableNameFor(stable), std::nullopt);
    EXPECT_EQ(data.stableNameFor(dev.file("ttyUSB1")), std::nullopt);
}

}  // namespace
}  // namespace sky::test
