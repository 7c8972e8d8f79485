#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "common/UserInterface.h"
#include "editor/dialogs/DialogRunner.h"

namespace sky::test {

// Plays the user of the setting dialogs from a script. Each run opens the data as the dialog
// would and keeps a copy of what the dialog showed; then the next scripted step of that dialog
// acts on the data (types, picks, presses keys) and returns the button pressed. When finish()
// refuses the button the dialog stays open and the next step acts again. A dialog with no step
// left is cancelled, as by Escape.
class ScriptedDialogRunner : public IDialogRunner {
public:
    template <typename Data>
    using Step = std::function<DialogEnd(Data&)>;

    explicit ScriptedDialogRunner(IUserInterface& ui) : ui_(ui) {}

    void onDigital(Step<DigitalChannelDialogData> step) {
        digitalSteps_.push_back(std::move(step));
    }
    void onAnalog(Step<AnalogChannelDialogData> step) { analogSteps_.push_back(std::move(step)); }
    void onSatellite(Step<SatelliteDialogData> step) { satelliteSteps_.push_back(std::move(step)); }

    DialogEnd run(DigitalChannelDialogData& data) override;
    DialogEnd run(AnalogChannelDialogData& data) override;
    DialogEnd run(SatelliteDialogData& data) override;

    // Drops the steps not played yet.
    void clear() {
        digitalSteps_.clear();
        analogSteps_.clear();
        satelliteSteps_.clear();
    }

    // Every scripted step has been played.
    bool finished() const {
        return digitalSteps_.empty() && analogSteps_.empty() && satelliteSteps_.empty();
    }

    // The data as each dialog showed it when it opened, in order.
    std::vector<DigitalChannelDialogData> shownDigital;
    std::vector<AnalogChannelDialogData> shownAnalog;
    std::vector<SatelliteDialogData> shownSatellite;

private:
    IUserInterface& ui_;
    std::deque<Step<DigitalChannelDialogData>> digitalSteps_;
    std::deque<Step<AnalogChannelDialogData>> analogSteps_;
    std::deque<Step<SatelliteDialogData>> satelliteSteps_;
};

}  // namespace sky::test
