#include "shell/OptionDialogData.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

#include "editor/model/UndoHistory.h"
#include "serial/PortAdvice.h"
#include "serial/SerialDevices.h"

namespace sky {

OptionDialogData::OptionDialogData(const Settings& settings, const RuntimeSettings& runtime,
                                   std::string directory)
    : temporaryDirectory(std::move(directory)),
      max40(runtime.maxSatellite40),
      portDevices(runtime.portDevices),
      undoLevels(runtime.undoLevels),
      historyLimitMb(settings.historyLimitMb()),
      text_(settings.savedTextColour()),
      background_(settings.savedBackgroundColour()) {
    if (runtime.comPort >= 1 && runtime.comPort <= 4) portIndex = runtime.comPort - 1;
}

OptionDialogData::DeviceState OptionDialogData::deviceState(const std::string& device) {
    if (device.empty()) return DeviceState::NoDevice;
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) return DeviceState::Missing;
    if (::access(device.c_str(), R_OK | W_OK) != 0) return DeviceState::NoAccess;
    // The transfer's own test: a device it would refuse is never shown as ready.
    return checkTerminal(device) == TerminalCheck::NotTerminal ? DeviceState::NotTerminal
                                                               : DeviceState::Ready;
}

std::string OptionDialogData::deviceStatus(const std::string& device) {
    switch (deviceState(device)) {
        case DeviceState::NoDevice:
            return {};
        case DeviceState::Missing:
            return "Not present";
        case DeviceState::Ready:
            return "Present, ready";
        case DeviceState::NotTerminal:
            return "Present, not a serial port";
        case DeviceState::NoAccess:
            break;
    }
    const std::string group = deviceGroup(device);
    return group.empty() ? "Present, no read/write access"
                         : "Present, no read/write access (group " + group + ")";
}

std::optional<std::string> OptionDialogData::stableNameFor(const std::string& device) const {
    return stableNameOf(device, deviceFolder);
}

void OptionDialogData::textColourPicked(const std::optional<Rgb>& colour) {
    if (colour) text_ = *colour;
    coloursChanged_ = true;
}

void OptionDialogData::backgroundColourPicked(const std::optional<Rgb>& colour) {
    if (colour) background_ = *colour;
    coloursChanged_ = true;
}

void OptionDialogData::loadDefaultColours() {
    text_ = Settings::kDefaultText;
    background_ = Settings::kDefaultBackground;
    coloursChanged_ = true;
}

bool OptionDialogData::accept(Settings& settings, RuntimeSettings& runtime, bool& max40Flag) const {
    const int port = portIndex ? *portIndex + 1 : 0;
    if (coloursChanged_) settings.saveColours(text_, background_);
    max40Flag = max40;
    runtime.maxSatellite40 = max40;
    runtime.comPort = port;
    settings.setComPort(port);
    runtime.undoLevels = std::clamp(undoLevels, UndoHistory::kMinDepth, UndoHistory::kMaxDepth);
    settings.setUndoLevels(runtime.undoLevels);
    settings.setHistoryLimitMb(historyLimitMb);
    for (int n = 1; n <= 4; ++n) {
        const std::string& device = portDevices[static_cast<std::size_t>(n - 1)];
        if (device.empty()) continue;
        runtime.portDevices[static_cast<std::size_t>(n - 1)] = device;
        settings.setPortDevice(n, device);
    }
    return coloursChanged_;
}

}  // namespace sky
