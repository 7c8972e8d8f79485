#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/UserInterface.h"
#include "compiler/CompiledImage.h"
#include "db/TokenArray.h"

namespace sky {

enum class CompileMode { Basic, Normal };

// One compile of a channel-list text file.
struct CompileJob {
    // The text file; it must end in ".txt" or ".TXT". The image and the files made on the way
    // are named by replacing that ending.
    std::string path;
    // Basic writes base.hex with the file's own indexes and a satellite-name table; Normal builds
    // base.tmp, then base.hex with a counts header and numbered channels.
    CompileMode mode = CompileMode::Basic;
    // Check the text only and write nothing.
    bool checkOnly = false;
    // Analog channels get a program numbering of their own (the split list).
    bool splitList = false;
    // The number of satellite names the list must have: 32 or 40.
    int satNameCount = 32;
};

// Runs the job. Returns true on success; a failure has shown its message, naming the line.
bool compileList(const CompileJob& job, IUserInterface& ui);

// How a text is compiled: the job's settings without its file.
struct CompileOptions {
    CompileMode mode = CompileMode::Basic;
    bool splitList = false;
    int satNameCount = 32;
};

// Compiles a channel list's text in memory; no file is read or written. Returns the image's hex
// text, as compileList() writes it to base.hex; on failure nothing, with the message compileList()
// would have shown (naming the line) in `failure`, which stays empty on success.
std::optional<std::string> compileText(std::string_view text, const CompileOptions& options,
                                       std::string& failure);
// Compiles the list held in a token array exactly as compileText() compiles the text
// channelListText() writes of it, without writing that text. Returns the image itself, whose
// hexText() is what compileText() returns.
std::optional<CompiledImage> compileTokens(const TokenArray& tokens, const CompileOptions& options,
                                           std::string& failure);
// Checks a channel list's text as the compile does, building nothing; false with the message
// (naming the line) in `failure`, which a few refusals leave empty, as does an acceptance.
bool checkText(std::string_view text, int satNameCount, std::string& failure);

// Receives each line a check reads (quotes prepared as LineReader gives them) with its number,
// and for a row whose section's fields the check found all of, those fields, as splitFields()
// gives them (otherwise none): a reader need not split the row again.
using LineSink = std::function<void(std::string_view line, int lineNumber,
                                    std::span<const std::string_view> fields)>;
// The check above, handing every line it reads to `sink` on the way: a reader of the list's text
// takes its lines from there instead of reading the text a second time. The lines stop where the
// check stops, so a reader has seen the whole list only when the check accepted it.
bool checkText(std::string_view text, int satNameCount, std::string& failure, LineSink sink);

}  // namespace sky
