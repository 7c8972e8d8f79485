#include "app/frame/ResetSettings.h"

#include "app/frame/MainWindow.h"
#include "app/frame/QtUserInterface.h"
#include "app/frame/WindowLayout.h"
#include "app/list/ChannelTableView.h"

namespace sky::app {

namespace {

constexpr const char* kQuestion =
    "Reset All Settings to Their Defaults?\n\n"
    "The port, the undo levels, the colours and the window's layout go back to how they were "
    "at the first start. The lists opened last are kept.";

}  // namespace

void resetSettings(MainWindow& frame) {
    if (frame.userInterface().ask(kQuestion, Buttons::YesNo, Icon::Question, "Reset Settings") !=
        Answer::Yes) {
        return;
    }
    Settings& settings = frame.settings();
    settings.resetToDefaults();
    settings.loadInto(frame.runtime());
    frame.document().list().undoHistory().setDepth(frame.runtime().undoLevels);
    frame.table()->applyColours(settings.listColours());
    frame.table()->applyZoom(settings.listZoom());
    frame.windowLayout().applyDefaults();
}

}  // namespace sky::app
