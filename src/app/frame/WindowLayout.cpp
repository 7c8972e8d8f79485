#include "app/frame/WindowLayout.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <algorithm>

#include "app/frame/MessageWindow.h"
#include "app/list/ChannelTableView.h"
#include "shell/WindowPlacement.h"

namespace sky::app {

namespace {

Qt::DockWidgetArea areaOf(WindowPlacement::Side side) {
    return side == WindowPlacement::Side::Right ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea;
}

// The saved rectangle, moved and shrunk as little as needed to lie on the screen nearest to it.
QRect onScreen(const QRect& saved) {
    const QScreen* screen = QGuiApplication::screenAt(saved.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return saved;
    const QRect area = screen->availableGeometry();
    QRect placed(saved.topLeft(), saved.size().boundedTo(area.size()));
    placed.moveLeft(std::clamp(placed.left(), area.left(), area.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), area.top(), area.bottom() - placed.height() + 1));
    return placed;
}

}  // namespace

WindowLayout::WindowLayout(QMainWindow& window, ISettingsStore& store, ChannelTableView& table,
                           MessageWindow& messages)
    : window_(window), store_(store), table_(table), messages_(messages), columns_(store) {
    table_.setColumnLayout(&columns_);
    table_.applyColumnLayout();
    if (const std::optional<WindowPlacement> placement = WindowPlacement::read(store_)) {
        window_.addDockWidget(areaOf(placement->messageSide), &messages_);
        messages_.setVisible(placement->messageShown);
    }
}

void WindowLayout::showPlaced() {
    const std::optional<WindowPlacement> placement = WindowPlacement::read(store_);
    if (!placement) {
        window_.showMaximized();
        return;
    }
    window_.setGeometry(
        onScreen(QRect(placement->x, placement->y, placement->width, placement->height)));
    if (placement->maximised) {
        window_.showMaximized();
    } else {
        window_.show();
    }
}

bool WindowLayout::save() {
    // A maximised window keeps the place it had before, to go back to when it is restored.
    const bool maximised = window_.isMaximized();
    const QRect normal = maximised ? window_.normalGeometry() : window_.geometry();
    WindowPlacement placement;
    placement.x = normal.x();
    placement.y = normal.y();
    placement.width = std::max(normal.width(), WindowPlacement::kMinimumWidth);
    placement.height = std::max(normal.height(), WindowPlacement::kMinimumHeight);
    placement.maximised = maximised;
    placement.messageSide = window_.dockWidgetArea(&messages_) == Qt::RightDockWidgetArea
                                ? WindowPlacement::Side::Right
                                : WindowPlacement::Side::Left;
    placement.messageShown = !messages_.isHidden();
    return placement.write(store_);
}

void WindowLayout::beforeCommand(Command command) {
    if (command != Command::ViewDetail) return;
    columns_.reset({ViewKind::Detail, true});
    columns_.reset({ViewKind::Detail, false});
}

void WindowLayout::applyDefaults() {
    columns_.resetAll();
    table_.applyColumnLayout();
    messages_.setFloating(false);
    window_.addDockWidget(Qt::LeftDockWidgetArea, &messages_);
    messages_.hide();
    if (window_.isVisible()) window_.showMaximized();
}

}  // namespace sky::app
