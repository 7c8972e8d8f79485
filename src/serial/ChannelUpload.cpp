#include "serial/ChannelUpload.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <new>
#include <optional>

#include "common/Format.h"
#include "db/FileIo.h"
#include "db/SiblingPath.h"
#include "serial/PortSelection.h"
#include "serial/ReceivedLists.h"
#include "serial/TransferCancel.h"
#include "serial/TransferLog.h"

namespace sky {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEscape{"\x1b\0", 2};
constexpr std::string_view kResume = "go\r\n";
constexpr std::string_view kListStart = "[SATELLITE_NAME_LIST]";
constexpr std::string_view kEndMark = "[END]";
constexpr std::string_view kMark = "||";
constexpr std::string_view kPromptEndLine = "[END]\r\n";

constexpr int kKeyWaitMs = 50;
constexpr int kDumpDelayMs = 100;
// Room made at the start for a typical list; the buffer grows beyond it as the dump comes.
constexpr size_t kTypicalDump = 512 * 1024;
// The most one read takes: at the line's 11,520 bytes a second a full read lasts about 0.36 s,
// so a cancel between reads is still seen within a second.
constexpr size_t kReadChunk = 4096;
// The amount received is reported every this many bytes.
constexpr size_t kReportBytes = 500;
// The position the indicator stays below until the dump has ended: an estimate of its size is
// no more than that.
constexpr int kMostBeforeTheEnd = 99;

// How the reception of a dump ended.
enum class DumpEnd { EndLine, Silence, Full, Cancelled };

class Upload {
public:
    Upload(SerialPort& port, const RuntimeSettings& settings, IUserInterface& ui, size_t limit,
           bool announceSuccess)
        : port_(port),
          settings_(settings),
          log_(ui),
          limit_(limit),
          announceSuccess_(announceSuccess) {}

    bool run(const std::string& uploadPath);

private:
    void send(std::string_view bytes) {
        port_.write(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    void wakeConsole();
    bool probe();
    void typeDumpCommand();
    DumpEnd receive(std::string& dump);
    void report(size_t from, size_t to);
    // Ends a dump that reached the disk: the received list is kept under its own name as well,
    // and the result is told. `where` is the file named to the user.
    bool finish(bool complete, const std::string& where);
    bool resume();
    // True, with the port closed, the cancel told and the receiver sent back from its console,
    // once the user has cancelled.
    bool cancelled();
    // Ends the upload with the message in a box and the port closed, unless the user has
    // cancelled: then it ends as a cancel, without a box. A port that has failed is told as the
    // device's going away instead of the message.
    bool fail(const std::string& message);

    SerialPort& port_;
    const RuntimeSettings& settings_;
    TransferLog log_;
    IUserInterface& ui_ = log_;
    const size_t limit_;
    const bool announceSuccess_;
    // The size the dump may be expected to have, from the list received last; nothing when
    // there is none.
    std::optional<uint64_t> expected_;
    bool cancelled_ = false;
    // The device failed during the reception: the receiver cannot be resumed through it.
    bool gone_ = false;
};

// Whether the dump ended at the console prompt after a whole row, only without its end line. A
// console prints its prompt after the last row's line break, with or without an empty line
// before it; a row cut short is left to the list's own check, which names its line. A prompt
// printed as a marked line (a partial last line) follows the row's own line break.
bool endsAtPrompt(std::string_view dump) {
    if (dump.empty() || dump.back() != '>') return false;
    const size_t mark = dump.rfind(kMark);
    if (mark == std::string_view::npos) return false;
    if (dump.find(kLineEnd, mark + kMark.size()) != std::string_view::npos) return true;
    return dump.substr(0, mark).ends_with(kLineEnd);
}

// Creates (or truncates) a file for writing without following a symbolic link at its place.
int createFile(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
}

// Writes and closes the file; false if any of it failed.
bool writeAndClose(int fd, std::string_view data) {
    const bool written = writeAll(fd, data);
    return ::close(fd) == 0 && written;
}

bool Upload::cancelled() {
    if (!cancelled_ && stopIfCancelled(ui_, port_)) {
        cancelled_ = true;
        // The console was woken: without "go" the receiver would stay in it.
        resume();
    }
    return cancelled_;
}

bool Upload::fail(const std::string& message) {
    // A cancel cuts the waits short, so that a failure that follows it is the cancel's doing.
    if (cancelled()) return false;
    // Whatever step failed, a device that failed under it is the cause worth telling.
    const bool gone = port_.failed();
    port_.close();
    ui_.message(gone ? kDeviceGoneMessage : message);
    return false;
}

bool Upload::run(const std::string& uploadPath) {
    ui_.clearMessages();
    expected_ = expectedDumpSize(uploadPath);
    const TransferHooks hooks(port_, ui_);
    if (!openConfiguredPort(port_, settings_, ui_)) return false;
    ui_.appendMessage("Waking the receiver's console...\r\n");
    configureLine(port_, ui_);
    port_.setTimeouts(TimeoutProfile::Idle);
    port_.purge();

    wakeConsole();
    if (!probe()) return fail("CHECK if Receiver's Power is turned ON\r\nAnd TRY AGIAN!!!");
    port_.setTimeouts(TimeoutProfile::Idle);
    ui_.appendMessage("Receiving the channel list...\r\n");
    std::string dump;
    DumpEnd end = DumpEnd::Cancelled;
    try {
        dump.reserve(std::min(kTypicalDump, limit_));
        if (cancelled()) return false;
        typeDumpCommand();
        end = receive(dump);
    } catch (const std::bad_alloc&) {
        return fail("Fail to Memory Allocation for Upload");
    }
    if (end == DumpEnd::Cancelled) return false;
    gone_ = port_.failed();
    port_.close();
    // A console that printed its prompt after the last row and then fell silent had finished.
    bool complete = end == DumpEnd::EndLine || (end == DumpEnd::Silence && endsAtPrompt(dump));

    const int uploadFd = createFile(uploadPath);
    if (uploadFd < 0) {
        ui_.message(format("Fail to open output file %s\n", uploadPath.c_str()));
        resume();
        return false;
    }
    const bool dumpWritten = writeAndClose(uploadFd, dump);
    const std::string filterPath =
        siblingPath(uploadPath, "Temp.txt").value_or(uploadPath + "Temp");
    const int filterFd = createFile(filterPath);
    if (filterFd < 0) {
        ui_.message(format("Fail to open output file %s\n", filterPath.c_str()));
        resume();
        return false;
    }
    const std::string list = filterMarkedLines(dump);
    dump = {};

    complete = complete && list.compare(0, kListStart.size(), kListStart) == 0;
    // A list that did not reach the disk whole must not be reported as received, nor as kept.
    if (!writeAndClose(filterFd, list) || !dumpWritten ||
        std::rename(filterPath.c_str(), uploadPath.c_str()) != 0) {
        ui_.message(format("Fail to write output file %s\n", uploadPath.c_str()));
        resume();
        return false;
    }

    // Each reception is kept under a name of its own, which the next upload leaves alone.
    const std::optional<std::string> kept =
        keepReceivedList(uploadPath, list, std::chrono::system_clock::now());
    if (kept) pruneKeptLists(uploadPath, *kept);
    return finish(complete, kept.value_or(uploadPath));
}

bool Upload::finish(bool complete, const std::string& where) {
    if (gone_) {
        ui_.message(
            format("%s\nWhat was received is kept in %s", kDeviceGoneMessage, where.c_str()));
        return false;
    }
    if (!resume()) return false;
    if (!complete) {
        ui_.message(
            format("ERROR: Uploading is not complete. try again\n"
                   "What was received is kept in %s",
                   where.c_str()));
        return false;
    }
    ui_.appendMessage(format("The received list is kept in %s\r\n", where.c_str()));
    if (announceSuccess_) {
        ui_.message("Uploading SUCESS");
    } else {
        ui_.endProgress();
        ui_.appendMessage("Uploading SUCESS\r\n");
    }
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

DumpEnd Upload::receive(std::string& dump) {
    uint8_t chunk[kReadChunk];
    while (dump.size() < limit_) {
        if (cancelled()) return DumpEnd::Cancelled;
        const size_t got = port_.read(chunk, std::min(sizeof chunk, limit_ - dump.size()));
        // An idle read comes back empty only after the silence limit, at a cancel or when the
        // device has failed, so the first empty read ends the reception with what has come.
        if (got == 0) return cancelled() ? DumpEnd::Cancelled : DumpEnd::Silence;
        const size_t before = dump.size();
        dump.append(reinterpret_cast<const char*>(chunk), got);
        report(before, dump.size());
        // The end mark may have begun in the previous read.
        const size_t from = before - std::min(before, kEndMark.size() - 1);
        const size_t mark = dump.find(kEndMark, from);
        if (mark != std::string::npos) {
            // What follows the mark is the console's; two spaces end the line instead.
            dump.resize(mark + kEndMark.size());
            dump += "  ";
            return DumpEnd::EndLine;
        }
    }
    return DumpEnd::Full;
}

void Upload::report(size_t from, size_t to) {
    if (from / kReportBytes == to / kReportBytes) return;
    ui_.transferAmount(to);
    // The list received last tells how far this one has come; without it only the amount and
    // the rate are shown.
    if (expected_ && *expected_ > 0) {
        ui_.setProgress(static_cast<int>(
            std::min<uint64_t>(kMostBeforeTheEnd, uint64_t{to} * 100 / *expected_)));
    }
}

bool Upload::resume() {
    if (gone_) return false;
    if (!openConfiguredPort(port_, settings_, ui_)) return false;
    configureLine(port_, ui_);
    port_.setTimeouts(TimeoutProfile::Idle);
    port_.purge();
    send(kResume);
    port_.close();
    return true;
}

}  // namespace

bool uploadChannelList(SerialPort& port, const RuntimeSettings& settings, IUserInterface& ui,
                       const std::string& uploadPath, size_t limit, bool announceSuccess) {
    return Upload(port, settings, ui, limit, announceSuccess).run(uploadPath);
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
    if (endsAtPrompt(dump)) {
        // The end line takes the place of the prompt, after the last whole row; a partial line at
        // the end is a prompt printed as a marked line.
        const size_t lineEnd = list.rfind(kLineEnd);
        list.resize(lineEnd == std::string::npos ? 0 : lineEnd + kLineEnd.size());
        list += kPromptEndLine;
    }
    return list;
}

}  // namespace sky
