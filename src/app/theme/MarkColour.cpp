#include "app/theme/MarkColour.h"

#include "shell/ColourContrast.h"

namespace sky::app {

namespace {

Rgb rgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

}  // namespace

QColor markColour(const QPalette& palette) {
    const Rgb mark =
        sky::markColour(rgb(palette.color(QPalette::Base)), rgb(palette.color(QPalette::Text)));
    return QColor(mark.red, mark.green, mark.blue);
}

}  // namespace sky::app
