#include "serial/PortSelection.h"

#include "common/Format.h"

namespace sky {

std::optional<std::string> portName(int number) {
    if (number < 1 || number > 4) return std::nullopt;
    return format("COM%d", number);
}

bool openConfiguredPort(SerialPort& port, const RuntimeSettings& settings, IUserInterface& ui) {
    const std::optional<std::string> name = portName(settings.comPort);
    if (!name) {
        ui.message(kIllegalPortMessage);
        return false;
    }
    const std::string& device = settings.portDevices[static_cast<size_t>(settings.comPort - 1)];
    if (port.open(device)) return true;
    const std::string where = *name + " = " + device;
    ui.appendMessage(format("Fail to open serial port [%s]\n", where.c_str()) +
                     "Please, check your communication port with following parameters.\n"
                     "   Baudrate   :  115200 bps\n"
                     "   Parity     :  no\n"
                     "   Databyte   :  8 bit/data\n"
                     "   Stop bit   :  1\n" +
                     format("   Reason     :  %s\n", port.openError().c_str()));
    // The box says what to do about it on a line of its own, when that can be told.
    const std::string advice = port.openAdvice();
    ui.message(advice.empty() ? std::string(kPortOpenFailedMessage)
                              : std::string(kPortOpenFailedMessage) + "\n" + advice);
    return false;
}

void configureLine(SerialPort& port, IUserInterface& ui) {
    if (!port.configure()) ui.message(kInitializeFailedMessage);
}

}  // namespace sky
