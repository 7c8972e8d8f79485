#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/RuntimeSettings.h"
#include "shell/SettingsStore.h"

namespace sky {

// A colour of the lists, one byte a component.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    // The registry's 32-bit form: red + 256 × green + 65536 × blue.
    unsigned value() const {
        return static_cast<unsigned>(red) + 256u * static_cast<unsigned>(green) +
               65536u * static_cast<unsigned>(blue);
    }
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colours the lists are drawn in.
struct ListColours {
    Rgb text;
    Rgb background;
    // The user picked colours (the "Font Size"/"Font Name" marker is set); otherwise the list
    // takes the desktop's palette and the two colours above mean nothing.
    bool saved = false;
    friend bool operator==(const ListColours&, const ListColours&) = default;
};

// The persisted settings with their sections, keys and defaults, typed, over a store; among them
// the device path behind each of COM1 to COM4, the five lists opened last and the window's layout.
class Settings {
public:
    static constexpr const char* kSection = "Skylister";
    static constexpr int kRecentFiles = 5;
    static constexpr Rgb kDefaultText{0, 0, 255};
    static constexpr Rgb kDefaultBackground{192, 192, 192};

    explicit Settings(ISettingsStore& store) : store_(store) {}

    // "CommPort Num"/"Number", default 1. Any stored number is returned as it is.
    int comPort() const;
    void setComPort(int port);

    // "Skylister"/"RecentFolderPath": the folder of the list opened last; nothing while the
    // value is absent or "ERROR".
    std::optional<std::string> recentFolder() const;
    void setRecentFolder(const std::string& folder);

    // The list's colours: the saved colours when the font marker is set, else none (`saved`
    // false), meaning the desktop's palette.
    ListColours listColours() const;
    // The saved colours with their defaults (blue text on grey), as the option dialog starts.
    Rgb savedTextColour() const;
    Rgb savedBackgroundColour() const;
    // Writes the font marker ("Font Size" 10, "Font Name" "system") and both colours.
    void saveColours(const Rgb& text, const Rgb& background);

    // "Skylister"/"List Zoom": points added to the desktop's font size in the lists (Ctrl+Plus,
    // Ctrl+Minus; Ctrl+0 puts back 0), kMinZoom to kMaxZoom; a stored number outside is taken as
    // the nearer end.
    static constexpr int kMinZoom = -4;
    static constexpr int kMaxZoom = 24;
    int listZoom() const;
    void setListZoom(int points);

    // The terminal device behind COM1 to COM4 ("CommPort Devices"/"COM1" ...), by default
    // /dev/ttyS0 to /dev/ttyS3.
    std::string portDevice(int port) const;
    void setPortDevice(int port, const std::string& device);

    // "Skylister"/"Undo Levels": the undo steps kept, 5 unless set; a stored number outside 5 to
    // 200 is taken as the nearest of the two.
    int undoLevels() const;
    void setUndoLevels(int levels);

    // "Skylister"/"History MB": the room the history of lists sent and fetched may take, in
    // megabytes; 200 unless set, at least 1.
    int historyLimitMb() const;
    void setHistoryLimitMb(int megabytes);

    // The lists opened last, newest first, at most five ("Recent File List"/"File1" ...).
    std::vector<std::string> recentFiles() const;
    // Puts a list at the top, dropping an older entry of the same path and the sixth.
    void addRecentFile(const std::string& path);

    // "Scan Tables"/NAME: the scan table the user chose for Check Transponders for the satellite
    // of that name (as the list writes it); nothing while none was chosen. An empty path forgets
    // the choice.
    std::optional<std::string> scanTableFor(const std::string& satellite) const;
    void setScanTableFor(const std::string& satellite, const std::string& path);

    // Reset Settings: every setting back to its default, the port, the devices, the undo levels,
    // the colours, the window's layout and whatever else is kept; the lists opened last and the
    // folder of the last one are kept, as they are no setting.
    void resetToDefaults();

    // The port number, the devices and the undo levels into the settings the core reads.
    void loadInto(RuntimeSettings& runtime) const;

    // After the first change that could not be written to the store: the message saying so, once
    // in a run; nothing otherwise.
    std::optional<std::string> takeWriteProblem();

private:
    // Commits the store after a change and notes a failure.
    void commit();

    int readInt(const char* key, int fallback) const;
    Rgb readColour(const char* name, const Rgb& fallback) const;
    void writeColour(const char* name, const Rgb& colour);

    ISettingsStore& store_;
    bool writeFailed_ = false;
    bool writeProblemTaken_ = false;
};

}  // namespace sky
