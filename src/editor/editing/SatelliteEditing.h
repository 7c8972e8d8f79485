#pragma once

#include <cstddef>

#include "editor/dialogs/DialogRunner.h"
#include "editor/document/ListEdit.h"

namespace sky {

// The satellite dialog on row `row` of the Satellite List. OK writes the name, blank flag,
// oscillator frequencies and position, then the degree converted to its stored form; a degree
// that cannot be converted is reported and keeps its old value. The satellite name list is not
// touched and no undo entry is kept. True when the token array changed.
bool editSatelliteRecord(ListEdit& list, IDialogRunner& dialogs, std::size_t row);

}  // namespace sky
