// VDR's channels.conf, as its manual page vdr(5) describes it. Each line is a group line, starting
// with ':' (":Name", ":@201 Name", ":@201"), or a channel:
//
//     Name[,Short][;Provider]:Frequency:Parameters:Source:Srate:VPID:APID:TPID:CAID:SID:NID:TID:RID
//     RTL Television,RTL;RTL
//     World:12188:hC34M2O35S0:S19.2E:27500:163=2:104=deu;106=deu:105:0:12003:1:1089:0
//
// A ':' of a name is written as '|'. Parameters are letters, most with a number: H, V, L or R the
// polarization, S0 DVB-S and S1 DVB-S2, C the FEC, M the modulation, O the roll-off and so on.
// Source is S and a position (S19.2E, S30W) for satellites, C for cable, T for terrestrial; a
// bare S (as dvb-format-convert writes) is a satellite without a position. VPID
// may carry the PCR PID and the stream type ("5101+5100=27"); APID is a ','-list of PIDs, each
// perhaps with "=language" and "@type", then after ';' the Dolby PIDs in the same form. CAID is
// 0 for free-to-air services, else a ','-list of hexadecimal CA system ids.
//
// Older versions wrote no source column: Name:Frequency:Polarization:DiSEqC:Srate:VPID:APID
// [:TPID]:CA:SID. Those rows are satellite rows without a position.

#include <cctype>

#include "db/channels/ChannelRecord.h"
#include "db/channels/ChannelText.h"

namespace sky {

namespace {

using namespace channeltext;

struct Columns {
    std::size_t srate, vpid, apid, caid, sid;
};
// The columns of the current form (13 fields, NID, TID and RID optional) and of the old ones
// (10 fields with TPID, 9 without).
constexpr Columns kCurrent{4, 5, 6, 8, 9};
constexpr Columns kOldWithTpid{4, 5, 6, 8, 9};
constexpr Columns kOldWithoutTpid{4, 5, 6, 7, 8};

class RowReader {
public:
    RowReader(ChannelRecord& record, std::string& reason) : record_(record), reason_(reason) {}

    bool fail(const std::string& reason) {
        reason_ = reason;
        return false;
    }

    void readName(std::string_view field) {
        std::string name(field);
        for (char& c : name) {
            if (c == '|') c = ':';
        }
        const std::size_t semicolon = name.find(';');
        if (semicolon != std::string::npos) {
            record_.provider = name.substr(semicolon + 1);
            name.resize(semicolon);
        }
        const std::size_t comma = name.rfind(',');
        if (comma != std::string::npos) {
            record_.shortName = name.substr(comma + 1);
            name.resize(comma);
        }
        record_.name = std::move(name);
    }

    // "hC23M5O35S1": the polarization and the delivery system; the other parameters are checked
    // for form only. `needPolarisation` for satellite rows.
    bool readParameters(std::string_view field, bool needPolarisation) {
        const std::string text = upper(field);
        bool polarisation = false;
        for (std::size_t at = 0; at < text.size();) {
            const char letter = text[at++];
            std::size_t digits = at;
            while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits])))
                ++digits;
            const std::string_view number = std::string_view(text).substr(at, digits - at);
            at = digits;
            switch (letter) {
                case 'H':
                case 'V':
                case 'L':
                case 'R':
                    polarisation = true;
                    record_.polarisation = letter == 'H'   ? ScanPolarisation::Horizontal
                                           : letter == 'V' ? ScanPolarisation::Vertical
                                           : letter == 'L' ? ScanPolarisation::Left
                                                           : ScanPolarisation::Right;
                    break;
                case 'S':
                    if (number == "1") {
                        record_.system = DeliverySystem::DvbS2;
                    } else if (number == "0" || number.empty()) {
                        record_.system = DeliverySystem::DvbS;
                    } else {
                        return fail("the parameter S" + std::string(number) + " is not S0 or S1");
                    }
                    break;
                default:
                    if (letter < 'A' || letter > 'Z') {
                        return fail("the parameters " + shown(field) +
                                    " are not letters and numbers");
                    }
            }
        }
        if (needPolarisation && !polarisation) {
            return fail("the parameters " + shown(field) + " give no polarization (H, V, L or R)");
        }
        return true;
    }

    // "S19.2E", "S30W", "S13E"; "C", "T" and others are not satellites.
    bool readSource(std::string_view field) {
        const std::string text = upper(field);
        if (text.empty()) return fail("the source is empty");
        if (text.front() != 'S') {
            record_.source = text.front() == 'C'   ? SourceKind::Cable
                             : text.front() == 'T' ? SourceKind::Terrestrial
                                                   : SourceKind::Other;
            return true;
        }
        // dvb-format-convert writes a bare "S" for the DVBv5 files, which name no position.
        if (text == "S") return true;
        const char side = text.back();
        std::string_view degrees = std::string_view(text).substr(1, text.size() - 2);
        int tenths = 0;
        if (const std::size_t point = degrees.find('.'); point != std::string_view::npos) {
            const std::string_view fraction = degrees.substr(point + 1);
            const std::optional<int> tenth =
                fraction.size() == 1 ? wholeNumber(fraction) : std::optional<int>();
            if (!tenth) return fail("the source " + shown(field) + " is no orbital position");
            tenths = *tenth;
            degrees = degrees.substr(0, point);
        }
        const std::optional<int> whole = wholeNumber(degrees);
        if (text.size() < 3 || (side != 'E' && side != 'W') || !whole || *whole > 180) {
            return fail("the source " + shown(field) + " is no orbital position");
        }
        const int position = *whole * 10 + tenths;
        record_.positionTenths = side == 'E' ? position : -position;
        return true;
    }

    // "5101", "5101=27", "5101+5100=27"; empty or 0 for none.
    bool readVideo(std::string_view field) {
        field = field.substr(0, field.find('='));
        if (field.empty()) return true;
        const std::size_t plus = field.find('+');
        const std::optional<int> video = wholeNumber(field.substr(0, plus));
        const std::optional<int> pcr =
            plus == std::string_view::npos ? 0 : wholeNumber(field.substr(plus + 1));
        if (!video || !pcr || *video > 0x1FFF || *pcr > 0x1FFF) {
            return fail("the video PID " + shown(field) + " is not a PID");
        }
        record_.videoPid = *video;
        record_.pcrPid = *pcr;
        return true;
    }

    // "5102=deu@3,5103=mis;5106=deu": the PIDs, the Dolby ones last.
    bool readAudio(std::string_view field) {
        if (field.empty() || field == "0") return true;
        for (const std::string_view part : split(field, ';')) {
            for (const std::string_view item : split(part, ',')) {
                const std::string_view pidText = item.substr(0, item.find_first_of("=@"));
                if (pidText.empty() && item.empty()) continue;
                const std::optional<int> pid = wholeNumber(pidText);
                if (!pid || *pid > 0x1FFF) {
                    return fail("the audio PIDs " + shown(field) + " are not PIDs");
                }
                if (*pid != 0) record_.audioPids.push_back(*pid);
            }
        }
        return true;
    }

    // "0", or hexadecimal CA system ids "1702,1833".
    bool readCaids(std::string_view field) {
        if (field.empty()) return true;
        for (const std::string_view item : split(field, ',')) {
            const std::optional<unsigned> caid = hexNumber(item);
            if (!caid || *caid > 0xFFFF)
                return fail("the CA field " + shown(field) + " is not hexadecimal");
            record_.caids.push_back(static_cast<int>(*caid));
        }
        return true;
    }

    bool readAmounts(std::string_view frequency, std::string_view srate, bool satellite) {
        const std::optional<long long> mhz = wholeAmount(frequency);
        if (!mhz || *mhz == 0)
            return fail("the frequency " + shown(frequency) + " is not a number");
        record_.frequencyMhz = toMega(*mhz);
        const std::optional<long long> ks = wholeAmount(srate);
        if (!ks || (satellite && *ks == 0)) {
            return fail("the symbol rate " + shown(srate) + " is not a number");
        }
        record_.symbolRateKs = toMega(*ks);
        return true;
    }

    bool readServiceId(std::string_view field) {
        const std::optional<int> sid = wholeNumber(field);
        if (!sid || *sid > 0xFFFF)
            return fail("the service id " + shown(field) + " is not a number");
        record_.serviceId = *sid;
        return true;
    }

private:
    ChannelRecord& record_;
    std::string& reason_;
};

bool readRow(const std::vector<std::string_view>& fields, ChannelRecord& record,
             std::string& reason) {
    RowReader reader(record, reason);
    if (fields.size() < 9 || fields.size() > 13) {
        return reader.fail("the row has " + std::to_string(fields.size()) +
                           " fields where a channel has 13 (or 9 or 10 in the old form)");
    }
    const bool current =
        !fields[3].empty() && std::isalpha(static_cast<unsigned char>(fields[3].front()));
    if (current && fields.size() < 10) {
        return reader.fail("the row has " + std::to_string(fields.size()) +
                           " fields where a channel has 13");
    }
    const Columns& columns = current               ? kCurrent
                             : fields.size() == 10 ? kOldWithTpid
                                                   : kOldWithoutTpid;
    if (!current && fields.size() > 10) {
        return reader.fail("the fourth field " + shown(fields[3]) + " is no source");
    }
    reader.readName(fields[0]);
    if (current && !reader.readSource(fields[3])) return false;
    const bool satellite = record.source == SourceKind::Satellite;
    return reader.readParameters(fields[2], satellite) &&
           reader.readAmounts(fields[1], fields[columns.srate], satellite) &&
           reader.readVideo(fields[columns.vpid]) && reader.readAudio(fields[columns.apid]) &&
           reader.readCaids(fields[columns.caid]) && reader.readServiceId(fields[columns.sid]);
}

}  // namespace

ChannelFile readVdrChannels(std::string_view text) {
    ChannelFile file;
    file.format = ChannelFormat::Vdr;
    std::string group;
    forEachLine(text, [&](std::string_view line, int number) {
        if (trim(line).empty()) return;
        // A group line gives the order and the group's name; ":@201" only a number.
        if (line.front() == ':') {
            std::string_view name = line.substr(1);
            if (!name.empty() && name.front() == '@') {
                name.remove_prefix(1);
                while (!name.empty() && std::isdigit(static_cast<unsigned char>(name.front())))
                    name.remove_prefix(1);
            }
            group = std::string(trim(name));
            return;
        }
        ChannelRecord record;
        record.line = number;
        record.group = group;
        std::string reason;
        if (readRow(split(line, ':'), record, reason)) {
            file.records.push_back(std::move(record));
        } else {
            file.unread.push_back({number, std::move(reason)});
        }
    });
    return file;
}

}  // namespace sky
