#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/UserInterface.h"
#include "db/RecordLayout.h"
#include "editor/dialogs/DialogEdits.h"

namespace sky {

// Keys that the channel dialogs turn into buttons.
enum class DialogKey { Delete, Insert };

// What the digital and the analog channel dialog share: the satellite picker with the read-only
// fields it fills, the flags of a new channel, the Delete and Insert Null buttons and keys.
//
// The dialog that draws this data calls open() when it appears, pickSatellite() when the user
// picks a satellite, keyCommand() for the Delete and Insert keys and finish() for the button
// pressed; it keeps the dialog open while finish() returns nothing.
class ChannelDialogData {
public:
    virtual ~ChannelDialogData() = default;

    // Caller's input: a copy of the satellite section's cells, 7 to a satellite record (Index,
    // name, blank, LNB_LO high, LNB_LO low, position, stored degree).
    std::vector<std::string> satelliteRows;
    // Caller's input: the name of the satellite to preselect, and the Index cell of that
    // satellite, which tells it apart from others of the same name.
    std::string satelliteName;
    std::string satelliteIndexHint;

    // The satellite's read-only fields; the degree in display form.
    std::string lnbHigh;
    std::string lnbLow;
    std::string position;
    std::string degree;

    // The satellite record chosen (its row in satelliteRows), written by OK and by each pick;
    // -1 for none.
    int satelliteIndex = -1;
    // Set by the caller for a new channel.
    bool newFlag = false;
    // Set by the Delete and Insert Null buttons.
    bool deleteFlag = false;
    bool insertNullFlag = false;

    static constexpr int kSatelliteRowWidth = kSatelliteFields;

    // The picker's items: the name of every satellite record, in order.
    std::vector<std::string> satelliteNames() const;
    int satelliteCount() const;

    // Whether a satellite record carries the Index satelliteIndexHint. A channel may name a
    // satellite the list does not declare (the receiver leaves it out); its dialog then opens
    // with no satellite chosen and empty satellite fields.
    bool satelliteDeclared() const;

    // The picker's selection while the dialog is shown; -1 for none.
    int pickerSelection() const { return pickerSelection_; }

    // Delete and Insert Null are hidden for a new channel (their keys still work).
    bool deleteButtonsShown() const { return !newFlag; }

    // Prepares the data for showing: the caption, the enabled edits and the picker's selection:
    // the row with the hinted Index and the satellite name, else the first row of that name,
    // else the first whose name begins with it ignoring case; none for an empty name.
    void open();

    // The user picked satellite row `row` (after the dialog has put its control values into the
    // fields): the fields of that satellite are filled in, the degree converted to display form.
    // True when the dialog must show the fields again; false when the satellite's degree could
    // not be converted ("Degree format ERROR!!!" shown): the fields keep their values and only
    // the selection changes.
    bool pickSatellite(int row, IUserInterface& ui);

    // The button a key stands for: Delete while the OK button has the focus, Insert anywhere.
    static std::optional<DialogEnd> keyCommand(DialogKey key, bool okHasFocus);

    // A button was pressed, after the dialog has put its control values into the fields. OK,
    // Delete and Insert Null check the lengths of the limited fields first: a text too long is
    // reported and the dialog stays open (nothing returned, no flag set). OK stores the picker's
    // selection as satelliteIndex; Delete and Insert Null set their flag. Cancel changes nothing.
    std::optional<DialogEnd> finish(DialogEnd button, IUserInterface& ui);

    // The caption of the dialog.
    virtual std::string caption() const = 0;

protected:
    // Dialog-specific part of open().
    virtual void openFields() {}
    // The limit of the first limited field whose text is too long.
    virtual std::optional<size_t> tooLongLimit() const = 0;

private:
    int preselectedSatellite() const;
    const std::string* satelliteCell(int row, int cell) const;

    int pickerSelection_ = -1;
};

}  // namespace sky
