#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "editor/dialogs/ChannelDialogData.h"

namespace sky {

// The data of the analog channel dialog: the fields of an analog channel, the fixed vocabularies
// of its drop-down lists (the fields hold the index of the chosen word) and the satellite.
class AnalogChannelDialogData : public ChannelDialogData {
public:
    // The text fields, in the order the dialog exchanges them.
    enum class Field {
        Name,
        Frequency,
        Threshold,
        Contrast,
        AudioFreqLeft,
        AudioFreqRight,
        LnbHigh,
        LnbLow,
        Position,
        Degree,
    };

    static constexpr std::array<EditLimit<Field>, 2> kEditLimits{{
        {Field::Name, 13},
        {Field::Frequency, 5},
    }};

    // The drop-down lists of fixed words.
    enum class Choice { DeEmphasis, BandWidth, AudioMode, DecoderOutput, VideoBand };

    std::string name;
    std::string frequency;
    std::string threshold;
    std::string contrast;
    std::string audioFreqLeft;
    std::string audioFreqRight;
    // Radio buttons, set to the choices of a new channel.
    bool tv = true;
    bool dnr = true;
    bool horizontal = true;
    bool ku = false;
    // Index of the chosen word of each drop-down list.
    int deEmphasisIndex = 0;
    int bandWidthIndex = 0;
    int audioModeIndex = 0;
    int decoderOutputIndex = 0;
    int videoBandIndex = 0;

    std::string& text(Field field);
    const std::string& text(Field field) const;
    static size_t editLimit(Field field) { return editLimitOf(kEditLimits, field); }
    static bool isDisplayOnly(Field field);
    std::optional<Field> tooLongField() const;

    // The words of a drop-down list, in list order.
    static std::span<const std::string_view> words(Choice choice);
    int& index(Choice choice);
    int index(Choice choice) const;
    // The user chose another word: its index is stored at once. An index outside the list is
    // ignored.
    void choose(Choice choice, int wordIndex);
    // The chosen word; empty when the index is outside the list.
    std::string_view chosenWord(Choice choice) const;

    // Fills the dialog from a row of the analog detail list (the 18 cells of the record, then
    // the satellite's name, LNB_LO high, LNB_LO low, position and stored degree). Each fixed word
    // is matched in the order of the record's cells: a signal band, DNR flag or type of another
    // word is reported and chosen as the list file's reader takes it (by the word it begins
    // with, a DNR flag by its first character), or left at its current choice when the reader
    // takes it as neither; any other unknown word is reported and refuses the row, as does a
    // degree that cannot be converted. A satellite the list does not declare leaves the degree
    // empty. False when refused.
    bool loadDetailRow(std::span<const std::string> row, IUserInterface& ui);

    // The 18 cells of the record the dialog describes, with the given Index and satellite Index;
    // the name trimmed, the blank flag "N".
    std::vector<std::string> record(const std::string& index,
                                    const std::string& satelliteIndexCell) const;

    std::string caption() const override;

    static constexpr size_t kDetailRowWidth = 23;

protected:
    std::optional<size_t> tooLongLimit() const override;
};

}  // namespace sky
