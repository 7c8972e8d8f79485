#pragma once

#include <QDBusUnixFileDescriptor>
#include <QString>

namespace sky::app {

// Keeps the machine from sleeping or idling while it lives: a logind inhibitor lock
// ("sleep:idle", "block"), held as the file descriptor logind hands out and let go by closing it.
// Without a system bus or without logind (a container) nothing happens and nothing is said.
class SleepInhibitor {
public:
    static constexpr const char* kTransferReason = "Sending the channel list to the receiver";

    explicit SleepInhibitor(const QString& reason);
    SleepInhibitor(const SleepInhibitor&) = delete;
    SleepInhibitor& operator=(const SleepInhibitor&) = delete;

    bool held() const { return lock_.isValid(); }

    // The bus asked instead of the system bus; empty: the system bus. Tests point it at a
    // stand-in.
    static void setBusAddress(const QString& address);

private:
    QDBusUnixFileDescriptor lock_;
};

}  // namespace sky::app
