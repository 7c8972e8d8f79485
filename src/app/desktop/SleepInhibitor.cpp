#include "app/desktop/SleepInhibitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>

namespace sky::app {

namespace {

// A logind that does not answer within this does not hold up the transfer longer.
constexpr int kCallTimeoutMs = 2000;

QString& busAddress() {
    static QString address;
    return address;
}

QDBusConnection bus() {
    if (busAddress().isEmpty()) return QDBusConnection::systemBus();
    return QDBusConnection::connectToBus(busAddress(), "skylister-inhibit:" + busAddress());
}

}  // namespace

void SleepInhibitor::setBusAddress(const QString& address) {
    busAddress() = address;
}

SleepInhibitor::SleepInhibitor(const QString& reason) {
    QDBusConnection connection = bus();
    if (!connection.isConnected()) return;
    QDBusMessage call =
        QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                       "org.freedesktop.login1.Manager", "Inhibit");
    call << QString("sleep:idle") << QString("Skylister") << reason << QString("block");
    const QDBusMessage reply = connection.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) return;
    lock_ = qdbus_cast<QDBusUnixFileDescriptor>(reply.arguments().front());
}

}  // namespace sky::app
