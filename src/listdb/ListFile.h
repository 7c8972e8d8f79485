#pragma once

#include <string>
#include <string_view>

#include "common/RuntimeSettings.h"
#include "common/UserInterface.h"
#include "compiler/Compile.h"
#include "db/Loader.h"
#include "db/TokenArray.h"

namespace sky {

// The channel database of one open channel list: bound to the path of its text file, it carries
// every file-level operation on the list, over the text format, the compiler and the serial
// transfers. Each operation keeps its working tables to itself for the length of the call; what
// stays here is what callers read and set. A failed operation has shown its message.
class ListFile {
public:
    ListFile(const RuntimeSettings& settings, IUserInterface& ui, std::string path = {});
    // The database keeps a reference to the settings: a temporary would be gone before it is read.
    ListFile(const RuntimeSettings&& settings, IUserInterface& ui, std::string path = {}) = delete;

    // Compiles the text file at the path into base.hex (Normal: by way of base.tmp). The path
    // ends in lower-case ".txt" afterwards.
    bool compile(CompileMode mode);

    // Checks the text file at the path as the compile does, writing nothing.
    bool check();

    // Checks the file at the path, then appends its sections to the token array.
    LoadResult loadChannelList(TokenArray& tokens);
    // The same over a list's text in memory.
    LoadResult loadText(std::string_view text, TokenArray& tokens);

    // Writes the token array to the path, keeping the previous file as base.bak.
    bool saveText(const TokenArray& tokens);

    // Turns base.hex into the download file base.bin.
    bool convertImage();

    // Sends base.bin, or the given file, to the receiver; receives the receiver's list into the
    // upload file, whose path the caller gives (the document's, in its private temporary folder);
    // a success is shown in a box when announceSuccess is set.
    bool downloadCurrent();
    bool downloadFile(const std::string& file);
    bool uploadChannelList(const std::string& uploadPath, bool announceSuccess = true);

    // Full path of the channel-list text file.
    std::string path;
    // Set by the split-list compile: analog channels get their own program numbering.
    bool splitList = false;
    // The mode of the last compile.
    CompileMode compileMode = CompileMode::Basic;

    const RuntimeSettings& settings;
    IUserInterface& ui;

    // The number of satellite names a list must have: 32, or 40 with the setting.
    int satNameCount() const;

private:
    CompileJob job(CompileMode mode, bool checkOnly) const;
};

}  // namespace sky
