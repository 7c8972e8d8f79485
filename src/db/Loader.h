#pragma once

#include <string>
#include <string_view>

#include "common/UserInterface.h"
#include "db/TokenArray.h"

namespace sky {

enum class LoadResult {
    Failed,
    Loaded,
    // Loaded, with a channel that has no service ID or no transponder: the list is to be saved
    // again straight after loading.
    MustResave,
};

// Reads the sections of a channel-list text file and appends them to tokens, each between its
// markers, one element per field: the rows of a repeated section under its first header, and
// the empty sections the list views rely on added where the file had none. The file is read as
// it is; checking it first is the caller's part. A failure has shown its message.
LoadResult readChannelList(const std::string& file, TokenArray& tokens, IUserInterface& ui);
// The same over a list's text in memory.
LoadResult readChannelListText(std::string_view text, TokenArray& tokens, IUserInterface& ui);

}  // namespace sky
