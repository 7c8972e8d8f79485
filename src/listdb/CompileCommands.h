#pragma once

#include "db/TokenArray.h"
#include "listdb/ListDB.h"

namespace sky {

// The document's compile commands. Each compiles the list as it is shown (the token array) while
// the text file on disk is left byte for byte as it was: the file is copied aside to base.cplsrc,
// the list is saved over it, compiled into base.hex and converted into base.bin, and the copy is
// put back. The database path is the same on return as on entry.

// Basic Compile and Compile Normal. Returns true when base.hex and base.bin were made.
bool compileCommand(CListDB& db, const TokenArray& tokens, CompileMode mode);

// Pre-Installed Compile, 1 List or Split List: the Normal image followed by the Basic image in one
// base.hex, converted into base.bin. Returns true when base.bin was made.
bool preInstalledCompileCommand(CListDB& db, const TokenArray& tokens, bool splitList);

// The pre-installed image build on the saved text file; returns true when base.bin was made (the
// document's image-ready flag).
bool buildPreInstalledImage(CListDB& db);

// Saves the token array to the database path, showing "ERROR!!! Saving not Complete" on failure.
bool saveList(CListDB& db, const TokenArray& tokens);

}  // namespace sky
