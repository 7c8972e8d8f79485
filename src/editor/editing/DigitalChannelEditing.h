#pragma once

#include <cstddef>

#include "editor/dialogs/DialogRunner.h"
#include "editor/document/ListDocument.h"

namespace sky {

// The digital channel dialog on a row of the Digital Channel view: OK writes the edited channel
// (matching its transponder), Delete removes it after a question, Insert Null puts a null
// channel after it. True when the token array changed.
bool adjustDigitalChannel(ListEdit& list, IDialogRunner& dialogs, std::size_t row);

// The digital channel dialog for a new digital or PID channel, appended to its section. Records
// the undo entry "New Dig Channel" when the user confirms and drops it when the channel is
// refused. True when the token array changed.
bool newDigitalChannel(ListDocument& document, IDialogRunner& dialogs);

}  // namespace sky
