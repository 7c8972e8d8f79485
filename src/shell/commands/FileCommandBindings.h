#pragma once

#include "shell/commands/FileCommandContext.h"

namespace sky {

class CommandRouter;

// Binds the commands that take from other files or give to them, over the open list: Apply Order
// from List, Save as Reference, Import Transponders, Import Channels, Export CSV, Export HTML and
// Copy.
void bindFileCommands(CommandRouter& router, FileCommandContext context);

}  // namespace sky
