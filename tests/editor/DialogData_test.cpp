#include <gtest/gtest.h>

#include "editor/dialogs/DialogRunner.h"
#include "support/RecordingUi.h"
#include "support/ScriptedDialogRunner.h"

namespace sky {
namespace {

using Digital = DigitalChannelDialogData;
using Analog = AnalogChannelDialogData;

// Satellite records as the dialogs receive them: Index, name, blank, LNB_LO high, LNB_LO low,
// position, stored degree.
const std::vector<std::string> kSatelliteRows{
    "0", "ASTRA 2", "N", "10600", "9750", "1", "0282",  //
    "1", "ASTRA",   "N", "10600", "9750", "2", "0192",  //
    "2", "HOTBIRD", "N", "10600", "9750", "3", "0130",  //
    "3", "-----",   "Y", "10600", "9750", "4", "bad",   //
    "4", "-----",   "Y", "10750", "9750", "5", "-0080",
};

Digital digitalDialog(const std::string& satelliteName, const std::string& hint = {}) {
    Digital data;
    data.satelliteRows = kSatelliteRows;
    data.satelliteName = satelliteName;
    data.satelliteIndexHint = hint;
    return data;
}

TEST(ChannelDialogData, PreselectsTheChannelsOwnSatellite) {
    const auto preselected = [](const std::string& name, const std::string& hint = {}) {
        Digital data = digitalDialog(name, hint);
        data.open();
        return data.pickerSelection();
    };
    // An exact name wins over an earlier name that merely begins with it.
    EXPECT_EQ(preselected("ASTRA"), 1);
    // Otherwise the picker's own search: the first name beginning with it, ignoring case.
    EXPECT_EQ(preselected("astra 2"), 0);
    EXPECT_EQ(preselected("HOT"), 2);
    // Slots of the same name are told apart by the satellite's Index.
    EXPECT_EQ(preselected("-----"), 3);
    EXPECT_EQ(preselected("-----", "4"), 4);
    EXPECT_EQ(preselected("NONE"), -1);
    EXPECT_EQ(preselected(""), -1);
    EXPECT_EQ(Digital{}.satelliteNames().size(), 0u);
    EXPECT_EQ(digitalDialog("").satelliteNames()[2], "HOTBIRD");
}

TEST(ChannelDialogData, OkReturnsThePickersSelection) {
    test::RecordingUi ui;
    Digital unmatched = digitalDialog("NONE");
    unmatched.satelliteIndex = 1;
    unmatched.open();
    EXPECT_EQ(unmatched.finish(DialogEnd::Ok, ui), DialogEnd::Ok);
    EXPECT_EQ(unmatched.satelliteIndex, -1);

    // Delete and Insert Null leave the satellite index alone.
    Digital deleted = digitalDialog("HOTBIRD");
    deleted.open();
    EXPECT_EQ(deleted.finish(DialogEnd::Delete, ui), DialogEnd::Delete);
    EXPECT_TRUE(deleted.deleteFlag);
    EXPECT_FALSE(deleted.insertNullFlag);
    EXPECT_EQ(deleted.satelliteIndex, -1);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(ChannelDialogData, PickingASatelliteFillsItsFields) {
    test::RecordingUi ui;
    Digital data = digitalDialog("ASTRA");
    data.open();
    data.name = "typed";
    EXPECT_TRUE(data.pickSatellite(4, ui));
    EXPECT_EQ(data.satelliteName, "-----");
    EXPECT_EQ(data.lnbHigh, "10750");
    EXPECT_EQ(data.lnbLow, "9750");
    EXPECT_EQ(data.position, "5");
    EXPECT_EQ(data.degree, "W008.0");
    EXPECT_EQ(data.satelliteIndex, 4);
    EXPECT_EQ(data.name, "typed");

    // A satellite whose degree cannot be converted: reported, the fields stay, the selection
    // moves.
    EXPECT_FALSE(data.pickSatellite(3, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ERROR in converting degree format!!!",
                                                     "Degree format ERROR!!!"}));
    EXPECT_EQ(data.lnbHigh, "10750");
    EXPECT_EQ(data.degree, "W008.0");
    EXPECT_EQ(data.pickerSelection(), 3);
    EXPECT_EQ(data.finish(DialogEnd::Ok, ui), DialogEnd::Ok);
    EXPECT_EQ(data.satelliteIndex, 3);
}

TEST(ChannelDialogData, KeysStandForButtons) {
    EXPECT_EQ(ChannelDialogData::keyCommand(DialogKey::Insert, false), DialogEnd::InsertNull);
    EXPECT_EQ(ChannelDialogData::keyCommand(DialogKey::Insert, true), DialogEnd::InsertNull);
    EXPECT_EQ(ChannelDialogData::keyCommand(DialogKey::Delete, true), DialogEnd::Delete);
    EXPECT_EQ(ChannelDialogData::keyCommand(DialogKey::Delete, false), std::nullopt);
}

TEST(DigitalChannelDialogData, NewChannelHidesDeleteAndInsertNullButHonoursTheirKeys) {
    test::RecordingUi ui;
    test::ScriptedDialogRunner runner(ui);
    runner.onDigital([](Digital&) {
        return *ChannelDialogData::keyCommand(DialogKey::Insert, /*okHasFocus=*/false);
    });
    Digital data = digitalDialog("ASTRA");
    data.newFlag = true;
    EXPECT_EQ(runner.run(data), DialogEnd::InsertNull);
    EXPECT_TRUE(data.insertNullFlag);
    EXPECT_FALSE(data.deleteFlag);
    ASSERT_EQ(runner.shownDigital.size(), 1u);
    EXPECT_FALSE(runner.shownDigital[0].deleteButtonsShown());
    EXPECT_EQ(runner.shownDigital[0].caption(), "Setting Digital Channel....New");
    EXPECT_EQ(Digital{}.caption(), "Digital Channel Setting...Adjust, New, Delete");
}

TEST(DigitalChannelDialogData, ServiceIdAndPidEditsEnabling) {
    Digital withId;
    withId.serviceId = "1A2B";
    withId.open();
    EXPECT_TRUE(withId.serviceIdEnabled());
    EXPECT_FALSE(withId.pidEditsEnabled());

    Digital pidChannel;
    pidChannel.videoPid = "512";
    pidChannel.open();
    EXPECT_FALSE(pidChannel.serviceIdEnabled());
    // Typing in an adjusted channel touches nothing else.
    pidChannel.serviceIdTyped("7");
    EXPECT_EQ(pidChannel.videoPid, "512");

    Digital fresh;
    fresh.newFlag = true;
    fresh.open();
    EXPECT_TRUE(fresh.serviceIdEnabled());
    fresh.videoPid = "512";
    fresh.audioPid = "650";
    fresh.pcrPid = "8190";
    fresh.serviceIdTyped("3");
    EXPECT_EQ(fresh.serviceId, "3");
    EXPECT_FALSE(fresh.pidEditsEnabled());
    EXPECT_EQ(fresh.videoPid + fresh.audioPid + fresh.pcrPid, "");
    fresh.serviceIdTyped("");
    EXPECT_TRUE(fresh.pidEditsEnabled());
}

TEST(DigitalChannelDialogData, TooLongTextKeepsTheDialogOpen) {
    test::RecordingUi ui;
    test::ScriptedDialogRunner runner(ui);
    runner.onDigital([](Digital& data) {
        data.name = "FOURTEEN CHARS";
        return DialogEnd::Delete;
    });
    runner.onDigital([](Digital& data) {
        EXPECT_EQ(data.tooLongField(), Digital::Field::Name);
        data.name = "THIRTEEN CHAR";
        data.frequency = "123456";
        return DialogEnd::Ok;
    });
    runner.onDigital([](Digital& data) {
        EXPECT_EQ(data.tooLongField(), Digital::Field::Frequency);
        data.frequency = "12345";
        return DialogEnd::Ok;
    });
    Digital data = digitalDialog("HOTBIRD");
    EXPECT_EQ(runner.run(data), DialogEnd::Ok);
    EXPECT_TRUE(runner.finished());
    // The refused Delete left no flag behind to turn the OK into a delete.
    EXPECT_FALSE(data.deleteFlag);
    EXPECT_EQ(data.satelliteIndex, 2);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Please enter no more than 13 characters.",
                                                     "Please enter no more than 5 characters."}));

    Digital cancelled;
    cancelled.bouquet = std::string(30, 'B');
    EXPECT_EQ(cancelled.finish(DialogEnd::Cancel, ui), DialogEnd::Cancel);
    EXPECT_EQ(Digital::editLimit(Digital::Field::Bouquet), 13u);
    EXPECT_EQ(Digital::editLimit(Digital::Field::ServiceId), 0u);
}

// A row of the Analog Channel view: the record's 18 cells, then its satellite's.
std::vector<std::string> analogRow() {
    return {"3",     "1",          "11010",      "KU",    "  Sky One ", "27MHz", "V",   "10",
            "8",     "DEEMP_CVBS", "MONO_RIGHT", "7.02",  "7.20",       "400",   "N",   "J17",
            "RADIO", "N",          "ASTRA",      "10600", "9750",       "2",     "0192"};
}

TEST(AnalogChannelDialogData, LoadsAndWritesBackTheRecordsWords) {
    test::RecordingUi ui;
    Analog data;
    data.satelliteRows = kSatelliteRows;
    ASSERT_TRUE(data.loadDetailRow(analogRow(), ui));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(data.audioModeIndex, 2);
    EXPECT_EQ(data.bandWidthIndex, 4);
    EXPECT_EQ(data.decoderOutputIndex, 1);
    EXPECT_EQ(data.deEmphasisIndex, 3);
    EXPECT_EQ(data.videoBandIndex, 1);
    EXPECT_FALSE(data.dnr);
    EXPECT_FALSE(data.tv);
    EXPECT_FALSE(data.horizontal);
    EXPECT_TRUE(data.ku);
    EXPECT_EQ(data.degree, "E019.2");
    data.open();
    EXPECT_EQ(data.pickerSelection(), 1);

    std::vector<std::string> expected = analogRow();
    expected.resize(18);
    expected[0] = "9";
    expected[4] = "Sky One";
    EXPECT_EQ(data.record("9", "1"), expected);

    data.choose(Analog::Choice::AudioMode, 0);
    data.choose(Analog::Choice::BandWidth, 5);  // outside the list: ignored
    EXPECT_EQ(data.audioModeIndex, 0);
    EXPECT_EQ(data.record("9", "1")[10], "STEREO");
    EXPECT_EQ(data.record("9", "1")[13], "400");
    EXPECT_EQ(Analog::words(Analog::Choice::DecoderOutput).back(), "CANAL");
}

TEST(AnalogChannelDialogData, UnknownWordsAreReportedOrRefused) {
    struct Case {
        std::size_t cell;
        const char* message;
        bool refuses;
    };
    const Case cases[] = {
        {3, "Signal Band Must Be 'C' or 'Ku' Band", false},
        {5, "Video Band must be '18MHz' or '27MHz' ", true},
        {6, "Polarization type must be 'H'(horizontal) or 'V'(vertical) ", true},
        {9, "Output Decoder type must be 'CVBS' or 'DEEMP_CVBS' or 'BASEBAND' or 'CANAL' ", true},
        {10, "Audio Mode type must be 'STEREO' or 'MONO_LEFT' or 'MONO_RIGHT' ", true},
        {13, "Band Width type must be '130' or '180' or '280' or '300' or '400' ", true},
        {14, "Panda Must Be 'Y'(Yes) or 'N'(No) ", false},
        {15, "De-empasis type must be 'NO_DEEMP' or 'U50' or 'U75' or 'J17' ", true},
        {16, "TV/Radio Type Must Be 'TV' or 'Radio' ", false},
    };
    for (const Case& c : cases) {
        test::RecordingUi ui;
        std::vector<std::string> row = analogRow();
        row[c.cell] = "Ku";  // no vocabulary holds it: words are matched exactly
        Analog data;
        EXPECT_EQ(data.loadDetailRow(row, ui), !c.refuses) << c.cell;
        EXPECT_EQ(ui.messages, std::vector<std::string>{c.message}) << c.cell;
    }

    // A reported word leaves the choice as it was; the user's choice is written back.
    test::RecordingUi ui;
    std::vector<std::string> row = analogRow();
    row[3] = "S";
    Analog data;
    ASSERT_TRUE(data.loadDetailRow(row, ui));
    EXPECT_EQ(data.record("1", "1")[3], "C");
    data.ku = true;
    EXPECT_EQ(data.record("1", "1")[3], "KU");

    // The degree of a declared satellite must convert.
    data.satelliteRows = kSatelliteRows;
    row = analogRow();
    row[22] = "W12";
    ui.messages.clear();
    EXPECT_FALSE(data.loadDetailRow(row, ui));
    EXPECT_EQ(ui.messages.back(), "Degree format ERROR!!!");
}

TEST(AnalogChannelDialogData, NewChannelCaptionAndKeys) {
    test::RecordingUi ui;
    test::ScriptedDialogRunner runner(ui);
    runner.onAnalog([](Analog& data) {
        data.name = "";
        return *ChannelDialogData::keyCommand(DialogKey::Delete, /*okHasFocus=*/true);
    });
    Analog data;
    data.newFlag = true;
    EXPECT_EQ(runner.run(data), DialogEnd::Delete);
    EXPECT_TRUE(data.deleteFlag);
    EXPECT_EQ(runner.shownAnalog[0].caption(), "Setting Analog Channel....New");
    EXPECT_EQ(runner.run(data), DialogEnd::Cancel);
}

TEST(SatelliteDialogData, BlankDefaultsToNoAndLimitsApply) {
    test::RecordingUi ui;
    test::ScriptedDialogRunner runner(ui);
    runner.onSatellite([](SatelliteDialogData& data) {
        data.degree = "E123.45";
        return DialogEnd::Ok;
    });
    runner.onSatellite([](SatelliteDialogData& data) {
        EXPECT_EQ(data.tooLongField(), SatelliteDialogData::Field::Degree);
        data.degree = "E123.4";
        return DialogEnd::Ok;
    });
    SatelliteDialogData data;
    data.lnbLow = "9750";
    EXPECT_EQ(runner.run(data), DialogEnd::Ok);
    EXPECT_FALSE(runner.shownSatellite[0].blank);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Please enter no more than 6 characters."});
    EXPECT_EQ(SatelliteDialogData::editLimit(SatelliteDialogData::Field::Position), 5u);
}

}  // namespace
}  // namespace sky

namespace sky {
namespace {

TEST(SatelliteDialogData, TheLnbPresetShownFollowsTheFields) {
    SatelliteDialogData data;
    for (const LnbPresetInfo& info : lnbPresets()) {
        data.lnbHigh = "12345";
        data.applyLnbPreset(info.preset);
        EXPECT_EQ(data.lnbPreset(), info.preset) << info.name;
    }
    EXPECT_EQ(data.lnbHigh, "12345");  // Custom leaves the fields
    EXPECT_EQ(lnbPresetOf("10600", "9750"), LnbPreset::Universal);
    EXPECT_EQ(lnbPresetOf("9750", "10600"), LnbPreset::Custom);
    EXPECT_EQ(lnbPresetOf("5750", "05150"), LnbPreset::CBandDual);
    EXPECT_EQ(lnbPresetOf("", "09750"), LnbPreset::Custom);
}

}  // namespace
}  // namespace sky
