#include "shell/AboutText.h"

#include "common/ProgramVersion.h"

namespace sky {

std::string aboutProgramName() {
    return std::string("Skylister ") + kProgramVersion;
}

std::string aboutHistory() {
    static const char* const kPieces[] = {
        "\r\nVersion 1.2.1\t2001.02.23\r\n",
        "Bug at NT environment fixed\r\n",
        "\r\nVersion 1.2.0\t2001.02.16\r\n",
        "Print function Enable\r\n",
        "\r\nVersion 1.1.3\t2001.02.07\r\n",
        "Quatation mark bug fixed,and analog audio-mode bug fixed\r\n",
        "\r\nVersion 1.1.0\t2000.11.29\r\n",
        "Skylister full/lite version is managed with common source files\r\n",
        "\r\nVersion 1.0.7\t2000.11.20\r\n",
        "Include SkylisterLite's user interface\r\n",
        "\r\nVersion 1.0.5\t2000.10.20\r\n",
        "Include MFC dll to EXE file\r\n",
        "\r\nVersion 0.1003\t2000.09.04\r\n",
        "Save comm port number at registry\r\nWhen dowmloading, find ack signal from STB only "
        "about "
        "10 seconds\r\n\r\n",
        "2000.08.24: to exist null channel for using gap channel at SAVE,COMPILE,UPLOAD. ",
        "and when added new channel by double click, old channel deleted, and that place replaced "
        "by new channel\r\n",
        "\r\nVersion 0.1002\r\n",
        "2000.07.25: adjusting upload function to be able to upload which size is upper then "
        "100kbyte\r\n\r\n",
        "2000.07.24: delete nell channel when loading/uploading\r\n",
        "2000.07.21: add Cut / Paste channel and Group Channel Move\r\n",
        "2000.07.20: adjusting compile normal for pid section to be read at receiver\r\n",
        "2000.07.19: adjusting upload for large size\r\n",
    };
    std::string history;
    for (const char* piece : kPieces) history += piece;
    return history;
}

}  // namespace sky
