#include "support/ScriptedDialogRunner.h"

namespace sky::test {
namespace {

template <typename Data>
DialogEnd play(Data& data, std::deque<ScriptedDialogRunner::Step<Data>>& steps,
               std::vector<Data>& shown, IUserInterface& ui) {
    if constexpr (std::is_base_of_v<ChannelDialogData, Data>) data.open();
    shown.push_back(data);
    while (!steps.empty()) {
        const ScriptedDialogRunner::Step<Data> step = std::move(steps.front());
        steps.pop_front();
        if (const std::optional<DialogEnd> end = data.finish(step(data), ui)) return *end;
    }
    return DialogEnd::Cancel;
}

}  // namespace

DialogEnd ScriptedDialogRunner::run(DigitalChannelDialogData& data) {
    return play(data, digitalSteps_, shownDigital, ui_);
}

DialogEnd ScriptedDialogRunner::run(AnalogChannelDialogData& data) {
    return play(data, analogSteps_, shownAnalog, ui_);
}

DialogEnd ScriptedDialogRunner::run(SatelliteDialogData& data) {
    return play(data, satelliteSteps_, shownSatellite, ui_);
}

}  // namespace sky::test
