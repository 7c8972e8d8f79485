// Editing a satellite record from the Satellite List through the satellite dialog.

#include <gtest/gtest.h>

#include <functional>

#include "editor/EditingFixture.h"

namespace sky::test {
namespace {

using Sat = SatelliteDialogData;

class SatelliteEditingTest : public EditingTest {
protected:
    void SetUp() override {
        show(sampleList());
        view.run(Command::SatelliteList);
        before = view.model().tokens();
    }

    void edit(int row, const std::function<void(Sat&)>& change, DialogEnd button = DialogEnd::Ok) {
        dialogs.onSatellite([=](Sat& data) {
            change(data);
            return button;
        });
        doubleClick(row);
    }

    Record satellite(std::size_t i) const { return records(kSatelliteSection).at(i); }

    TokenArray before;
};

TEST_F(SatelliteEditingTest, OkWritesTheFieldsAndTheDegreeInStoredForm) {
    edit(1, [](Sat& d) {
        d.name = "HOTBIRD 13";
        d.blank = true;
        d.lnbLow = "9760";
        d.position = "4";
        d.degree = "w45.5";
    });
    const Sat& shown = dialogs.shownSatellite.at(0);
    EXPECT_EQ(shown.name, "HOTBIRD");
    EXPECT_FALSE(shown.blank);
    EXPECT_EQ(shown.degree, "W013.0");
    EXPECT_EQ(satellite(1), (Record{"2", "HOTBIRD 13", "Y", "10600", "9760", "4", "-0455"}));
    // The name list stays; the list shows the stored degree in display form.
    EXPECT_EQ(records(kSatNameSection)[1][1], "HOTBIRD");
    EXPECT_EQ(list.rows[1].cells[6], "W045.5");
    EXPECT_EQ(undoText(), "Undo (1 - Setting Satellite)");
    EXPECT_TRUE(view.model().hasUnsavedChanges());

    // The channels on the satellite show the new values.
    view.run(Command::DigitalChannel);
    EXPECT_EQ(list.rows[2].cells[15], "HOTBIRD 13");
}

TEST_F(SatelliteEditingTest, OkKeepsABlankFlagTheFileReaderTakesAsYes) {
    TestList sample = sampleList();
    sample.satellites[1][2] = "YES";
    show(sample);
    view.run(Command::SatelliteList);
    edit(1, [](Sat&) {});
    EXPECT_TRUE(dialogs.shownSatellite.at(0).blank);
    EXPECT_EQ(satellite(1)[2], "Y");
}

TEST_F(SatelliteEditingTest, ABadDegreeKeepsItsOldValueButTheOtherFieldsAreWritten) {
    edit(0, [](Sat& d) {
        d.name = "ASTRA 1";
        d.degree = "X19.2";
    });
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ERROR in converting degree format!!!",
                                                     "Degree format ERROR!!!"}));
    EXPECT_EQ(satellite(0), (Record{"1", "ASTRA 1", "N", "10600", "9750", "1", "0192"}));
    EXPECT_EQ(list.rows[0].cells[1], "ASTRA 1");
    EXPECT_TRUE(view.model().hasUnsavedChanges());
}

TEST_F(SatelliteEditingTest, NothingChangesWithoutAnEdit) {
    // A stored degree that cannot be shown refuses the edit before the dialog opens.
    TestList sample = sampleList();
    sample.satellites[0][6] = "N19";
    show(sample);
    view.run(Command::SatelliteList);
    doubleClick(0);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"ERROR in converting degree format!!!",
                                                     "Degree format ERROR!!!"}));
    EXPECT_TRUE(dialogs.shownSatellite.empty());

    ui.messages.clear();
    edit(
        1, [](Sat& d) { d.name = "CANCELLED"; }, DialogEnd::Cancel);
    edit(1, [](Sat&) {});
    edit(1, [](Sat& d) {
        d.name = "REFUSED";
        d.lnbHigh = "";
    });
    // A "#" starts a comment in a satellite row even between the quotes of its name.
    edit(1, [](Sat& d) { d.name = "HOT#BIRD"; });
    edit(1, [](Sat& d) { d.lnbLow = "975"; });
    edit(1, [](Sat& d) { d.position = "2nd"; });
    EXPECT_EQ(ui.messages, (std::vector<std::string>{
                               "CANCELED : LNB_LO High must be filled in, without spaces!!!",
                               "CANCELED : Name must not hold '#', tabs or line breaks!!!",
                               "CANCELED : LNB_LO Low must have 4 or 5 digits!!!",
                               "CANCELED : Position must be a number!!!"}));
    EXPECT_EQ(records(kSatelliteSection), sample.satellites);
    EXPECT_FALSE(view.model().hasUnsavedChanges());
}

}  // namespace
}  // namespace sky::test
