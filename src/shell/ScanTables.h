#pragma once

// The scan tables as the window's dialogs show them: a table's rows, the tables of a folder and
// their names, read by the database layer.
#include "db/scan/ScanTable.h"
#include "db/scan/ScanTableFiles.h"
