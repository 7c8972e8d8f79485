#pragma once

#include <optional>
#include <string>

namespace sky {

// The name of the uploaded channel list in the temporary directory.
inline constexpr const char* kUploadFileName = "SATupload.txt";

// The user's private temporary directory, ending in "/": $XDG_RUNTIME_DIR/skylister, else
// /tmp/skylister-UID. It is created with mode 0700 when missing, and used only when it is a real
// directory (not a symbolic link) owned by the user, so no other user can plant a file or a link
// where the program writes. Nothing, with the reason in problem, when no such directory can be had.
std::optional<std::string> privateTempDir(std::string& problem);

// The upload file: the private temporary directory followed by "SATupload.txt".
std::optional<std::string> uploadFilePath(std::string& problem);

}  // namespace sky
