#include "app/frame/XkbIndicators.h"

#include <X11/XKBlib.h>

namespace sky::app {

unsigned long xkbIndicator(void* display, const char* name) {
    return XInternAtom(static_cast<Display*>(display), name, True);
}

bool xkbIndicatorOn(void* display, unsigned long indicator) {
    if (indicator == None) return false;
    Bool on = False;
    XkbGetNamedIndicator(static_cast<Display*>(display), indicator, nullptr, &on, nullptr, nullptr);
    return on;
}

}  // namespace sky::app
