// Enigma2's lamedb, versions 4 and 5. Version 4 lists the transponders and then the services in
// sections closed by "end":
//
//     eDVB services /4/
//     transponders
//     00c00000:0437:0001                         namespace:TSID:ONID, hexadecimal
//         s 11362000:22000000:0:2:192:2:0:1:2:0  frequency (kHz):symbol rate:polarization
//     /                                          (0 H, 1 V, 2 L, 3 R):FEC:position:inversion:
//     end                                        flags[:system (0 DVB-S, 1 DVB-S2):...]
//     services
//     283d:00c00000:03fb:0001:1:0                SID:namespace:TSID:ONID:type:number
//     Das Erste HD                               name (UTF-8)
//     p:ARD,c:0013ff,c:011400,C:0000             provider, cached PIDs (c:TTPPPP, TT 00 video,
//     end                                        01 audio, 03 PCR, 04 AC3), CA ids (C:xxxx)
//
// Version 5 writes each on one line: "t:namespace:TSID:ONID,s:frequency:..." and
// "s:SID:namespace:TSID:ONID:type:number,"name",p:...". Cable ("c") and terrestrial ("t")
// transponders are read as such. The position is in tenths of a degree, east positive (some
// files write the west as 3600 less the degrees). A name may mark its short form between the
// control characters U+0086 and U+0087.

#include <map>
#include <tuple>

#include "db/channels/ChannelRecord.h"
#include "db/channels/ChannelText.h"

namespace sky {

namespace {

using namespace channeltext;

using TransponderKey = std::tuple<unsigned, unsigned, unsigned>;

// namespace:TSID:ONID
std::optional<TransponderKey> keyOf(std::string_view ns, std::string_view tsid,
                                    std::string_view onid) {
    const std::optional<unsigned> a = hexNumber(ns);
    const std::optional<unsigned> b = hexNumber(tsid);
    const std::optional<unsigned> c = hexNumber(onid);
    if (!a || !b || !c) return std::nullopt;
    return TransponderKey{*a, *b, *c};
}

// The tuning of a transponder: its "s ..." data without the letter, or the reason it fails.
bool readTuning(char kind, std::string_view data, ChannelRecord& tuning, std::string& reason) {
    if (kind == 'c' || kind == 't') {
        tuning.source = kind == 'c' ? SourceKind::Cable : SourceKind::Terrestrial;
        return true;
    }
    if (kind != 's') {
        tuning.source = SourceKind::Other;
        return true;
    }
    const std::vector<std::string_view> f = split(data, ':');
    if (f.size() < 5) {
        reason = "the transponder data " + shown(data) + " has fewer than 5 fields";
        return false;
    }
    const std::optional<long long> frequency = wholeAmount(f[0]);
    const std::optional<long long> rate = wholeAmount(f[1]);
    const std::optional<int> polarisation = wholeNumber(f[2]);
    std::optional<int> position = signedNumber(f[4]);
    if (!frequency || *frequency == 0 || !rate || *rate == 0 || !polarisation ||
        *polarisation > 3 || !position || *position < -1800 || *position > 3600) {
        reason = "the transponder data " + shown(data) +
                 " is not frequency:symbol rate:"
                 "polarization:FEC:position";
        return false;
    }
    if (*position > 1800) *position -= 3600;
    tuning.frequencyMhz = toMega(*frequency);
    tuning.symbolRateKs = toMega(*rate);
    constexpr ScanPolarisation kPolarisations[] = {ScanPolarisation::Horizontal,
                                                   ScanPolarisation::Vertical,
                                                   ScanPolarisation::Left, ScanPolarisation::Right};
    tuning.polarisation = kPolarisations[*polarisation];
    tuning.positionTenths = *position;
    tuning.system = f.size() > 7 && f[7] == "1" ? DeliverySystem::DvbS2 : DeliverySystem::DvbS;
    return true;
}

// The name without its short-form marks (U+0086, U+0087 in UTF-8), and the marked part.
void readName(std::string_view text, ChannelRecord& record) {
    bool marked = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\xC2' && at + 1 < text.size() &&
            (text[at + 1] == '\x86' || text[at + 1] == '\x87')) {
            marked = text[++at] == '\x86';
            continue;
        }
        record.name += text[at];
        if (marked) record.shortName += text[at];
    }
}

// "p:ARD,c:0013ff,C:1702,f:4"
void readServiceData(std::string_view data, ChannelRecord& record) {
    for (const std::string_view item : split(data, ',')) {
        if (item.size() < 2 || item[1] != ':') continue;
        const std::string_view value = item.substr(2);
        if (item[0] == 'p') record.provider = std::string(value);
        if (item[0] == 'C') {
            if (const std::optional<unsigned> caid = hexNumber(value); caid && *caid <= 0xFFFF)
                record.caids.push_back(static_cast<int>(*caid));
        }
        if (item[0] != 'c' || value.size() != 6) continue;
        const std::optional<unsigned> type = hexNumber(value.substr(0, 2));
        const std::optional<unsigned> pid = hexNumber(value.substr(2));
        if (!type || !pid) continue;
        const int p = static_cast<int>(*pid);
        if (*type == 0) record.videoPid = p;
        if (*type == 1 || *type == 4) record.audioPids.push_back(p);
        if (*type == 3) record.pcrPid = p;
    }
}

class LamedbReader {
public:
    explicit LamedbReader(ChannelFile& file) : file_(file) {}

    void transponder(std::string_view keyText, std::string_view tuningText, int line) {
        const std::vector<std::string_view> k = split(keyText, ':');
        const std::optional<TransponderKey> key =
            k.size() == 3 ? keyOf(k[0], k[1], k[2]) : std::nullopt;
        if (!key)
            return unread(line,
                          "the transponder key " + shown(keyText) + " is not namespace:TSID:ONID");
        tuningText = trim(tuningText);
        if (tuningText.size() < 2) return unread(line, "the transponder has no tuning data");
        ChannelRecord tuning;
        std::string reason;
        if (!readTuning(tuningText[0], tuningText.substr(2), tuning, reason)) {
            return unread(line, reason);
        }
        transponders_[*key] = tuning;
    }

    void service(std::string_view keyText, std::string_view name, std::string_view data, int line) {
        const std::vector<std::string_view> k = split(keyText, ':');
        const std::optional<unsigned> sid = k.size() >= 6 ? hexNumber(k[0]) : std::nullopt;
        const std::optional<TransponderKey> key =
            k.size() >= 6 ? keyOf(k[1], k[2], k[3]) : std::nullopt;
        const std::optional<int> type = k.size() >= 6 ? wholeNumber(k[4]) : std::nullopt;
        if (!sid || *sid > 0xFFFF || !key || !type) {
            return unread(line, "the service key " + shown(keyText) +
                                    " is not SID:namespace:TSID:ONID:type:number");
        }
        const auto tp = transponders_.find(*key);
        if (tp == transponders_.end()) {
            return unread(line, "the service's transponder " + std::string(k[1]) + ":" +
                                    std::string(k[2]) + ":" + std::string(k[3]) +
                                    " is not in the file");
        }
        ChannelRecord record = tp->second;
        record.serviceId = static_cast<int>(*sid);
        record.serviceType = *type;
        record.line = line;
        readName(name, record);
        readServiceData(data, record);
        file_.records.push_back(std::move(record));
    }

    void unread(int line, std::string reason) { file_.unread.push_back({line, std::move(reason)}); }

private:
    ChannelFile& file_;
    std::map<TransponderKey, ChannelRecord> transponders_;
};

struct Line {
    std::string_view text;
    int number;
};

void readVersion4(const std::vector<Line>& lines, LamedbReader& reader) {
    enum class Part { None, Transponders, Services } part = Part::None;
    for (std::size_t at = 1; at < lines.size(); ++at) {
        const std::string_view text = trim(lines[at].text);
        if (text.empty()) continue;
        if (text == "transponders" || text == "services") {
            part = text == "transponders" ? Part::Transponders : Part::Services;
            continue;
        }
        if (text == "end") {
            part = Part::None;
            continue;
        }
        if (part == Part::Transponders) {
            // key, tuning, "/"
            const std::string_view tuning = at + 1 < lines.size() ? lines[at + 1].text : "";
            reader.transponder(text, tuning, lines[at].number);
            at += 1;
            if (at + 1 < lines.size() && trim(lines[at + 1].text) == "/") at += 1;
        } else if (part == Part::Services) {
            const std::string_view name = at + 1 < lines.size() ? lines[at + 1].text : "";
            const std::string_view data = at + 2 < lines.size() ? lines[at + 2].text : "";
            reader.service(text, name, data, lines[at].number);
            at += 2;
        }
    }
}

void readVersion5(const std::vector<Line>& lines, LamedbReader& reader) {
    for (std::size_t at = 1; at < lines.size(); ++at) {
        const std::string_view text = trim(lines[at].text);
        if (text.empty() || text.front() == '#') continue;
        if (text.starts_with("t:")) {
            const std::size_t comma = text.find(',');
            if (comma == std::string_view::npos) {
                reader.unread(lines[at].number, "the transponder line has no tuning data");
                continue;
            }
            std::string tuning(text.substr(comma + 1));
            if (tuning.size() > 1 && tuning[1] == ':') tuning[1] = ' ';
            reader.transponder(text.substr(2, comma - 2), tuning, lines[at].number);
        } else if (text.starts_with("s:")) {
            const std::size_t open = text.find(",\"");
            const std::size_t close = text.rfind('"');
            if (open == std::string_view::npos || close <= open + 1) {
                reader.unread(lines[at].number, "the service line has no quoted name");
                continue;
            }
            const std::string_view rest = text.substr(close + 1);
            reader.service(text.substr(2, open - 2), text.substr(open + 2, close - open - 2),
                           rest.starts_with(',') ? rest.substr(1) : rest, lines[at].number);
        } else {
            reader.unread(lines[at].number, shown(text) + " is no transponder or service line");
        }
    }
}

}  // namespace

ChannelFile readLamedb(std::string_view text) {
    ChannelFile file;
    file.format = ChannelFormat::Lamedb;
    std::vector<Line> lines;
    forEachLine(text, [&](std::string_view line, int number) { lines.push_back({line, number}); });
    std::size_t first = 0;
    while (first < lines.size() && trim(lines[first].text).empty()) ++first;
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(first));
    const std::string_view header = lines.empty() ? "" : trim(lines.front().text);
    LamedbReader reader(file);
    if (header == "eDVB services /4/") {
        readVersion4(lines, reader);
    } else if (header == "eDVB services /5/") {
        readVersion5(lines, reader);
    } else {
        file.error = "the file does not begin with \"eDVB services /4/\" or \"eDVB services /5/\"";
    }
    return file;
}

}  // namespace sky
