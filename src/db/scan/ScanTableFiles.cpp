#include "db/scan/ScanTableFiles.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "db/RowFields.h"

namespace sky {

namespace {

// "19.2E" as tenths of a degree east, or nothing.
std::optional<int> readPosition(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    const char side = text.back();
    if (side != 'E' && side != 'W') return std::nullopt;
    text.remove_suffix(1);
    const std::size_t dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    const std::string_view tenth = dot == std::string_view::npos ? "" : text.substr(dot + 1);
    if (dot != std::string_view::npos && tenth.size() != 1) return std::nullopt;
    const auto digits = [](std::string_view t) {
        return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || whole.size() > 3 || !digits(whole) || !digits(tenth)) {
        return std::nullopt;
    }
    const int tenths = *decimalField(whole) * 10 + (tenth.empty() ? 0 : tenth.front() - '0');
    if (tenths > 1800) return std::nullopt;
    return side == 'E' ? tenths : -tenths;
}

}  // namespace

ScanTableName parseScanTableName(std::string_view fileName) {
    ScanTableName table{std::string(fileName), std::string(fileName), std::nullopt};
    const std::size_t separator = fileName.find_last_of("-_");
    if (separator == std::string_view::npos || separator == 0) return table;
    const std::optional<int> position = readPosition(fileName.substr(separator + 1));
    if (!position) return table;
    table.satellite = std::string(fileName.substr(0, separator));
    table.positionTenths = position;
    return table;
}

std::vector<ScanTableName> scanTablesOf(const std::vector<std::string>& fileNames) {
    std::vector<ScanTableName> tables;
    for (const std::string& name : fileNames) {
        if (!name.empty() && name.front() != '.') tables.push_back(parseScanTableName(name));
    }
    std::sort(tables.begin(), tables.end(),
              [](const ScanTableName& a, const ScanTableName& b) { return a.file < b.file; });
    return tables;
}

std::string positionText(std::optional<int> tenths) {
    if (!tenths) return {};
    const int value = *tenths < 0 ? -*tenths : *tenths;
    return std::to_string(value / 10) + "." + std::to_string(value % 10) +
           (*tenths < 0 ? " W" : " E");
}

ScanTableFolder listScanTables(const std::string& folder) {
    namespace fs = std::filesystem;
    ScanTableFolder result{folder, {}, {}};
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        result.error = "There are no scan tables in " + folder +
                       ": the folder does not exist. The package dtv-scan-tables provides them "
                       "(apt-get install dtv-scan-tables).";
        return result;
    }
    std::vector<std::string> names;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
    }
    if (error) {
        result.error = "ERROR : Can't read the folder " + folder + " : " + error.message();
        return result;
    }
    result.tables = scanTablesOf(names);
    return result;
}

std::string scanTablePath(const ScanTableFolder& folder, const ScanTableName& table) {
    return (std::filesystem::path(folder.folder) / table.file).string();
}

}  // namespace sky
