#pragma once

#include "db/ListDB.h"
#include "db/TokenArray.h"

namespace sky {

// The document's compile commands. Each compiles the list as it is shown (the token array) while
// the text file on disk is left byte for byte as it was: the file is copied aside to base.cplsrc,
// the list is saved over it, compiled into base.hex and converted into base.bin, and the copy is
// put back. The database path is the same on return as on entry.

// Basic Compile (mode 0) and Compile Normal (mode 1). Returns 1 when base.hex and base.bin were
// made.
int compileCommand(CListDB& db, const TokenArray& tokens, int mode);

// Pre-Installed Compile, 1 List or Split List: the Normal image followed by the Basic image in one
// base.hex, converted into base.bin. Returns 1 when base.bin was made.
int preInstalledCompileCommand(CListDB& db, const TokenArray& tokens, bool splitList);

// The pre-installed image build on the saved text file; returns 1 when base.bin was made (the
// document's image-ready flag).
int buildPreInstalledImage(CListDB& db);

// Saves the token array to the database path, showing "ERROR!!! Saving not Complete" on failure.
int saveList(CListDB& db, const TokenArray& tokens);

}  // namespace sky
