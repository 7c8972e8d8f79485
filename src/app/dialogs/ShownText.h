#pragma once

#include <QString>
#include <string>

namespace sky::app {

// A text of the program as a window shows it: its line breaks, written "\r\n", "\n\r" or "\r",
// become single breaks.
inline QString shownText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

}  // namespace sky::app
