#include "serial/ChannelUpload.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "common/Format.h"
#include "db/FileIo.h"
#include "db/SiblingPath.h"
#include "serial/PortSelection.h"
#include "serial/TransferCancel.h"

namespace sky {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEscape{"\x1b\0", 2};
constexpr std::string_view kResume = "go\r\n";
constexpr std::string_view kListStart = "[SATELLITE_NAME_LIST]";
constexpr std::string_view kEndMark = "[END]";
constexpr std::string_view kPromptRepair = " \r\n[END]\r\n\r\n";
constexpr size_t kPromptRepairBack = 18;

constexpr int kKeyWaitMs = 50;
constexpr int kDumpDelayMs = 100;

class Upload {
public:
    Upload(SerialPort& port, const RuntimeSettings& settings, IUserInterface& ui)
        : port_(port), settings_(settings), ui_(ui) {}

    bool run(const std::string& uploadPath);

private:
    void send(std::string_view bytes) {
        port_.write(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    void wakeConsole();
    bool probe();
    void typeDumpCommand();
    size_t receive(std::vector<uint8_t>& buffer);
    bool resume();

    SerialPort& port_;
    const RuntimeSettings& settings_;
    IUserInterface& ui_;
    bool cancelled_ = false;
};

// Creates (or truncates) a file for writing without following a symbolic link at its place.
int createFile(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
}

// Writes and closes the file; false if any of it failed.
bool writeAndClose(int fd, std::string_view data) {
    const bool written = writeAll(fd, data);
    return ::close(fd) == 0 && written;
}

bool Upload::run(const std::string& uploadPath) {
    if (!openConfiguredPort(port_, settings_, ui_)) return false;
    configureLine(port_, ui_);
    port_.setTimeouts(TimeoutProfile::Idle);
    port_.setQueueSizes(102400, 4096);
    port_.purge();

    wakeConsole();
    if (!probe()) {
        port_.close();
        ui_.message("CHECK if Receiver's Power is turned ON\r\nAnd TRY AGIAN!!!");
        return false;
    }
    port_.setTimeouts(TimeoutProfile::Idle);
    std::vector<uint8_t> buffer;
    try {
        // Three bytes of room behind the limit for the spaces put after "[END]".
        buffer.assign(kUploadLimit + 3, 0);
    } catch (const std::bad_alloc&) {
        port_.close();
        ui_.message("Fail to Memory Allocation for Upload");
        return false;
    }
    if (stopIfCancelled(ui_, port_)) return false;
    typeDumpCommand();
    const size_t length = receive(buffer);
    port_.close();
    if (cancelled_) return false;

    const std::string_view dump(reinterpret_cast<const char*>(buffer.data()), length);
    const int uploadFd = createFile(uploadPath);
    if (uploadFd < 0) {
        ui_.message(format("Fail to open output file %s\n", uploadPath.c_str()));
        return false;
    }
    const bool dumpWritten = writeAndClose(uploadFd, dump);
    const std::string filterPath =
        siblingPath(uploadPath, "Temp.txt").value_or(uploadPath + "Temp");
    const int filterFd = createFile(filterPath);
    if (filterFd < 0) {
        ui_.message(format("Fail to open output file %s\n", filterPath.c_str()));
        return false;
    }
    const std::string list = filterMarkedLines(dump);
    buffer = {};

    bool complete = list.compare(0, kListStart.size(), kListStart) == 0;
    // A list that did not reach the disk whole must not be reported as received.
    if (!writeAndClose(filterFd, list) || !dumpWritten ||
        std::rename(filterPath.c_str(), uploadPath.c_str()) != 0) {
        ui_.message(format("Fail to write output file %s\n", uploadPath.c_str()));
        complete = false;
    }

    if (!resume()) return false;
    if (!complete) {
        ui_.message("ERROR: Uploading is not complete. try again");
        return false;
    }
    ui_.message("Uploading SUCESS");
    return true;
}

void Upload::wakeConsole() {
    port_.pause(kKeyWaitMs);
    send(kLineEnd);
    for (int i = 0; i < 3; ++i) {
        port_.pause(kKeyWaitMs);
        send(kEscape);
        port_.pause(kKeyWaitMs);
        send(kLineEnd);
    }
}

bool Upload::probe() {
    port_.setTimeouts(TimeoutProfile::Probe);
    uint8_t byte = 0;
    const bool answered = port_.read(&byte, 1) == 1;
    port_.purge();
    return answered;
}

void Upload::typeDumpCommand() {
    port_.pause(kDumpDelayMs);
    for (const char key : std::string_view("dumpch")) {
        send(std::string_view(&key, 1));
        port_.pause(kKeyWaitMs);
    }
    send(kLineEnd);
    port_.pause(kKeyWaitMs);
    send(kLineEnd);
    port_.pause(kKeyWaitMs);
}

size_t Upload::receive(std::vector<uint8_t>& buffer) {
    size_t length = 0;
    while (length < kUploadLimit) {
        if (stopIfCancelled(ui_, port_)) {
            cancelled_ = true;
            return length;
        }
        // An idle read comes back empty only after the silence limit or when the device has
        // failed, so the first empty read ends the reception with what has come.
        if (port_.read(&buffer[length], 1) != 1) break;
        const uint8_t byte = buffer[length++];
        // The indicator blinks between half and full while data arrives.
        if (length % 1000 == 0) ui_.setProgress(50);
        if (length % 1000 == 500) ui_.setProgress(1000);
        if (byte == ']' && length >= kEndMark.size() &&
            std::memcmp(&buffer[length - kEndMark.size()], kEndMark.data(), kEndMark.size()) == 0) {
            buffer[length] = buffer[length + 1] = buffer[length + 2] = ' ';
            return length + 2;
        }
    }
    return length;
}

bool Upload::resume() {
    if (!openConfiguredPort(port_, settings_, ui_)) return false;
    configureLine(port_, ui_);
    port_.setTimeouts(TimeoutProfile::Idle);
    port_.setQueueSizes(64000, 4096);
    port_.purge();
    send(kResume);
    port_.close();
    return true;
}

}  // namespace

bool uploadChannelList(SerialPort& port, const RuntimeSettings& settings, IUserInterface& ui,
                       const std::string& uploadPath) {
    return Upload(port, settings, ui).run(uploadPath);
}

std::string filterMarkedLines(std::string_view dump) {
    std::string list;
    list.reserve(dump.size());
    const auto keep = [&list](char c) { list += c == '\0' ? ' ' : c; };
    bool inLine = false;
    bool afterBar = false;
    for (size_t i = 0; i < dump.size(); ++i) {
        const char c = dump[i];
        if (!inLine) {
            inLine = afterBar && c == '|';
            afterBar = !inLine && c == '|';
            continue;
        }
        keep(c);
        if (c == '\r' && i + 1 < dump.size()) {
            const char next = dump[++i];
            keep(next);
            if (next == '\n') inLine = false;
        }
    }
    if (!dump.empty() && dump.back() == '>') {
        // The dump stopped at the console prompt without its end line: write one over the end.
        const size_t at = list.size() >= kPromptRepairBack ? list.size() - kPromptRepairBack : 0;
        list.resize(std::max(list.size(), at + kPromptRepair.size()));
        list.replace(at, kPromptRepair.size(), kPromptRepair);
    }
    return list;
}

}  // namespace sky
