#include "serial/PortAdvice.h"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/Format.h"
#include "serial/SerialDevices.h"

namespace sky {

namespace {

constexpr const char* kModemManager = "ModemManager";

std::string permissionAdvice(const std::string& device) {
    const std::string group = deviceGroup(device);
    if (group.empty()) {
        return format("You may not use %s: ask the administrator for read and write access to it.",
                      device.c_str());
    }
    return format(
        "You may not use %s: it belongs to the group %s. Join the group with\n"
        "   sudo usermod -aG %s %s\n"
        "then log out and in again.",
        device.c_str(), group.c_str(), group.c_str(), currentUserName().c_str());
}

// Who holds the device (for a holder known only by name, "is running and may hold it") and how
// to free it.
std::string holderAdvice(const PortHolder& holder) {
    const std::string name = holder.program.empty() ? "A program" : holder.program;
    const std::string who = holder.pid > 0
                                ? format("%s (PID %ld) holds it", name.c_str(), holder.pid)
                                : name + " is running and may hold it";
    if (holder.program == kModemManager) {
        return who +
               ": it tries every new serial adapter as a modem. Stop it with\n"
               "   sudo systemctl stop ModemManager\n"
               "or keep it away from this adapter with a udev rule setting "
               "ENV{ID_MM_DEVICE_IGNORE}=\"1\".";
    }
    return who + ": close that program and try again.";
}

std::string busyAdvice(const std::string& device, const SystemPlaces& places) {
    const std::string head = format("%s is in use by another program.\n", device.c_str());
    std::optional<PortHolder> holder = lockFileHolder(device, places);
    if (!holder) holder = flockHolder(device, places);
    if (!holder) holder = openFileHolder(device, places);
    // The holder may be a process of another user, hidden from this one; ModemManager, which
    // runs as root, is the usual one.
    if (!holder && programRunning(kModemManager, places)) holder = PortHolder{0, kModemManager};
    if (holder) return head + holderAdvice(*holder);
    return head + "Close the program that uses it and try again.";
}

std::string missingAdvice(const std::string& device, const SystemPlaces& places) {
    std::string text =
        format("%s is not there: the adapter is unplugged or has another name.\n", device.c_str());
    const std::vector<std::string> present = serialDevicesAnswering(places.devices);
    if (present.empty()) return text + "No serial device is present: plug the adapter in.";
    text += "Serial devices present:";
    for (const std::string& other : present) text += "\n   " + other;
    return text + "\nChoose one at Option Menu.";
}

}  // namespace

std::string deviceGroup(const std::string& device) {
    struct stat info {};
    if (::stat(device.c_str(), &info) != 0) return {};
    const group* entry = ::getgrgid(info.st_gid);
    return entry ? entry->gr_name : std::to_string(info.st_gid);
}

std::string currentUserName() {
    if (const passwd* entry = ::getpwuid(::geteuid())) return entry->pw_name;
    const char* user = std::getenv("USER");
    return user ? user : "$USER";
}

std::string portOpenAdvice(const std::string& device, int error, const SystemPlaces& places) {
    switch (error) {
        case EACCES:
        case EPERM:
            return permissionAdvice(device);
        case EBUSY:
        case EWOULDBLOCK:
            return busyAdvice(device, places);
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return missingAdvice(device, places);
        case ENOTTY:
            return format("%s is not a serial port: choose the adapter's device at Option Menu.",
                          device.c_str());
        default:
            return {};
    }
}

}  // namespace sky
