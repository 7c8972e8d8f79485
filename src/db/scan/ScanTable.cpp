#include "db/scan/ScanTable.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>

#include "db/FileIo.h"
#include "db/RowFields.h"

namespace sky {

namespace {

// Values below this are taken as MHz (a frequency) or kS/s (a symbol rate), not kHz or symbols/s.
constexpr std::int32_t kSmallUnitLimit = 100000;

std::string_view trim(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// A text quoted in a message, cut so that one long line of a file that is no table does not
// flood the message.
std::string shownText(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest) return "\"" + std::string(text) + "\"";
    return "\"" + std::string(text.substr(0, kLongest)) + "...\"";
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

// The keys the import reads, in the order of Block::values.
enum Key : std::size_t { kSystem, kFrequency, kPolarisation, kSymbolRate, kModulation, kKeys };
constexpr std::array<std::string_view, kKeys> kKeyNames{
    "DELIVERY_SYSTEM", "FREQUENCY", "POLARIZATION", "SYMBOL_RATE", "MODULATION"};

struct Value {
    std::string text;  // upper case
    int line = 0;
};

// The keys of one block as read so far.
struct Block {
    int line = 0;
    std::array<std::optional<Value>, kKeys> values;
};

class Reader {
public:
    explicit Reader(std::string_view fileName) : fileName_(fileName) {}

    // The block's transponder, or false with the error set.
    bool finish(const Block& block, std::vector<ScanTransponder>& out) {
        ScanTransponder tp;
        tp.line = block.line;
        // The system first: a table of another kind (DVB-T, DVB-C) says so, whatever it lacks.
        if (const std::optional<Value>& system = block.values[kSystem]) {
            if (system->text == "DVBS") {
                tp.system = DeliverySystem::DvbS;
            } else if (system->text == "DVBS2") {
                tp.system = DeliverySystem::DvbS2;
            } else {
                return fail(system->line,
                            "DELIVERY_SYSTEM " + shownText(system->text) + " is not DVBS or DVBS2");
            }
        }
        for (std::size_t key = 0; key < kModulation; ++key) {
            if (!block.values[key]) {
                return fail(block.line,
                            "the [CHANNEL] block has no " + std::string(kKeyNames[key]));
            }
        }
        const Value& polarisation = *block.values[kPolarisation];
        const std::optional<ScanPolarisation> pol = readPolarisation(polarisation.text);
        if (!pol) {
            return fail(polarisation.line, "POLARIZATION " + shownText(polarisation.text) +
                                               " is not HORIZONTAL, VERTICAL, LEFT or RIGHT");
        }
        tp.polarisation = *pol;
        if (!readAmount(block, kFrequency, tp.frequencyMhz)) return false;
        if (!readAmount(block, kSymbolRate, tp.symbolRateKs)) return false;
        if (block.values[kModulation]) tp.modulation = block.values[kModulation]->text;
        out.push_back(std::move(tp));
        return true;
    }

    bool fail(int line, const std::string& what) {
        error_ = "ERROR : ";
        if (!fileName_.empty()) error_ += std::string(fileName_) + " ";
        error_ += "line " + std::to_string(line) + " : " + what;
        return false;
    }

    std::string& error() { return error_; }

private:
    static std::optional<ScanPolarisation> readPolarisation(const std::string& text) {
        if (text == "HORIZONTAL" || text == "H") return ScanPolarisation::Horizontal;
        if (text == "VERTICAL" || text == "V") return ScanPolarisation::Vertical;
        if (text == "LEFT" || text == "L") return ScanPolarisation::Left;
        if (text == "RIGHT" || text == "R") return ScanPolarisation::Right;
        return std::nullopt;
    }

    // A frequency or symbol rate in the list's units: a whole positive number in kHz or
    // symbols/s, or below kSmallUnitLimit already in MHz or kS/s; rounded to the nearest unit.
    bool readAmount(const Block& block, Key key, int& out) {
        const Value& value = *block.values[key];
        const std::optional<std::int32_t> number = decimalField(value.text);
        if (!number || *number <= 0 || value.text.front() == '+' || value.text.front() == '-') {
            return fail(value.line, std::string(kKeyNames[key]) + " " + shownText(value.text) +
                                        " is not a whole positive number");
        }
        // decimalField() saturates at the 32-bit limit: the sum is taken wider.
        out = *number < kSmallUnitLimit
                  ? *number
                  : static_cast<int>((static_cast<std::int64_t>(*number) + 500) / 1000);
        return true;
    }

    std::string_view fileName_;
    std::string error_;
};

}  // namespace

ScanTable readScanTable(std::string_view text, std::string_view fileName) {
    Reader reader(fileName);
    ScanTable table;
    std::optional<Block> block;
    int lineNumber = 0;
    // Reads one line into the block; false with the error set when the line is faulty.
    const auto readLine = [&](std::string_view line) {
        line = trim(line.substr(0, line.find('#')));
        if (line.empty()) return true;
        if (line.front() == '[') {
            if (line.back() != ']') {
                return reader.fail(lineNumber, shownText(line) + " is no header");
            }
            if (block && !reader.finish(*block, table.transponders)) return false;
            block = Block{lineNumber, {}};
            return true;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return reader.fail(lineNumber, shownText(line) + " is not KEY = VALUE");
        }
        if (!block) return reader.fail(lineNumber, "a value before the first [CHANNEL] header");
        const std::string key = upper(trim(line.substr(0, equals)));
        const std::string_view value = trim(line.substr(equals + 1));
        const auto known = std::find(kKeyNames.begin(), kKeyNames.end(), key);
        if (known == kKeyNames.end()) return true;  // a key the import does not use
        if (value.empty()) return reader.fail(lineNumber, key + " has no value");
        block->values[static_cast<std::size_t>(known - kKeyNames.begin())] =
            Value{upper(value), lineNumber};
        return true;
    };

    bool ok = true;
    while (ok && !text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        ++lineNumber;
        ok = readLine(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    if (ok && block) ok = reader.finish(*block, table.transponders);
    if (ok && table.transponders.empty()) {
        reader.error() = "ERROR : ";
        if (!fileName.empty()) reader.error() += std::string(fileName) + " : ";
        reader.error() += "no [CHANNEL] block: this is not a scan table";
        ok = false;
    }
    if (!ok) {
        table.transponders.clear();
        table.error = std::move(reader.error());
    }
    return table;
}

ScanTable readScanTableFile(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view fileName = slash == std::string::npos
                                          ? std::string_view(path)
                                          : std::string_view(path).substr(slash + 1);
    // A table is a few kilobytes; a device or a huge file given by mistake is not read at all.
    constexpr std::uintmax_t kLargestTable = 4u << 20;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return ScanTable{{}, "ERROR : Can't read the scan table " + path};
    }
    if (std::filesystem::file_size(path, error) > kLargestTable) {
        return ScanTable{{}, "ERROR : " + path + " is too large to be a scan table"};
    }
    const std::optional<std::string> text = readWholeFile(path);
    if (!text) return ScanTable{{}, "ERROR : Can't read the scan table " + path};
    return readScanTable(*text, fileName);
}

char polarisationLetter(ScanPolarisation polarisation) {
    switch (polarisation) {
        case ScanPolarisation::Horizontal:
            return 'H';
        case ScanPolarisation::Vertical:
            return 'V';
        case ScanPolarisation::Left:
            return 'L';
        case ScanPolarisation::Right:
            break;
    }
    return 'R';
}

const char* deliverySystemName(DeliverySystem system) {
    return system == DeliverySystem::DvbS2 ? "DVB-S2" : "DVB-S";
}

}  // namespace sky
