#pragma once

#include <string>

#include "db/Settings.h"
#include "db/TokenArray.h"
#include "db/UserInterface.h"

namespace sky {

// The channel database of one open channel list: bound to the path of its text file, it carries
// every file-level operation on the list. Each operation keeps its working tables to itself for
// the length of the call; what stays here is what callers read and set.
class CListDB {
public:
    CListDB(const RuntimeSettings& settings, IUserInterface& ui, std::string path = {});

    // Clears the run state of the last operation.
    void Reset();

    // Compiles the text file at the path into base.hex: mode 0 Basic, 1 Normal. With the
    // check-only flag set it only checks the text and writes nothing. Returns 1 on success.
    // The path ends in ".txt" afterwards.
    int Compile(int mode);

    // Checks the file at the path and appends its sections to the token array.
    int LoadChannelList(TokenArray& tokens);

    // Writes the token array to the path, keeping the previous file as base.bak.
    int SaveText(const TokenArray& tokens);

    // Turns base.hex into the download file base.bin.
    int ConvertImage();

    // Sends base.bin, or the given file, to the receiver; receives the receiver's list into the
    // upload file.
    int DownloadCurrent();
    int DownloadFile(const std::string& file);
    int UploadChannelList();

    // Full path of the channel-list text file.
    std::string path;
    // Set by the split-list compile: analog channels get their own program numbering.
    int splitList = 0;
    // 40 or 32: the number of satellite names the list must have.
    int satNameCount = 32;
    // Set around the loader's checking compile: check the text, write nothing.
    int checkOnly = 0;
    // 0 Basic, 1 Normal: the mode of the last compile.
    int compileMode = 0;
    // Set by the loader when the list must be saved straight after loading.
    int resave = 0;

    const RuntimeSettings& settings;
    IUserInterface& ui;
};

}  // namespace sky
