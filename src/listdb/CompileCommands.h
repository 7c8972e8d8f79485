#pragma once

#include "db/TokenArray.h"
#include "listdb/ListFile.h"

namespace sky {

// The document's compile commands. Each compiles the list as it is shown (the token array) from
// its text in memory, writes base.hex whole and converts it into base.bin; the text file on disk is
// never rewritten. Beside them stays base.bak, a copy of the text file, as a save leaves it. A
// failure has shown its message and leaves no base.hex.

// Basic Compile and Compile Normal. Returns true when base.hex and base.bin were made.
bool compileCommand(ListFile& db, const TokenArray& tokens, CompileMode mode);

// Pre-Installed Compile, 1 List or Split List: the Normal image followed by the Basic image in one
// base.hex, converted into base.bin. Returns true when base.bin was made.
bool preInstalledCompileCommand(ListFile& db, const TokenArray& tokens, bool splitList);

// The pre-installed image of the token array, without the backup (Save + Compile + Download has
// just saved); returns true when base.bin was made (the document's image-ready flag).
bool buildPreInstalledImage(ListFile& db, const TokenArray& tokens);

// Saves the token array to the database path, showing "ERROR!!! Saving not Complete" on failure.
bool saveList(ListFile& db, const TokenArray& tokens);

}  // namespace sky
