#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sky {

// How many received lists are kept beside the upload file, and for how long.
inline constexpr size_t kKeptListCount = 20;
inline constexpr std::chrono::hours kKeptListAge{24 * 30};

// The local date and time as kept files are named with: "20261208-155012". Names made of it sort
// in the order they were made.
std::string fileTimeStamp(std::chrono::system_clock::time_point now);

// Keeps a received list beside the upload file under a name of its own, the upload file's with
// the date and time of the reception: "SATupload-20261208-155012.txt" for "SATupload.txt" (with
// "-2", "-3"... added when another upload took that name in the same second). The next upload,
// of this program or of another running copy, leaves it alone. Returns its path; nothing when it
// could not be written.
std::optional<std::string> keepReceivedList(const std::string& uploadPath, std::string_view list,
                                            std::chrono::system_clock::time_point now);

// Removes the kept lists of the upload file that are older than kKeptListAge and all but the
// newest kKeptListCount, never `kept`, the one just named to the user.
void pruneKeptLists(const std::string& uploadPath, const std::string& kept);

// The newest kept list of the upload file: the one the last upload named; nothing when none is
// kept.
std::optional<std::string> newestKeptList(const std::string& uploadPath);

// The size of the newest kept list as the console dumps it (each line with its two-character
// mark): what the next upload of the same receiver may be expected to bring. Nothing when no list
// is kept.
std::optional<uint64_t> expectedDumpSize(const std::string& uploadPath);

}  // namespace sky
