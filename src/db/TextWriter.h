#pragma once

#include <string>

#include "common/UserInterface.h"
#include "db/TokenArray.h"

namespace sky {

// The channel-list text of the token array, as writeChannelList() writes it: each section with
// its header block and its rows padded to the columns.
std::string channelListText(const TokenArray& tokens);

// Writes the token array to the channel-list text file at path, each section with its header
// block and its rows padded to the columns, keeping the previous file as base.bak. The file is
// replaced whole or not at all; a failure has shown its message.
bool writeChannelList(const std::string& path, const TokenArray& tokens, IUserInterface& ui);

}  // namespace sky
