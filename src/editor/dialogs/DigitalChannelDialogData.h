#pragma once

#include <array>
#include <string>

#include "editor/dialogs/ChannelDialogData.h"

namespace sky {

// The data of the digital channel dialog: the fields of a digital or PID channel with its
// transponder and satellite, and the rules that enable the service id and PID edits.
class DigitalChannelDialogData : public ChannelDialogData {
public:
    // The text fields, in the order the dialog exchanges them.
    enum class Field {
        Name,
        ServiceId,
        VideoPid,
        AudioPid,
        Frequency,
        LnbHigh,
        LnbLow,
        PcrPid,
        Position,
        SymbolRate,
        ActiveAudio,
        Degree,
        Bouquet,
    };

    static constexpr std::array<EditLimit<Field>, 4> kEditLimits{{
        {Field::Name, 13},
        {Field::Frequency, 5},
        {Field::SymbolRate, 5},
        {Field::Bouquet, 13},
    }};

    // The three PID edits carry their values through the dialog without being shown.
    static constexpr bool kPidEditsShown = false;

    std::string name;
    std::string serviceId;
    std::string videoPid;
    std::string audioPid;
    std::string pcrPid;
    std::string frequency;
    std::string symbolRate;
    std::string activeAudio;
    std::string bouquet;
    // Radio buttons: Horizontal or Vertical, TV or Radio.
    bool horizontal = true;
    bool tv = true;

    std::string& text(Field field);
    const std::string& text(Field field) const;
    static size_t editLimit(Field field) { return editLimitOf(kEditLimits, field); }
    // The satellite's fields are shown but cannot be edited.
    static bool isDisplayOnly(Field field);
    // The first field whose text is longer than its limit, where the dialog puts the focus after
    // finish() refused the values.
    std::optional<Field> tooLongField() const;

    bool serviceIdEnabled() const { return serviceIdEnabled_; }
    bool pidEditsEnabled() const { return pidEditsEnabled_; }

    // The service id edit's text changed. For a new channel a service id makes it a digital
    // channel: the PID fields are emptied and disabled, and enabled again when the service id
    // is emptied.
    void serviceIdTyped(const std::string& text);

    std::string caption() const override;

protected:
    // Adjusting a channel with a service id disables the PID edits; one without disables the
    // service id edit.
    void openFields() override;
    std::optional<size_t> tooLongLimit() const override;

private:
    bool serviceIdEnabled_ = true;
    bool pidEditsEnabled_ = false;
};

}  // namespace sky
