#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sky {

// Where the system shows its processes, its serial-port lock files and its devices. Tests point
// them at folders of their own.
struct SystemPlaces {
    std::string proc = "/proc";
    std::vector<std::string> lockFolders{"/var/lock", "/run/lock"};
    std::string devices = "/dev";
};

// A program that holds a serial device.
struct PortHolder {
    long pid = 0;
    // Its name as /proc/PID/comm gives it; empty when that cannot be read.
    std::string program;
};

// The live owner of a lock file for the device (LCK..NAME, holding the owner's PID as text or as
// a binary int): nothing when there is no such file or its owner has ended. Both the device's
// own name and the name it links to are looked for.
std::optional<PortHolder> lockFileHolder(const std::string& device, const SystemPlaces& places);

// The process holding an advisory lock (flock) on the device, as /proc/locks tells.
std::optional<PortHolder> flockHolder(const std::string& device, const SystemPlaces& places);

// The first process with the device open, found through the links in /proc/PID/fd. Processes of
// other users are hidden there from anyone but root.
std::optional<PortHolder> openFileHolder(const std::string& device, const SystemPlaces& places);

// Whether a process of that name (as /proc/PID/comm gives it) is running.
bool programRunning(const std::string& program, const SystemPlaces& places);

}  // namespace sky
