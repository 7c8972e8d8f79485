#pragma once

#include <string>
#include <vector>

namespace sky::cli {

// Exit statuses of skylister-cli.
inline constexpr int kSuccess = 0;
inline constexpr int kFailure = 1;
inline constexpr int kUsage = 2;

// Each command takes the arguments after its name and returns an exit status. Wrong usage prints
// the usage text to standard error and returns kUsage.
int runCheck(const std::vector<std::string>& args);
int runCompile(const std::vector<std::string>& args);
int runConvert(const std::vector<std::string>& args);
int runFormat(const std::vector<std::string>& args);
int runDuplicates(const std::vector<std::string>& args);
int runImportTp(const std::vector<std::string>& args);
int runImportChannels(const std::vector<std::string>& args);
int runCheckTp(const std::vector<std::string>& args);
int runRename(const std::vector<std::string>& args);
int runApplyOrder(const std::vector<std::string>& args);
int runDiff(const std::vector<std::string>& args);
int runExport(const std::vector<std::string>& args);
int runDownload(const std::vector<std::string>& args);
int runUpload(const std::vector<std::string>& args);
int runHistory(const std::vector<std::string>& args);

// The usage text printed by --help and after wrong usage.
const char* usageText();

}  // namespace sky::cli
