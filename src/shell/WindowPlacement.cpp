#include "shell/WindowPlacement.h"

#include "shell/ColumnLayout.h"

namespace sky {

namespace {

constexpr const char* kSection = ColumnLayout::kSection;

}  // namespace

std::optional<WindowPlacement> WindowPlacement::read(const ISettingsStore& store) {
    const std::optional<int> width = store.readInt(kSection, "Window Width");
    const std::optional<int> height = store.readInt(kSection, "Window Height");
    if (!width || !height || *width < kMinimumWidth || *height < kMinimumHeight) {
        return std::nullopt;
    }
    WindowPlacement placement;
    placement.x = store.readInt(kSection, "Window X").value_or(0);
    placement.y = store.readInt(kSection, "Window Y").value_or(0);
    placement.width = *width;
    placement.height = *height;
    placement.maximised = store.readInt(kSection, "Window Maximized").value_or(0) != 0;
    const int side = store.readInt(kSection, "Message Window Side").value_or(0);
    placement.messageSide = side == 1 ? Side::Right : Side::Left;
    placement.messageShown = store.readInt(kSection, "Message Window Shown").value_or(0) != 0;
    return placement;
}

bool WindowPlacement::write(ISettingsStore& store) const {
    store.writeInt(kSection, "Window X", x);
    store.writeInt(kSection, "Window Y", y);
    store.writeInt(kSection, "Window Width", width);
    store.writeInt(kSection, "Window Height", height);
    store.writeInt(kSection, "Window Maximized", maximised ? 1 : 0);
    store.writeInt(kSection, "Message Window Side", static_cast<int>(messageSide));
    store.writeInt(kSection, "Message Window Shown", messageShown ? 1 : 0);
    return store.commit();
}

}  // namespace sky
