#pragma once

#include <QColor>
#include <QPalette>

namespace sky::app {

// The background of a marked cell over a palette's Base and Text (the library's rule), so that the
// mark shows and its text stays readable in light and dark themes.
QColor markColour(const QPalette& palette);

}  // namespace sky::app
