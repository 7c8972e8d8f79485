#pragma once

// The keyboard indicators of an X11 display, through XKB. Kept apart from the Qt code: X11's
// headers define macros that clash with Qt's names.

namespace sky::app {

// The indicator's atom on the display (0 when the server has none of that name).
unsigned long xkbIndicator(void* display, const char* name);
// Whether the indicator is lit now.
bool xkbIndicatorOn(void* display, unsigned long indicator);

}  // namespace sky::app
