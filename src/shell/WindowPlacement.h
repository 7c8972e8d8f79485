#pragma once

#include <optional>

#include "shell/SettingsStore.h"

namespace sky {

// Where the main window stood when it closed, kept in the settings' "Layout" section: its
// normal place and size, whether it was maximised, and where the message window was docked and
// whether it was shown.
struct WindowPlacement {
    enum class Side { Left, Right };

    static constexpr int kMinimumWidth = 320;
    static constexpr int kMinimumHeight = 240;

    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximised = false;
    Side messageSide = Side::Left;
    bool messageShown = false;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;

    // The placement saved; nothing before the first save, or when the size saved is below the
    // minimum (a damaged value), so that the window takes its first-start size.
    static std::optional<WindowPlacement> read(const ISettingsStore& store);
    // Writes and commits it; false when the store could not be written.
    bool write(ISettingsStore& store) const;
};

}  // namespace sky
