#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/RuntimeSettings.h"
#include "serial/TransferHistory.h"
#include "shell/Settings.h"

namespace sky {

// The working data and rules of the "Setting Option" dialog; the drawn dialog only
// binds its widgets to it. It also edits the device path behind each COM port.
class OptionDialogData {
public:
    // The port list's items, in order; the port number is the item index + 1.
    static constexpr std::array<const char*, 4> kPortNames{"COM1", "COM2", "COM3", "COM4"};

    // The dialog as it opens: the frame's max-satellite flag and port, the saved colours (with
    // their defaults) and devices, the temporary directory.
    OptionDialogData(const Settings& settings, const RuntimeSettings& runtime,
                     std::string temporaryDirectory);

    std::string temporaryDirectory;
    // Radio "40" checked; otherwise "32".
    bool max40 = false;
    // The selected item of the port list; nothing when the stored port is outside 1 to 4.
    std::optional<int> portIndex;
    // The device path behind each port.
    std::array<std::string, 4> portDevices;
    // "Undo levels": the undo steps kept, 5 to 200.
    int undoLevels = 5;
    // The room the history of lists sent and fetched may take, in megabytes.
    int historyLimitMb = kDefaultHistoryLimitMb;
    // Where the stable device names are looked for (under serial/by-id).
    std::string deviceFolder = "/dev";

    // Whether a device is present, whether this user may open it for reading and writing, and
    // whether it is a terminal as a transfer requires; the dialog marks each port with it.
    enum class DeviceState { NoDevice, Missing, NoAccess, NotTerminal, Ready };
    static DeviceState deviceState(const std::string& device);
    // The short status shown beside a device, in words. Empty for no device.
    static std::string deviceStatus(const std::string& device);
    // The stable name (under serial/by-id) to offer in place of a device such as ttyUSB0, whose
    // number can change when the adapter is plugged in again.
    std::optional<std::string> stableNameFor(const std::string& device) const;

    const Rgb& textColour() const { return text_; }
    const Rgb& backgroundColour() const { return background_; }
    bool coloursChanged() const { return coloursChanged_; }

    // "Text Color" and "Background Color": the picker's colour, or nothing when it was
    // cancelled; either way the colours count as changed.
    void textColourPicked(const std::optional<Rgb>& colour);
    void backgroundColourPicked(const std::optional<Rgb>& colour);
    // "Load Default Color": blue text on grey; nothing is shown until OK.
    void loadDefaultColours();

    // OK: the port number (item index + 1, 0 without a selection) is stored and set in the
    // frame, and so are the max-satellite flag, the devices and the undo levels (brought into 5
    // to 200); when a colour button was used,
    // the colours are saved with their marker. Returns whether the list colours changed (the
    // view then shows its list anew in them).
    bool accept(Settings& settings, RuntimeSettings& runtime, bool& max40Flag) const;

private:
    Rgb text_;
    Rgb background_;
    bool coloursChanged_ = false;
};

}  // namespace sky
