#pragma once

#include <cstddef>

#include "editor/dialogs/DialogRunner.h"
#include "editor/document/ListDocument.h"

namespace sky {

// The analog channel dialog on a row of the Analog Channel view: OK writes the edited channel,
// Delete removes it after a question, Insert Null puts a null channel after it. A stored word
// outside a field's vocabulary is reported when the dialog opens, and for most fields refuses
// the edit. True when the token array changed.
bool adjustAnalogChannel(ListEdit& list, IDialogRunner& dialogs, std::size_t row);

// The analog channel dialog for a new channel, appended to the analog section. Records the undo
// entry "New Ana Channel" when the user confirms and drops it when the channel is refused. True
// when the token array changed.
bool newAnalogChannel(ListDocument& document, IDialogRunner& dialogs);

}  // namespace sky
