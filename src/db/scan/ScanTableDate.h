#pragma once

#include <string>
#include <string_view>

namespace sky {

// The date a scan table speaks for, as "2019-09-25": tables are snapshots, and a transponder
// missing from one may only be newer than the table.
//
// The tables of the dtv-scan-tables package take the date of the package's snapshot, which its
// version names ("0+git20190925.6d01903-0.1"); any other file takes the day it was last written
// (UTC). Empty when neither can be found.

// The snapshot date in a version of the package, or "" when the version names none.
std::string packageVersionDate(std::string_view version);

// The version of the package in a dpkg status text, or "" when it is not installed.
std::string installedVersion(std::string_view dpkgStatus, std::string_view package);

// The date of the table at `path` in `folder`: the package's for the package's folder.
std::string scanTableDate(const std::string& folder, const std::string& path);

}  // namespace sky
