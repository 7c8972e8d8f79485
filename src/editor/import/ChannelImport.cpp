#include "editor/import/ChannelImport.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "common/Format.h"
#include "db/RecordLayout.h"
#include "db/RowFields.h"
#include "db/scan/ScanTableFiles.h"
#include "editor/editing/RecordEditing.h"
#include "editor/import/ImportName.h"
#include "editor/model/SectionMap.h"
#include "editor/scan/NewSatellite.h"
#include "editor/scan/TransponderImport.h"
#include "editor/tuning/LnbTuning.h"

namespace sky {

namespace {

using Status = ChannelImportStatus;

constexpr long long kLargestChannelIndex = 19999;
constexpr long long kLargestPidIndex = 999;
constexpr const char* kListChanged =
    "CANCELED : The list has changed since the preview was made. Import again!!!";

// The list's satellites with the Posotioner each gives.
std::vector<ChannelImportSatellite> listSatellites(const TokenArray& tokens) {
    std::vector<ChannelImportSatellite> satellites;
    const SectionSpan span = locateSections(tokens)[kSatelliteSection];
    for (std::size_t cell = span.begin; cell + kSatelliteFields <= span.end;
         cell += kSatelliteFields) {
        const std::optional<std::int32_t> index = decimalField(tokens[cell + kSatIndex]);
        if (!index) continue;
        const std::optional<std::int32_t> position = decimalField(tokens[cell + kSatPositioner]);
        satellites.push_back({*index, tokens[cell + kSatName],
                              position ? std::optional<int>(*position) : std::nullopt, false});
    }
    return satellites;
}

// "TV", "RADIO", or nothing for a data service.
std::optional<std::string> channelType(const ChannelRecord& record) {
    if (record.serviceType && *record.serviceType != 0) {
        static const std::set<int> kTv = {0x01, 0x04, 0x05, 0x11, 0x16, 0x19, 0x1F, 0x20};
        static const std::set<int> kRadio = {0x02, 0x07, 0x0A};
        if (kTv.count(*record.serviceType)) return "TV";
        if (kRadio.count(*record.serviceType)) return "RADIO";
        return std::nullopt;
    }
    if (record.videoPid != 0) return "TV";
    if (!record.audioPids.empty()) return "RADIO";
    return std::nullopt;
}

// The services the list has: D_TP Index and service id.
std::set<std::pair<long long, std::uint32_t>> listServices(const TokenArray& tokens) {
    std::set<std::pair<long long, std::uint32_t>> services;
    const SectionSpan span = locateSections(tokens)[kChannelSection];
    for (std::size_t cell = span.begin; cell + kChannelFields <= span.end; cell += kChannelFields) {
        const std::optional<std::int32_t> tp = decimalField(tokens[cell + kChTpIndex]);
        const std::optional<std::uint32_t> sid = hexField(tokens[cell + kChServiceId]);
        if (tp && sid) services.emplace(*tp, *sid & 0xFFFF);
    }
    return services;
}

ScanTransponder tuningOf(const ChannelRecord& record) {
    return ScanTransponder{
        record.frequencyMhz, record.polarisation, record.symbolRateKs, record.system, "",
        record.line};
}

// The first cell of each D_TP row, by the satellite Index the row names.
std::map<int, std::vector<std::size_t>> transponderCells(const TokenArray& tokens,
                                                         const SectionMap& sections) {
    std::map<int, std::vector<std::size_t>> cells;
    const SectionSpan span = sections[kDigitalTpSection];
    for (std::size_t cell = span.begin; cell + kTransponderFields <= span.end;
         cell += kTransponderFields) {
        if (const std::optional<std::int32_t> sat = decimalField(tokens[cell + kTpSatIndex])) {
            cells[*sat].push_back(cell);
        }
    }
    return cells;
}

// A list of two sections: the [SATELLITE] rows of Index `index` and the D_TP rows starting at
// `tpCells`, copied as they are.
TokenArray satelliteList(const TokenArray& tokens, const SectionMap& sections, int index,
                         const std::vector<std::size_t>& tpCells) {
    TokenArray list;
    const auto marker = [&](std::string_view text) { list.emplace_back(text); };
    const auto copyRow = [&](std::size_t cell, std::size_t width) {
        list.insert(list.end(), tokens.begin() + static_cast<std::ptrdiff_t>(cell),
                    tokens.begin() + static_cast<std::ptrdiff_t>(cell + width));
    };
    marker(sectionInfo(kSatelliteSection).startMarker);
    const SectionSpan satellites = sections[kSatelliteSection];
    for (std::size_t cell = satellites.begin; cell + kSatelliteFields <= satellites.end;
         cell += kSatelliteFields) {
        if (decimalField(tokens[cell + kSatIndex]) == index) copyRow(cell, kSatelliteFields);
    }
    marker(sectionInfo(kSatelliteSection).endMarker);
    marker(sectionInfo(kDigitalTpSection).startMarker);
    for (const std::size_t cell : tpCells) copyRow(cell, kTransponderFields);
    marker(sectionInfo(kDigitalTpSection).endMarker);
    return list;
}

// Builds a preview: satellites first, then transponders, then the rows.
class PreviewBuilder {
public:
    PreviewBuilder(const TokenArray& tokens, ChannelImportPreview& preview)
        : tokens_(tokens), preview_(preview), list_(listSatellites(tokens)) {}

    // The satellite of a record, or nothing with the reason.
    std::optional<std::size_t> satelliteOf(const ChannelRecord& record, std::string& reason) {
        const ChannelImportOptions& options = preview_.options;
        std::optional<int> index = options.satellite;
        if (!index && record.positionTenths) {
            const auto mapped = options.satelliteOfPosition.find(*record.positionTenths);
            if (mapped != options.satelliteOfPosition.end()) index = mapped->second;
        }
        if (index) return useListSatellite(*index, reason);
        if (!record.positionTenths) {
            reason = "the file gives no orbital position: choose a satellite";
            return std::nullopt;
        }
        for (std::size_t at = 0; at < preview_.satellites.size(); ++at) {
            if (preview_.satellites[at].positionTenths == record.positionTenths) return at;
        }
        for (const ChannelImportSatellite& satellite : list_) {
            if (satellite.positionTenths == record.positionTenths) {
                return add(satellite);
            }
        }
        // A new satellite is named after the file's group of the service, else its provider,
        // else its position.
        const std::string position = positionText(record.positionTenths);
        const std::string& name = !record.group.empty()      ? record.group
                                  : !record.provider.empty() ? record.provider
                                                             : position;
        // Once no Index is free none will be: the rows of new positions are not checked again.
        const std::optional<NewSatellite> next =
            noFreeIndex_
                ? std::nullopt
                : newSatelliteFor(working(), ScanTableName{"", name, record.positionTenths});
        noFreeIndex_ = !next;
        if (!next) {
            reason = "the list has no free satellite Index for " + position;
            return std::nullopt;
        }
        if (!withNew_) withNew_ = tokens_;
        addSatelliteRow(*withNew_, *next);
        return add({next->index, next->name, next->positionTenths, true});
    }

    // Each satellite's transponders once: rows of one tuning, or near enough to be one
    // transponder by Import Transponders' rule, share an entry.
    void resolveTransponders(const std::vector<std::optional<std::size_t>>& satelliteOfRow) {
        const TokenArray& list = working();
        const SectionMap sections = locateSections(list);
        const std::map<int, std::vector<std::size_t>> cellsOf = transponderCells(list, sections);
        static const std::vector<std::size_t> kNone;
        for (std::size_t sat = 0; sat < preview_.satellites.size(); ++sat) {
            std::vector<ScanTransponder> tunings;
            std::vector<std::size_t> rows;
            for (std::size_t row = 0; row < preview_.rows.size(); ++row) {
                if (satelliteOfRow[row] != sat) continue;
                tunings.push_back(tuningOf(preview_.rows[row].record));
                rows.push_back(row);
            }
            if (tunings.empty()) continue;
            const int index = preview_.satellites[sat].index;
            const auto cells = cellsOf.find(index);
            // Import Transponders' preview of a satellite reads only its row and its D_TP rows:
            // a list of those alone gives the same preview at a fraction of the cost.
            TokenArray simulated = satelliteList(list, sections, index,
                                                 cells == cellsOf.end() ? kNone : cells->second);
            ImportPreview found = previewImport(simulated, index, tunings, "");
            // The rows the list lacks, added to it, give every tuning the D_TP Index it would
            // have: rows of one Index are one transponder.
            for (std::size_t at = 0; at < found.rows.size(); ++at) setTicked(found, at, true);
            std::string error;
            addImportedTransponders(simulated, found, error);
            const ImportPreview after = previewImport(simulated, index, tunings, "");
            std::map<std::string, std::size_t> entryOf;
            for (std::size_t at = 0; at < rows.size(); ++at) {
                ChannelImportRow& row = preview_.rows[rows[at]];
                const ImportRow& first = found.rows[at];
                if (first.status == ImportStatus::Refused) {
                    row.transponder = preview_.transponders.size();
                    preview_.transponders.push_back({index, tunings[at], "", first.note});
                    continue;
                }
                const std::string& key = after.rows[at].presentAs;
                auto [entry, added] = entryOf.emplace(key, preview_.transponders.size());
                if (added) {
                    preview_.transponders.push_back(
                        {index, tunings[at],
                         first.status == ImportStatus::Present ? first.presentAs : "", ""});
                }
                row.transponder = entry->second;
            }
        }
    }

private:
    std::optional<std::size_t> useListSatellite(int index, std::string& reason) {
        for (std::size_t at = 0; at < preview_.satellites.size(); ++at) {
            if (preview_.satellites[at].index == index) return at;
        }
        for (const ChannelImportSatellite& satellite : list_) {
            if (satellite.index == index) return add(satellite);
        }
        reason = format("the list has no satellite with Index %d", index);
        return std::nullopt;
    }

    std::size_t add(const ChannelImportSatellite& satellite) {
        preview_.satellites.push_back(satellite);
        return preview_.satellites.size() - 1;
    }

    // The list, or once a satellite is new a copy of it with the new satellites.
    const TokenArray& working() const { return withNew_ ? *withNew_ : tokens_; }

    const TokenArray& tokens_;
    std::optional<TokenArray> withNew_;
    bool noFreeIndex_ = false;
    ChannelImportPreview& preview_;
    std::vector<ChannelImportSatellite> list_;
};

void setStatus(ChannelImportRow& row, Status status, std::string note) {
    row.status = status;
    row.note = std::move(note);
}

// The status and tick of a satellite row with its satellite and transponder.
void judge(ChannelImportRow& row, const ChannelImportPreview& preview,
           const std::set<std::pair<long long, std::uint32_t>>& inList,
           std::set<std::tuple<std::size_t, int, int, int>>& seen) {
    const ChannelRecord& record = row.record;
    const ChannelImportTransponder& tp = preview.transponders[*row.transponder];
    if (!tp.refused.empty()) return setStatus(row, Status::Refused, tp.refused);
    const std::optional<std::string> type = channelType(record);
    if (!type) return setStatus(row, Status::DataService, "neither TV nor radio");
    row.type = *type;
    if (record.serviceId == 0) {
        if (!preview.options.pidChannels) {
            return setStatus(row, Status::NoServiceId, "no service id (may become a PID channel)");
        }
        row.pidChannel = true;
    }
    const std::optional<std::int32_t> dtp = decimalField(tp.presentAs);
    if (!row.pidChannel && dtp &&
        inList.count({*dtp, static_cast<std::uint32_t>(record.serviceId)})) {
        return setStatus(row, Status::Present, "on D_TP " + tp.presentAs);
    }
    const auto key = row.pidChannel
                         ? std::tuple(*row.transponder, -1, record.videoPid,
                                      record.audioPids.empty() ? 0 : record.audioPids.front())
                         : std::tuple(*row.transponder, record.serviceId, 0, 0);
    if (!seen.insert(key).second) {
        return setStatus(row, Status::Repeated, "the same service as an earlier row of the file");
    }
    const bool tickAll = preview.options.tickAll;
    if (record.system == DeliverySystem::DvbS2) {
        setStatus(row, Status::DvbS2,
                  "a receiver of this list format tunes DVB-S only; it may be ticked");
        row.ticked = tickAll;
    } else if (record.encrypted()) {
        std::string systems;
        for (const int caid : record.caids) {
            if (caid != 0) systems += format("%s%04X", systems.empty() ? "" : ",", caid);
        }
        setStatus(row, Status::Encrypted, "CA " + systems + "; it may be ticked");
        row.ticked = tickAll;
    } else {
        row.status = Status::New;
        row.ticked = true;
    }
    const ImportName name = importChannelName(record.name, record.shortName, record.serviceId);
    row.name = name.text;
    row.nameMarked = name.marked();
    if (name.marked()) row.note += (row.note.empty() ? "" : "; ") + name.note;
}

}  // namespace

namespace {

// Rows that may be ticked say when their satellite's LNB cannot receive their transponder; a
// new satellite gets the universal LNB of addSatelliteRow().
void warnUnreceivable(const TokenArray& tokens, ChannelImportPreview& preview) {
    const std::map<int, LnbSetting> lnbs = satelliteLnbs(tokens);
    for (ChannelImportRow& row : preview.rows) {
        if (!canTick(row) || !row.transponder) continue;
        const ChannelImportTransponder& tp = preview.transponders[*row.transponder];
        const auto lnb = lnbs.find(tp.satellite);
        const LnbSetting setting = lnb == lnbs.end() ? kNewSatelliteLnb : lnb->second;
        addNote(row.note, lnbWarning(setting, tp.tuning.frequencyMhz,
                                     listPolarisation(tp.tuning.polarisation)));
    }
}

}  // namespace

ChannelImportPreview previewChannelImport(const TokenArray& tokens, ChannelFile file,
                                          const ChannelImportOptions& options) {
    ChannelImportPreview preview;
    preview.options = options;
    preview.file = std::move(file);
    if (!preview.file.error.empty()) {
        preview.error = "CANCELED : " + preview.file.error + "!!!";
        return preview;
    }
    if (options.satellite) {
        const std::vector<ChannelImportSatellite> list = listSatellites(tokens);
        if (std::none_of(list.begin(), list.end(), [&](const ChannelImportSatellite& s) {
                return s.index == *options.satellite;
            })) {
            preview.error =
                format("CANCELED : The list has no satellite with Index %d!!!", *options.satellite);
            return preview;
        }
    }
    // The rows in the file's order, the unread ones among them.
    for (const ChannelRecord& record : preview.file.records) {
        ChannelImportRow row;
        row.record = record;
        preview.rows.push_back(std::move(row));
    }
    for (const UnreadRow& unread : preview.file.unread) {
        ChannelImportRow row;
        row.record.line = unread.line;
        setStatus(row, Status::Unreadable, unread.reason);
        preview.rows.push_back(std::move(row));
    }
    std::stable_sort(preview.rows.begin(), preview.rows.end(),
                     [](const ChannelImportRow& a, const ChannelImportRow& b) {
                         return a.record.line < b.record.line;
                     });

    PreviewBuilder builder(tokens, preview);
    std::vector<std::optional<std::size_t>> satelliteOfRow(preview.rows.size());
    for (std::size_t at = 0; at < preview.rows.size(); ++at) {
        ChannelImportRow& row = preview.rows[at];
        if (row.status == Status::Unreadable) continue;
        row.name =
            importChannelName(row.record.name, row.record.shortName, row.record.serviceId).text;
        if (row.record.source != SourceKind::Satellite) {
            setStatus(row, Status::NotSatellite,
                      row.record.source == SourceKind::Cable ? "cable: not for this receiver"
                      : row.record.source == SourceKind::Terrestrial
                          ? "terrestrial: not for this receiver"
                          : "not a satellite service");
            continue;
        }
        std::string reason;
        satelliteOfRow[at] = builder.satelliteOf(row.record, reason);
        row.satellite = satelliteOfRow[at];
        if (!row.satellite) setStatus(row, Status::NoSatellite, reason);
    }
    builder.resolveTransponders(satelliteOfRow);
    const auto inList = listServices(tokens);
    std::set<std::tuple<std::size_t, int, int, int>> seen;
    for (ChannelImportRow& row : preview.rows) {
        if (row.transponder) judge(row, preview, inList, seen);
    }
    warnUnreceivable(tokens, preview);
    return preview;
}

bool canTick(const ChannelImportRow& row) {
    return row.status == Status::New || row.status == Status::DvbS2 ||
           row.status == Status::Encrypted;
}

bool setChannelTicked(ChannelImportPreview& preview, std::size_t row, bool ticked) {
    if (row >= preview.rows.size() || !canTick(preview.rows[row])) return false;
    preview.rows[row].ticked = ticked;
    return true;
}

void renameImportRow(ChannelImportPreview& preview, std::size_t row, std::string_view name) {
    if (row >= preview.rows.size()) return;
    const ImportName edited = editedChannelName(name, preview.rows[row].record.serviceId);
    preview.rows[row].name = edited.text;
    preview.rows[row].nameMarked = edited.marked();
}

ChannelImportCounts countChannelImport(const TokenArray& tokens,
                                       const ChannelImportPreview& preview) {
    ChannelImportCounts counts;
    std::set<std::size_t> transponders;
    std::set<std::size_t> satellites;
    for (const ChannelImportRow& row : preview.rows) {
        if (!row.ticked) {
            ++counts.skipped[importStatusText(row.status)];
            continue;
        }
        ++(row.pidChannel ? counts.pidChannels : counts.channels);
        if (preview.transponders[*row.transponder].presentAs.empty()) {
            transponders.insert(*row.transponder);
        }
        if (preview.satellites[*row.satellite].isNew) satellites.insert(*row.satellite);
    }
    counts.transponders = transponders.size();
    counts.satellites = satellites.size();
    const SectionMap sections = locateSections(tokens);
    const auto left = [](std::size_t capacity, std::size_t used) {
        return used < capacity ? capacity - used : 0;
    };
    counts.channelsLeft = left(kMaxChannelRows, sections[kChannelSection].records(kChannelFields));
    counts.pidChannelsLeft =
        left(kMaxPidChannelRows, sections[kChannelPidSection].records(kPidChannelFields));
    counts.transpondersLeft =
        left(kMaxTransponderRows, sections[kDigitalTpSection].records(kTransponderFields));
    counts.satellitesLeft = freeSatelliteIndexes(tokens);

    std::vector<std::string> over;
    const auto check = [&](std::size_t wanted, std::size_t room, const char* what) {
        if (wanted > room) over.push_back(format("%zu %s with room for %zu", wanted, what, room));
    };
    check(counts.channels, counts.channelsLeft, "channels");
    check(counts.pidChannels, counts.pidChannelsLeft, "PID channels");
    check(counts.transponders, counts.transpondersLeft, "transponders");
    check(counts.satellites, counts.satellitesLeft, "satellites");
    const long long channelIndex = largestIndex(tokens, sections[kChannelSection], kChannelFields);
    const long long pidIndex =
        largestIndex(tokens, sections[kChannelPidSection], kPidChannelFields);
    if (over.empty() && counts.channels > 0 &&
        channelIndex + static_cast<long long>(counts.channels) > kLargestChannelIndex) {
        over.push_back(format("the SVC Index would pass %lld", kLargestChannelIndex));
    }
    if (over.empty() && counts.pidChannels > 0 &&
        pidIndex + static_cast<long long>(counts.pidChannels) > kLargestPidIndex) {
        over.push_back(format("the PID channels' SVC Index would pass %lld", kLargestPidIndex));
    }
    if (!over.empty()) {
        std::string text = "CANCELED : The import does not fit the list: ";
        for (std::size_t at = 0; at < over.size(); ++at) text += (at ? "; " : "") + over[at];
        counts.overCapacity = text + ". Untick rows to import fewer!!!";
    }
    return counts;
}

namespace {

// Adds the new satellites and transponders the ticked rows need to `tokens`; the D_TP Index of
// each transponder entry the ticked rows use.
std::optional<std::map<std::size_t, std::string>> addTransponders(
    TokenArray& tokens, const ChannelImportPreview& preview, std::string& error) {
    std::set<std::size_t> satellites;
    std::map<std::size_t, std::vector<std::size_t>> entriesOf;  // by satellite
    std::map<std::size_t, std::string> bouquetOf;               // by entry
    for (const ChannelImportRow& row : preview.rows) {
        if (!row.ticked) continue;
        satellites.insert(*row.satellite);
        std::vector<std::size_t>& entries = entriesOf[*row.satellite];
        if (std::find(entries.begin(), entries.end(), *row.transponder) == entries.end()) {
            entries.push_back(*row.transponder);
            bouquetOf[*row.transponder] =
                importBouquet(row.record.provider.empty() ? "Import" : row.record.provider);
        }
    }
    for (const std::size_t sat : satellites) {
        const ChannelImportSatellite& satellite = preview.satellites[sat];
        if (satellite.isNew &&
            !addSatelliteRow(tokens, {satellite.index, satellite.name, satellite.positionTenths})) {
            error = format("CANCELED : The satellite Index %d is taken!!!", satellite.index);
            return std::nullopt;
        }
    }
    std::map<std::size_t, std::string> dtpOf;
    for (const auto& [sat, entries] : entriesOf) {
        const int index = preview.satellites[sat].index;
        // The transponders are added to a list of the satellite's own rows, as the preview
        // matched them, with one more row that holds the list's largest D_TP Index so that the
        // new rows are numbered as in the whole list; the rows added then go to the end of the
        // list's D_TP section in the order they were added.
        const SectionMap sections = locateSections(tokens);
        const SectionSpan tpSpan = sections[kDigitalTpSection];
        if (!tpSpan.found) {
            error = format("Can't find \" %s \" ",
                           std::string(sectionInfo(kDigitalTpSection).startMarker).c_str());
            return std::nullopt;
        }
        const std::map<int, std::vector<std::size_t>> cellsOf = transponderCells(tokens, sections);
        const auto cells = cellsOf.find(index);
        TokenArray own =
            satelliteList(tokens, sections, index,
                          cells == cellsOf.end() ? std::vector<std::size_t>{} : cells->second);
        const std::size_t placeholder = locateSections(own)[kDigitalTpSection].end;
        own.insert(own.begin() + static_cast<std::ptrdiff_t>(placeholder),
                   {std::to_string(largestIndex(tokens, tpSpan, kTransponderFields)), "-1", "0",
                    "0", "H", ""});
        const std::size_t firstAdded = placeholder + kTransponderFields;
        // The new transponders, a call per comment, in the order of the file.
        std::vector<std::string> bouquets;
        for (const std::size_t entry : entries) {
            if (preview.transponders[entry].presentAs.empty() &&
                std::find(bouquets.begin(), bouquets.end(), bouquetOf[entry]) == bouquets.end()) {
                bouquets.push_back(bouquetOf[entry]);
            }
        }
        for (const std::string& bouquet : bouquets) {
            std::vector<ScanTransponder> tunings;
            for (const std::size_t entry : entries) {
                if (preview.transponders[entry].presentAs.empty() && bouquetOf[entry] == bouquet)
                    tunings.push_back(preview.transponders[entry].tuning);
            }
            ImportPreview adding = previewImport(own, index, tunings, bouquet);
            for (std::size_t at = 0; at < adding.rows.size(); ++at) setTicked(adding, at, true);
            if (!addImportedTransponders(own, adding, error)) return std::nullopt;
        }
        const std::size_t addedEnd = locateSections(own)[kDigitalTpSection].end;
        tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(tpSpan.end),
                      own.begin() + static_cast<std::ptrdiff_t>(firstAdded),
                      own.begin() + static_cast<std::ptrdiff_t>(addedEnd));
        std::vector<ScanTransponder> tunings;
        for (const std::size_t entry : entries)
            tunings.push_back(preview.transponders[entry].tuning);
        const ImportPreview now = previewImport(own, index, tunings, "");
        for (std::size_t at = 0; at < entries.size(); ++at) {
            if (now.rows[at].status != ImportStatus::Present) {
                error = kListChanged;
                return std::nullopt;
            }
            dtpOf[entries[at]] = now.rows[at].presentAs;
        }
    }
    return dtpOf;
}

}  // namespace

std::optional<ChannelImportCounts> addImportedChannels(TokenArray& tokens,
                                                       const ChannelImportPreview& preview,
                                                       std::string& error) {
    // The list as it is now must still agree with the preview.
    const ChannelImportPreview now = previewChannelImport(tokens, preview.file, preview.options);
    bool agrees = now.error.empty() && now.rows.size() == preview.rows.size() &&
                  now.satellites.size() == preview.satellites.size();
    for (std::size_t at = 0; agrees && at < now.satellites.size(); ++at) {
        agrees = now.satellites[at].index == preview.satellites[at].index;
    }
    for (std::size_t at = 0; agrees && at < now.rows.size(); ++at) {
        agrees =
            !preview.rows[at].ticked ||
            (canTick(now.rows[at]) && now.rows[at].transponder == preview.rows[at].transponder);
    }
    if (!agrees) {
        error = kListChanged;
        return std::nullopt;
    }
    ChannelImportCounts counts = countChannelImport(tokens, preview);
    if (!counts.overCapacity.empty()) {
        error = counts.overCapacity;
        return std::nullopt;
    }
    if (counts.channels + counts.pidChannels == 0) return counts;

    TokenArray with = tokens;
    const std::optional<std::map<std::size_t, std::string>> dtpOf =
        addTransponders(with, preview, error);
    if (!dtpOf) return std::nullopt;
    const SectionMap sections = locateSections(with);
    long long channelIndex = largestIndex(with, sections[kChannelSection], kChannelFields);
    long long pidIndex = largestIndex(with, sections[kChannelPidSection], kPidChannelFields);
    std::vector<std::string> channels;
    std::vector<std::string> pids;
    for (const ChannelImportRow& row : preview.rows) {
        if (!row.ticked) continue;
        const std::string& dtp = dtpOf->at(*row.transponder);
        const std::string sat = std::to_string(preview.satellites[*row.satellite].index);
        const ChannelRecord& r = row.record;
        if (row.pidChannel) {
            const int audio = r.audioPids.empty() ? 0 : r.audioPids.front();
            pids.insert(pids.end(),
                        {std::to_string(++pidIndex), dtp, sat, row.type, row.name,
                         std::to_string(r.videoPid), std::to_string(audio),
                         std::to_string(r.pcrPid != 0 ? r.pcrPid : r.videoPid), "1", "N"});
        } else {
            channels.insert(channels.end(),
                            {std::to_string(++channelIndex), dtp, sat, format("%04X", r.serviceId),
                             row.type, row.name, "1", "N"});
        }
    }
    // The PID section follows the channel section: it is filled first, so that the channel
    // section's end still stands where it was found.
    with.insert(with.begin() + static_cast<std::ptrdiff_t>(sections[kChannelPidSection].end),
                pids.begin(), pids.end());
    with.insert(with.begin() + static_cast<std::ptrdiff_t>(sections[kChannelSection].end),
                channels.begin(), channels.end());
    tokens = std::move(with);
    return counts;
}

std::size_t importChannels(ListDocument& document, const ChannelImportPreview& preview) {
    if (!document.editable()) return 0;
    TokenArray with = document.tokens();
    std::string error;
    const std::optional<ChannelImportCounts> added = addImportedChannels(with, preview, error);
    if (!added) {
        document.ui().message(error);
        return 0;
    }
    const std::size_t rows = added->channels + added->pidChannels;
    if (rows == 0) return 0;
    document.edit(
        kImportChannelsLabel,
        [&with](ListEdit& list) {
            list.tokens() = std::move(with);
            return true;
        },
        Renumber::No);
    return rows;
}

const char* importStatusText(ChannelImportStatus status) {
    switch (status) {
        case Status::New:
            return "new";
        case Status::DvbS2:
            return "DVB-S2";
        case Status::Encrypted:
            return "encrypted";
        case Status::Present:
            return "already in the list";
        case Status::Repeated:
            return "repeated in the file";
        case Status::DataService:
            return "data service";
        case Status::NoServiceId:
            return "no service id";
        case Status::NotSatellite:
            return "not a satellite service";
        case Status::NoSatellite:
            return "no satellite";
        case Status::Refused:
            return "transponder refused";
        case Status::Unreadable:
            break;
    }
    return "unreadable";
}

}  // namespace sky
