#pragma once

#include "shell/Settings.h"
#include "shell/commands/CommandTable.h"

namespace sky::app {

class ChannelTableView;

// Zoom In, Zoom Out or Normal Size: the list's text a point larger, a point smaller or at the
// desktop's size, kept in the settings for the next start.
void zoomList(Settings& settings, ChannelTableView& table, Command command);

}  // namespace sky::app
