#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sky {

// The scan tables of a folder, each with the satellite and orbital position its file name gives.
// A file is named after its satellite and position, joined by "-" (in a few names "_"):
// "Astra-19.2E", "Eutelsat-7.0W", "Eutelsat-10A-10.0E" (names may hold more dashes),
// "Eutelsat5_5.0W". The name is kept as the file writes it.

// Where the dtv-scan-tables package puts the tables of the satellites.
inline constexpr const char* kScanTableFolder = "/usr/share/dvb/dvb-s";

struct ScanTableName {
    std::string file;  // the file's name in its folder
    std::string
        satellite;  // "Astra", "Eutelsat-10A"; the whole file name when it gives no position
    // The orbital position in tenths of a degree, east positive: 192 for 19.2E, -70 for 7.0W.
    // Nothing when the file name ends in no position.
    std::optional<int> positionTenths;
};

// The satellite and position of a file name. A position is the name's tail after its last "-"
// or "_": degrees from 0 to 180 with at most one decimal, then E or W.
ScanTableName parseScanTableName(std::string_view fileName);

// The tables of a list of file names, sorted by name; names starting with "." are left out.
std::vector<ScanTableName> scanTablesOf(const std::vector<std::string>& fileNames);

// "19.2 E", "7.0 W", or "" for none.
std::string positionText(std::optional<int> tenths);

// The tables in a folder, or why there are none.
struct ScanTableFolder {
    std::string folder;
    std::vector<ScanTableName> tables;
    std::string error;  // the folder is missing or unreadable; says which package provides it
};

// Lists the regular files of the folder (the default is where dtv-scan-tables puts them).
ScanTableFolder listScanTables(const std::string& folder = kScanTableFolder);

// The path of a listed table.
std::string scanTablePath(const ScanTableFolder& folder, const ScanTableName& table);

}  // namespace sky
