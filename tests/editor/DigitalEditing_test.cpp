// Adjusting, deleting, following with a null channel and creating digital and PID channels
// through the digital channel dialog, played by a script.

#include <gtest/gtest.h>

#include <functional>

#include "editor/EditingFixture.h"

namespace sky::test {
namespace {

using Dig = DigitalChannelDialogData;

// Rows 0-5 are D1-D6 (on transponders 1, 2, 3, 1, 2, 3), rows 6-8 the PID channels P1-P3 on
// transponder 2. Transponders 1 and 2 are on ASTRA (11778 and 12110), 3 on HOTBIRD (10971).
class DigitalEditingTest : public EditingTest {
protected:
    void SetUp() override { start(sampleList()); }

    void start(const TestList& sample) {
        show(sample);
        before = view.model().tokens();
    }

    // The user opens the row, changes what `edit` changes and presses `button`.
    void adjust(int row, const std::function<void(Dig&)>& edit, DialogEnd button = DialogEnd::Ok) {
        dialogs.onDigital([=](Dig& data) {
            edit(data);
            return button;
        });
        doubleClick(row);
        EXPECT_TRUE(dialogs.finished());
    }

    // The user presses F2, fills in the new channel and presses OK.
    void create(const std::function<void(Dig&)>& edit) {
        dialogs.onDigital([=](Dig& data) {
            edit(data);
            return DialogEnd::Ok;
        });
        view.run(Command::New);
    }

    Record channel(std::size_t i) const { return records(kChannelSection).at(i); }
    Record pid(std::size_t i) const { return records(kChannelPidSection).at(i); }
    std::vector<Record> transponders() const { return records(kDigitalTpSection); }

    TokenArray before;
};

TEST_F(DigitalEditingTest, OpensWithTheRowsValues) {
    adjust(
        0, [](Dig&) {}, DialogEnd::Cancel);
    adjust(
        7, [](Dig&) {}, DialogEnd::Cancel);
    const Dig& digital = dialogs.shownDigital.at(0);
    EXPECT_EQ(digital.caption(), "Digital Channel Setting...Adjust, New, Delete");
    EXPECT_EQ(digital.name, "D1");
    EXPECT_EQ(digital.serviceId, "00A1");
    EXPECT_EQ(digital.frequency, "11778");
    EXPECT_EQ(digital.symbolRate, "27500");
    EXPECT_EQ(digital.bouquet, "ARD");
    EXPECT_TRUE(digital.horizontal);
    EXPECT_TRUE(digital.tv);
    EXPECT_EQ(digital.pickerSelection(), 0);
    EXPECT_EQ(digital.degree, "E019.2");
    EXPECT_TRUE(digital.serviceIdEnabled());
    EXPECT_FALSE(digital.pidEditsEnabled());
    const Dig& pidChannel = dialogs.shownDigital.at(1);
    EXPECT_EQ(pidChannel.name, "P2");
    EXPECT_EQ(pidChannel.videoPid, "100");
    EXPECT_EQ(pidChannel.serviceId, "");
    EXPECT_FALSE(pidChannel.serviceIdEnabled());
    // Cancel changes nothing and keeps no undo entry.
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(view.model().hasUnsavedChanges());
}

TEST_F(DigitalEditingTest, ChangingNameAndBouquetKeepsTheTransponder) {
    adjust(0, [](Dig& d) {
        d.name = "NEW NAME";
        d.bouquet = " ard hd ";
        d.tv = false;
    });
    EXPECT_EQ(channel(0), (Record{"1", "1", "1", "00A1", "RADIO", "NEW NAME", "1", "N"}));
    EXPECT_EQ(transponders().size(), 3u);
    EXPECT_EQ(transponders()[0][5], "ard hd");
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(undoText(), "Undo (1 - Setting channel)");
    EXPECT_EQ(shownNames()[0], "NEW NAME");

    // A bouquet that differs only in case and spaces is left as it is.
    adjust(1, [](Dig& d) { d.bouquet = "zdf "; });
    EXPECT_EQ(transponders()[1][5], "ZDF");
}

TEST_F(DigitalEditingTest, OkKeepsATypeTheFileReaderTakesAsTv) {
    TestList sample = sampleList();
    sample.channels[0][4] = "TVX";
    start(sample);
    adjust(0, [](Dig&) {});
    EXPECT_EQ(channel(0)[4], "TV");
}

TEST_F(DigitalEditingTest, AFrequencyOffByAtMostFourKeepsTheTransponderUnchanged) {
    adjust(0, [](Dig& d) {
        d.frequency = "11781";
        d.symbolRate = "27496";
    });
    EXPECT_EQ(channel(0)[1], "1");
    EXPECT_EQ(transponders(), (TestList{sampleList()}.transponders));

    // Five off is another transponder.
    adjust(0, [](Dig& d) { d.frequency = "11783"; });
    EXPECT_EQ(transponders().back(), (Record{"4", "1", "11783", "27500", "H", "ARD"}));
    EXPECT_EQ(channel(0)[1], "4");
    EXPECT_EQ(channel(3)[1], "1");
}

TEST_F(DigitalEditingTest, AnEqualTransponderOfTheSatelliteTakesTheChannelWithoutQuestion) {
    adjust(0, [](Dig& d) { d.frequency = "12110"; });
    EXPECT_EQ(channel(0), (Record{"1", "2", "1", "00A1", "TV", "D1", "1", "N"}));
    adjust(6, [](Dig& d) { d.frequency = "11778"; });
    EXPECT_EQ(pid(0)[1], "1");
    EXPECT_TRUE(ui.questions.empty());
    EXPECT_EQ(transponders().size(), 3u);

    // The same tuning on another satellite does not count.
    adjust(1, [](Dig& d) { d.frequency = "10971"; });
    EXPECT_EQ(transponders().back(), (Record{"4", "1", "10971", "27500", "H", "ZDF"}));
    EXPECT_EQ(channel(1)[1], "4");
}

TEST_F(DigitalEditingTest, AnAlikeTransponderIsOfferedAndYesTakesIt) {
    adjust(0, [](Dig& d) { d.frequency = "12113"; });
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text,
              "Most alike TP exist, Replace with founded TP?\r\n\r\nfounded TP's information:"
              "\r\nFreguency   : 12110\r\nSymbol Rate : 27500\r\nPolarization :Horizontal\r\n"
              "\r\nYES\t\t=> REPLACE with founded TP\r\nNO\t\t=> Make NEW TP"
              "\r\nCANCEL\t=> Cancel");
    EXPECT_EQ(ui.questions[0].caption, "REPLACE");
    EXPECT_EQ(ui.questions[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(channel(0)[1], "2");
    EXPECT_EQ(transponders().size(), 3u);
}

TEST_F(DigitalEditingTest, NoToTheReplaceQuestionMakesATransponderAboveTheLargestIndex) {
    TestList sample = sampleList();
    sample.transponders.push_back(transponder("9", "2", "11000"));
    start(sample);
    ui.answer({Answer::No});
    adjust(0, [](Dig& d) {
        d.frequency = "12112";
        d.bouquet = " NEW ";
    });
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(transponders().size(), 5u);
    EXPECT_EQ(transponders().back(), (Record{"10", "1", "12112", "27500", "H", "NEW"}));
    EXPECT_EQ(channel(0), (Record{"1", "10", "1", "00A1", "TV", "D1", "1", "N"}));
    EXPECT_EQ(shownNames().size(), 9u);
}

TEST_F(DigitalEditingTest, CancelToTheReplaceQuestionChangesNothing) {
    ui.answer({Answer::Cancel});
    adjust(0, [](Dig& d) { d.frequency = "12108"; });
    EXPECT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(view.model().hasUnsavedChanges());
}

TEST_F(DigitalEditingTest, ServiceIdAndPidRulesRefuseWithTheirMessages) {
    struct Case {
        std::string serviceId;
        std::string pids;
        std::string message;
    };
    const std::string kind = "ERROR:When PID Value is filled, SvcID must not fill!!";
    for (const Case& c : std::vector<Case>{
             {" 0000 ", "", "CANCELED : SvcId nust not be zero!!!"},
             {"", "", kind},
             {"00A1", "200", kind},
             {"XYZ", "", "Conversion form Hex string to Int is failed"},
             // A digital channel given PIDs would be a PID channel, which this row is not.
             {"", "200", "Error: Can't finde Current channel_pid"},
         }) {
        SCOPED_TRACE(c.message);
        ui.messages.clear();
        adjust(0, [&](Dig& d) {
            d.serviceId = c.serviceId;
            d.videoPid = d.audioPid = d.pcrPid = c.pids;
        });
        EXPECT_EQ(ui.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(view.model().tokens(), before);
        EXPECT_EQ(undoText(), "Undo Disable");
    }
}

TEST_F(DigitalEditingTest, AServiceIdMayBeTakenOnlyOncePerTransponder) {
    const std::string taken =
        "ERROR : Channel Having Same SvcId,Tp Value EXIST!\r\nTo Edit,Change SvcId or TP Value!!";
    // D4 shares transponder 1 with D1.
    adjust(0, [](Dig& d) { d.serviceId = " 00a4 "; });
    EXPECT_EQ(lastMessage(), taken);
    EXPECT_EQ(view.model().tokens(), before);

    // On moving, the transponder moved to is the one that counts.
    adjust(4, [](Dig& d) {
        d.frequency = "11778";
        d.serviceId = "00A1";
    });
    EXPECT_EQ(lastMessage(), taken);
    EXPECT_EQ(view.model().tokens(), before);

    // D2 is on transponder 2, where nobody has 00A4; a channel keeps its own id.
    ui.messages.clear();
    adjust(1, [](Dig& d) { d.serviceId = "00a4"; });
    adjust(3, [](Dig& d) { d.name = "D4 NEW"; });
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(channel(1), (Record{"2", "2", "1", "00a4", "RADIO", "D2", "1", "N"}));
    EXPECT_EQ(channel(3)[5], "D4 NEW");
}

TEST_F(DigitalEditingTest, DeleteAsksForTheChannelAndRefusesARenamedOne) {
    ui.answer({Answer::No});
    adjust(
        1, [](Dig&) {}, DialogEnd::Delete);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Really Wnat to Delete this channel\r\n Channel Name :   D2");
    EXPECT_EQ(ui.questions[0].caption, "Delete");
    EXPECT_EQ(ui.questions[0].buttons, Buttons::YesNo);
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(undoText(), "Undo Disable");

    adjust(
        1, [](Dig& d) { d.name = "OTHER"; }, DialogEnd::Delete);
    EXPECT_EQ(lastMessage(), "Delete Current Channel is canceled");
    EXPECT_EQ(view.model().tokens(), before);

    // The name is compared without case and spaces; a PID channel goes with its ten cells.
    adjust(
        1, [](Dig& d) { d.name = " d2"; }, DialogEnd::Delete);
    adjust(
        6, [](Dig&) {}, DialogEnd::Delete);
    EXPECT_EQ(shownNames(), (Names{"D1", "D3", "D4", "D5", "D6", "P1", "P3"}));
    EXPECT_EQ(undoText(), "Undo (2 - Setting channel)");
    EXPECT_EQ(view.model().tokens().size(), before.size() - 8 - 10);
}

TEST_F(DigitalEditingTest, ANumberSharedByADigitalAndAPidChannelIsRefused) {
    // A list shown without renumbering may give one number to a digital and a PID channel.
    TestList sample = sampleList();
    sample.channels[0][0] = "7";
    document.adopt(sample.tokens(), Renumber::No);
    before = view.model().tokens();
    adjust(
        0, [](Dig&) {}, DialogEnd::Delete);
    adjust(
        0, [](Dig&) {}, DialogEnd::InsertNull);
    const std::string same =
        "ERROR:Digital channel and Digital PID channel have a same svc index.\r\n It must be "
        "defferenet!!";
    EXPECT_EQ(ui.messages, (std::vector<std::string>{same, same}));
    EXPECT_EQ(view.model().tokens(), before);
}

TEST_F(DigitalEditingTest, InsertNullFollowsTheChannelWithANullOfItsKind) {
    adjust(
        1, [](Dig& d) { d.name = "IGNORED"; }, DialogEnd::InsertNull);
    EXPECT_EQ(channel(1)[5], "D2");
    EXPECT_EQ(channel(2), (Record{"3", "2", "1", "0000", "RADIO", "_", "1", "Y"}));
    adjust(
        8, [](Dig&) {}, DialogEnd::InsertNull);
    EXPECT_EQ(pid(2), (Record{"10", "2", "1", "TV", "_", "   0", "   0", "   0", "1", "Y"}));
    EXPECT_EQ(shownNames().size(), 11u);
    EXPECT_EQ(undoText(), "Undo (2 - Setting channel)");
}

TEST_F(DigitalEditingTest, PidChannelsKeepTheirPlaceUnlessTheyGetANewTransponder) {
    adjust(6, [](Dig& d) {
        d.videoPid = " 300 ";
        d.pcrPid = "302";
        d.activeAudio = "2";
    });
    EXPECT_EQ(pid(0), (Record{"7", "2", "1", "TV", "P1", "300", "101", "302", "2", "N"}));

    // A new transponder moves the channel to the end of its list.
    adjust(6, [](Dig& d) { d.frequency = "12500"; });
    EXPECT_EQ(transponders().back(), (Record{"4", "1", "12500", "27500", "H", "ZDF"}));
    EXPECT_EQ(pid(2), (Record{"9", "4", "1", "TV", "P1", "300", "101", "302", "2", "N"}));
    EXPECT_EQ(shownNames(), (Names{"D1", "D2", "D3", "D4", "D5", "D6", "P2", "P3", "P1"}));
}

TEST_F(DigitalEditingTest, AnotherSatelliteNeedsATransponderOfThatSatellite) {
    adjust(0, [&](Dig& d) {
        EXPECT_TRUE(d.pickSatellite(1, ui));
        EXPECT_EQ(d.degree, "W013.0");
        d.frequency = "10971";
    });
    EXPECT_EQ(channel(0), (Record{"1", "3", "2", "00A1", "TV", "D1", "1", "N"}));
    EXPECT_EQ(list.rows[0].cells[15], "HOTBIRD");

    // Its own tuning is no reason to stay on the old satellite's transponder.
    adjust(3, [&](Dig& d) { d.pickSatellite(1, ui); });
    EXPECT_EQ(transponders().back(), (Record{"4", "2", "11778", "27500", "H", "ARD"}));
    EXPECT_EQ(channel(3), (Record{"4", "4", "2", "00A4", "RADIO", "D4", "1", "N"}));
}

TEST_F(DigitalEditingTest, AChannelOnAnUndeclaredSatelliteOpensWithNoSatelliteChosen) {
    TestList sample = sampleList();
    sample.channels[0][2] = "9";
    start(sample);
    adjust(0, [](Dig& d) { d.name = "D1 NEW"; });
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(dialogs.shownDigital.at(0).pickerSelection(), -1);
    EXPECT_EQ(dialogs.shownDigital.at(0).degree, "");
    // OK keeps the satellite it names.
    EXPECT_EQ(channel(0), (Record{"1", "1", "9", "00A1", "TV", "D1 NEW", "1", "N"}));

    // Picking a declared satellite moves the channel there.
    adjust(0, [&](Dig& d) {
        d.pickSatellite(1, ui);
        d.frequency = "10971";
    });
    EXPECT_EQ(channel(0), (Record{"1", "3", "2", "00A1", "TV", "D1 NEW", "1", "N"}));
}

TEST_F(DigitalEditingTest, ValuesTheListFileCannotHoldAreRefused) {
    adjust(0, [](Dig& d) { d.symbolRate = "27 50"; });
    EXPECT_EQ(lastMessage(), "CANCELED : Symbol Rate must be filled in, without spaces!!!");
    adjust(6, [](Dig& d) { d.audioPid = " "; });
    EXPECT_EQ(lastMessage(), "CANCELED : Audio PID must be filled in, without spaces!!!");
    // Quotes keep a name's spaces, but a tab or a line break would still split the row.
    adjust(0, [](Dig& d) { d.name = "D\t1"; });
    EXPECT_EQ(lastMessage(), "CANCELED : Name must not hold tabs or line breaks!!!");
    adjust(1, [](Dig& d) { d.bouquet = "ZDF\r\nHD"; });
    EXPECT_EQ(lastMessage(), "CANCELED : Bouquet must not hold tabs or line breaks!!!");
    // A name that reads as a section marker would be taken for the edge of its section.
    adjust(0, [](Dig& d) { d.name = "CHANNEL START"; });
    EXPECT_EQ(lastMessage(), "CANCELED : Name must not read as a section marker!!!");
    // Numbers and frequencies of another form would fail the check when the list is opened.
    adjust(0, [](Dig& d) { d.frequency = "999"; });
    EXPECT_EQ(lastMessage(), "CANCELED : Frequency must have 4 or 5 digits!!!");
    adjust(6, [](Dig& d) { d.pcrPid = "1O2"; });
    EXPECT_EQ(lastMessage(), "CANCELED : PCR PID must be a number!!!");
    adjust(0, [](Dig& d) { d.activeAudio = "+"; });
    EXPECT_EQ(lastMessage(), "CANCELED : Active Audio must be a number!!!");
    EXPECT_EQ(view.model().tokens(), before);
}

TEST_F(DigitalEditingTest, NewChannelsJoinTheirTransponderAtTheEndOfTheirList) {
    create([](Dig& d) {
        d.name = "NEW TV";
        d.serviceId = "1234";
        d.frequency = "11778";
        d.symbolRate = "27500";
    });
    const Dig& shown = dialogs.shownDigital.at(0);
    EXPECT_EQ(shown.caption(), "Setting Digital Channel....New");
    EXPECT_FALSE(shown.deleteButtonsShown());
    EXPECT_EQ(shown.activeAudio, "1");
    EXPECT_EQ(shown.bouquet, "---");
    EXPECT_EQ(shown.pickerSelection(), 0);
    EXPECT_EQ(shown.lnbHigh, "10600");
    EXPECT_EQ(shown.degree, "E019.2");
    EXPECT_EQ(channel(6), (Record{"7", "1", "1", "1234", "TV", "NEW TV", "1", "N"}));
    EXPECT_EQ(undoText(), "Undo (1 - New Dig Channel)");

    // A PID channel on a new transponder of the second satellite.
    create([&](Dig& d) {
        d.pickSatellite(1, ui);
        d.name = "NEW PID";
        d.videoPid = "10";
        d.audioPid = "11";
        d.pcrPid = "10";
        d.tv = false;
        d.horizontal = false;
        d.frequency = "12000";
        d.symbolRate = "22000";
    });
    EXPECT_EQ(transponders().back(), (Record{"4", "2", "12000", "22000", "V", "---"}));
    EXPECT_EQ(pid(3), (Record{"11", "4", "2", "RADIO", "NEW PID", "10", "11", "10", "1", "N"}));
    EXPECT_EQ(undoText(), "Undo (2 - New Dig Channel)");
}

TEST_F(DigitalEditingTest, ARefusedNewChannelLeavesNoUndoEntry) {
    create([](Dig& d) { d.name = "NOTHING"; });
    EXPECT_EQ(lastMessage(), "ERROR:When PID Value is filled, SvcID must not fill!!");
    ui.answer({Answer::Cancel});
    create([](Dig& d) {
        d.serviceId = "77";
        d.frequency = "12111";
        d.symbolRate = "27500";
    });
    EXPECT_EQ(ui.questions.size(), 1u);
    create([](Dig& d) { d.serviceId = "77"; });
    EXPECT_EQ(lastMessage(), "CANCELED : Frequency must be filled in, without spaces!!!");
    dialogs.onDigital([](Dig&) { return DialogEnd::Cancel; });
    view.run(Command::New);

    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(undoText(), "Undo Disable");
    EXPECT_FALSE(view.model().hasUnsavedChanges());
}

}  // namespace
}  // namespace sky::test
