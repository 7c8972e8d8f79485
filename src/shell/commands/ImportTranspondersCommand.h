#pragma once

#include <optional>

#include "editor/scan/NewSatellite.h"
#include "editor/scan/TransponderImport.h"
#include "shell/commands/FileCommandContext.h"

namespace sky {

// The user's Import in Import Transponders' dialog: the preview with its ticks, and the new
// satellite row the rows go to when that is the satellite chosen.
struct TransponderChoice {
    ImportPreview preview;
    std::optional<NewSatellite> newSatellite;
};

// Import Transponders: the window's dialog picks a scan table and a satellite and shows the
// preview; the ticked transponders are added as one undoable step. Returns the rows added.
std::size_t importTranspondersFromTable(FileCommandContext context);

}  // namespace sky
