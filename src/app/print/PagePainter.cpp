#include "app/print/PagePainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace sky::app {

namespace {

QRectF qtRect(const PrintRect& rect) {
    return QRectF(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace

PagePainter::PagePainter(PrintSource source) : source_(std::move(source)) {
    titleFont_ = source_.font;
    titleFont_.setPixelSize(source_.font.pixelSize() + kTitleFontExtraHeight);
    titleFont_.setWeight(static_cast<QFont::Weight>(kTitleFontWeight));
}

std::optional<PrintLayout> PagePainter::layoutFor(const QPrinter& printer) const {
    const PrintMetrics metrics{printer.width(),
                               printer.height(),
                               printer.logicalDpiY(),
                               source_.screenDpiY,
                               QFontMetrics(source_.font).averageCharWidth(),
                               source_.rowHeight};
    return layoutPrint(metrics, source_.columns, source_.rowCount);
}

bool PagePainter::print(QPrinter& printer) const {
    const std::optional<PrintLayout> layout = layoutFor(printer);
    if (!layout) return true;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setTransform(QTransform::fromScale(layout->horizontalScale, layout->verticalScale));
    // Fine lines, half a list pixel wide: they scale with the page, so the preview shows them
    // as the paper will.
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBackground(Qt::white);
    bool ok = true;
    for (int n = 1; ok && n <= layout->pageCount; ++n) {
        if (n > 1) ok = printer.newPage();
        const std::optional<PrintedPage> page = layoutPage(
            *layout, source_.columns, source_.cellText, n, source_.title, source_.dateText);
        if (ok && page) drawPage(painter, *page);
    }
    return painter.end() && ok && printer.printerState() != QPrinter::Error;
}

void PagePainter::drawPage(QPainter& painter, const PrintedPage& page) const {
    for (const PrintText& text : page.texts) {
        const QRectF rect = qtRect(text.rect);
        const QString shown = QString::fromStdString(text.text);
        const Qt::Alignment horizontal =
            text.align == PrintAlign::Right ? Qt::AlignRight : Qt::AlignLeft;
        painter.setFont(text.titleFont ? titleFont_ : source_.font);
        if (text.outlined) {
            painter.drawRect(rect);
            // One line, clipped to the cell and clear of its outline.
            painter.drawText(rect.adjusted(2, 0, -1, 0), horizontal | Qt::AlignVCenter, shown);
        } else {
            // The title is taller than its band: it grows downwards into the free rows below.
            const Qt::Alignment vertical = text.titleFont ? Qt::AlignTop : Qt::AlignVCenter;
            painter.drawText(rect, horizontal | vertical | Qt::TextDontClip, shown);
        }
    }
    for (const PrintLine& line : page.lines) painter.drawLine(line.x1, line.y, line.x2, line.y);
}

}  // namespace sky::app
