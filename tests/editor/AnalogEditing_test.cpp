// Adjusting, deleting, following with a null channel and creating analog channels through the
// analog channel dialog, played by a script.

#include <gtest/gtest.h>

#include <functional>

#include "editor/EditingFixture.h"

namespace sky::test {
namespace {

using Ana = AnalogChannelDialogData;
using Choice = Ana::Choice;

// Rows 0-3 are the analog channels A1-A4 on ASTRA.
class AnalogEditingTest : public EditingTest {
protected:
    void SetUp() override { start(sampleList()); }

    void start(const TestList& sample) {
        show(sample);
        view.run(Command::AnalogChannel);
        before = view.model().tokens();
    }

    void adjust(int row, const std::function<void(Ana&)>& edit, DialogEnd button = DialogEnd::Ok) {
        dialogs.onAnalog([=](Ana& data) {
            edit(data);
            return button;
        });
        doubleClick(row);
    }

    void create(const std::function<void(Ana&)>& edit) {
        dialogs.onAnalog([=](Ana& data) {
            edit(data);
            return DialogEnd::Ok;
        });
        view.run(Command::New);
    }

    Record channel(std::size_t i) const { return records(kAnalogTpSection).at(i); }

    TokenArray before;
};

TEST_F(AnalogEditingTest, OkWithoutChangesWritesEveryStoredWordBack) {
    TestList sample = sampleList();
    Record& a2 = sample.analogs[1];
    a2[3] = "C";
    a2[6] = "V";
    a2[9] = "CANAL";
    a2[10] = "MONO_RIGHT";
    a2[13] = "400";
    a2[14] = "N";
    a2[15] = "J17";
    start(sample);
    adjust(1, [](Ana&) {});
    EXPECT_EQ(dialogs.shownAnalog.at(0).degree, "E019.2");
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(undoText(), "Undo (1 - Setting channel)");
}

TEST_F(AnalogEditingTest, ChoicesAndSatelliteAreWrittenIntoTheRecord) {
    adjust(0, [&](Ana& d) {
        d.choose(Choice::AudioMode, 1);
        d.choose(Choice::BandWidth, 2);
        d.ku = false;
        d.dnr = false;
        d.tv = false;
        d.threshold = "9";
        d.pickSatellite(1, ui);
    });
    EXPECT_EQ(channel(0), (Record{"1", "2", "11000", "C", "A1", "27MHz", "H", "9", "7", "CVBS",
                                  "MONO_LEFT", "6.50", "6.50", "280", "N", "U50", "RADIO", "N"}));
    EXPECT_EQ(list.rows[0].cells[18], "HOTBIRD");
}

TEST_F(AnalogEditingTest, WordsOutsideTheVocabularyAreReportedAndMostRefuseTheEdit) {
    struct Case {
        std::size_t cell;
        std::string message;
    };
    for (const Case& c : std::vector<Case>{
             {5, "Video Band must be '18MHz' or '27MHz' "},
             {15, "De-empasis type must be 'NO_DEEMP' or 'U50' or 'U75' or 'J17' "},
         }) {
        SCOPED_TRACE(c.message);
        TestList sample = sampleList();
        sample.analogs[2][c.cell] = "ODD";
        start(sample);
        ui.messages.clear();
        doubleClick(2);
        EXPECT_EQ(ui.messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(dialogs.shownAnalog.empty());
        EXPECT_EQ(undoText(), "Undo Disable");
    }

    // Signal band, DNR and type are reported; the dialog opens and writes its own choice.
    TestList sample = sampleList();
    sample.analogs[2][3] = "L";
    sample.analogs[2][14] = "?";
    sample.analogs[2][16] = "DATA";
    start(sample);
    ui.messages.clear();
    adjust(2, [](Ana& d) { d.ku = true; });
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Signal Band Must Be 'C' or 'Ku' Band",
                                                     "Panda Must Be 'Y'(Yes) or 'N'(No) ",
                                                     "TV/Radio Type Must Be 'TV' or 'Radio' "}));
    EXPECT_EQ(channel(2)[3], "KU");
    EXPECT_EQ(channel(2)[14], "Y");
    EXPECT_EQ(channel(2)[16], "TV");
}

TEST_F(AnalogEditingTest, OkKeepsWhatTheFileReaderMakesOfAnUnusualWord) {
    TestList sample = sampleList();
    sample.analogs[2][3] = "KUX";
    sample.analogs[2][14] = "NO";
    sample.analogs[2][16] = "RADIOX";
    start(sample);
    ui.messages.clear();
    adjust(2, [](Ana&) {});
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Signal Band Must Be 'C' or 'Ku' Band",
                                                     "Panda Must Be 'Y'(Yes) or 'N'(No) ",
                                                     "TV/Radio Type Must Be 'TV' or 'Radio' "}));
    EXPECT_EQ(channel(2)[3], "KU");
    EXPECT_EQ(channel(2)[14], "N");
    EXPECT_EQ(channel(2)[16], "RADIO");
}

TEST_F(AnalogEditingTest, AChannelOnAnUndeclaredSatelliteCanBeEditedAndDeleted) {
    TestList sample = sampleList();
    sample.analogs[1][1] = "9";
    start(sample);
    adjust(1, [](Ana& d) { d.threshold = "6"; });
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(dialogs.shownAnalog.at(0).pickerSelection(), -1);
    EXPECT_EQ(channel(1)[1], "9");
    EXPECT_EQ(channel(1)[7], "6");

    ui.answer({Answer::Yes});
    adjust(
        1, [](Ana&) {}, DialogEnd::Delete);
    EXPECT_EQ(channel(1)[4], "A3");
}

TEST_F(AnalogEditingTest, RenamingChecksTheOtherNames) {
    adjust(0, [](Ana& d) { d.name = " a3 "; });
    EXPECT_EQ(lastMessage(), "Same analog channel Name exist!!!\r\nName is \"a3 \" ");
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(undoText(), "Undo Disable");

    adjust(0, [](Ana& d) {
        d.name = " Arte ";
        d.frequency = "11100";
    });
    EXPECT_EQ(channel(0)[4], "Arte");
    EXPECT_EQ(channel(0)[2], "11100");

    // A change of case only is no rename: the stored spelling stays.
    adjust(1, [](Ana& d) {
        d.name = "a2";
        d.contrast = "3";
    });
    EXPECT_EQ(channel(1)[4], "A2");
    EXPECT_EQ(channel(1)[8], "3");
}

TEST_F(AnalogEditingTest, DeleteAsksAndRefusesARenamedChannel) {
    ui.answer({Answer::No});
    adjust(
        1, [](Ana&) {}, DialogEnd::Delete);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "Really Wnat to Delete this channel");
    EXPECT_EQ(ui.questions[0].caption, "Delete");
    EXPECT_EQ(view.model().tokens(), before);

    adjust(
        1, [](Ana& d) { d.name = "GONE"; }, DialogEnd::Delete);
    EXPECT_EQ(lastMessage(), "Not Exist matched channel");
    adjust(
        1, [](Ana& d) { d.name = "A4"; }, DialogEnd::Delete);
    EXPECT_EQ(lastMessage(), "Same analog channel Name exist!!!\r\nName is \"A4 \" ");
    EXPECT_EQ(view.model().tokens(), before);

    adjust(
        1, [](Ana&) {}, DialogEnd::Delete);
    EXPECT_EQ(shownNames(), (Names{"A1", "A3", "A4"}));
    EXPECT_EQ(channel(1)[0], "2");
    EXPECT_EQ(undoText(), "Undo (1 - Setting channel)");
}

TEST_F(AnalogEditingTest, InsertNullFollowsTheChannel) {
    adjust(
        1, [](Ana&) {}, DialogEnd::InsertNull);
    EXPECT_EQ(channel(2), (Record{"3", "1", "0000", "C", "_", "27MHz", "H", "1", "5", "CVBS",
                                  "STEREO", "0000", "0000", "130", "Y", "U50", "RADIO", "Y"}));
    EXPECT_EQ(shownNames(), (Names{"A1", "A2", "_", "A3", "A4"}));
}

TEST_F(AnalogEditingTest, NewChannelNeedsAFrequency) {
    create([](Ana& d) { d.name = "NO FREQ"; });
    EXPECT_EQ(lastMessage(), "Frequency not filled!");
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(undoText(), "Undo Disable");

    create([](Ana& d) {
        d.name = "NEW";
        d.frequency = "11200";
        d.threshold = "4";
        d.contrast = "6";
        d.audioFreqLeft = "7.02";
        d.audioFreqRight = "7.20";
    });
    const Ana& shown = dialogs.shownAnalog.at(0);
    EXPECT_EQ(shown.caption(), "Setting Analog Channel....New");
    EXPECT_FALSE(shown.ku);
    EXPECT_TRUE(shown.dnr);
    EXPECT_TRUE(shown.tv);
    EXPECT_TRUE(shown.horizontal);
    EXPECT_EQ(shown.pickerSelection(), 0);
    EXPECT_EQ(shown.lnbLow, "9750");
    EXPECT_EQ(channel(4), (Record{"5", "1", "11200", "C", "NEW", "18MHz", "H", "4", "6", "CVBS",
                                  "STEREO", "7.02", "7.20", "130", "Y", "NO_DEEMP", "TV", "N"}));
    EXPECT_EQ(undoText(), "Undo (1 - New Ana Channel)");
}

TEST_F(AnalogEditingTest, ValuesTheListFileCannotHoldAreRefused) {
    adjust(0, [](Ana& d) { d.threshold = ""; });
    EXPECT_EQ(lastMessage(), "CANCELED : Threshold must be filled in, without spaces!!!");
    adjust(0, [](Ana& d) { d.name = "A\t1"; });
    EXPECT_EQ(lastMessage(), "CANCELED : Name must not hold tabs or line breaks!!!");
    adjust(0, [](Ana& d) { d.contrast = "7a"; });
    EXPECT_EQ(lastMessage(), "CANCELED : Contrast must be a number!!!");
    create([](Ana& d) {
        d.frequency = "980";
        d.threshold = d.contrast = d.audioFreqLeft = d.audioFreqRight = "1";
    });
    EXPECT_EQ(lastMessage(), "CANCELED : Frequency must have 4 or 5 digits!!!");
    create([](Ana& d) {
        d.frequency = "11200";
        d.threshold = d.contrast = "1";
        d.audioFreqLeft = "6 5";
        d.audioFreqRight = "6.50";
    });
    EXPECT_EQ(lastMessage(), "CANCELED : Audio Freq LEFT must be filled in, without spaces!!!");
    EXPECT_EQ(view.model().tokens(), before);
    EXPECT_EQ(undoText(), "Undo Disable");
}

}  // namespace
}  // namespace sky::test
