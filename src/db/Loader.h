#pragma once

#include <cstddef>
#include <memory>
#include <span>
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

class ListLoader;

// The reading of readChannelListText() with the lines handed over one at a time, from a pass
// over the text that reads them anyway (the check's): the list's text is then split into lines
// once. The messages of the reading are kept until finish().
class ListTextReader {
public:
    // Appends to tokens; textSize sizes the array for the list.
    ListTextReader(TokenArray& tokens, std::size_t textSize);
    ~ListTextReader();
    ListTextReader(const ListTextReader&) = delete;
    ListTextReader& operator=(const ListTextReader&) = delete;

    // The next line of the text, as LineReader gives it, with its number, and the row's fields
    // when the pass has split it into all of its section's fields already (none otherwise).
    // Lines after the list's end ("[END]") or after a refused line are passed over.
    void take(std::string_view line, int lineNumber, std::span<const std::string_view> fields);
    // After the last line: shows the reading's messages in order and says how it came out.
    LoadResult finish(IUserInterface& ui);

private:
    std::unique_ptr<ListLoader> loader_;
};

}  // namespace sky
