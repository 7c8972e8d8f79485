#pragma once

#include <string>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "serial/TransferHistory.h"
#include "shell/Settings.h"

namespace sky {

// Keeps a copy of a list the window has just sent (its text file and the image beside it) or
// fetched (the upload file, through the port's device) in the history, within the room the
// settings give it. A copy that cannot be kept is said in one message; the transfer itself has
// succeeded all the same.
void keepSentCopy(IUserInterface& ui, const Settings& settings, const std::string& listPath);
void keepFetchedCopy(IUserInterface& ui, const Settings& settings, const std::string& uploadPath,
                     const RuntimeSettings& runtime);

}  // namespace sky
