// The readers of other programs' channel lists, on the samples of the fuzz corpora (written from
// each format's documentation, odd forms included): the records, the rows not read with their
// lines, and the detection of the format.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "db/channels/ChannelRecord.h"

namespace sky {
namespace {

std::string sample(const std::string& name) {
    std::ifstream in(SKYLISTER_SOURCE_DIR "/tests/fuzz/corpus/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// "line name position frequency pol rate system sid video/pcr audio caids type" of a record.
std::string shown(const ChannelRecord& r) {
    std::ostringstream out;
    out << r.line << " " << r.name;
    if (!r.shortName.empty()) out << "," << r.shortName;
    if (!r.provider.empty()) out << ";" << r.provider;
    if (r.source != SourceKind::Satellite) {
        out << (r.source == SourceKind::Cable ? " cable" : " other");
        return out.str();
    }
    out << " " << (r.positionTenths ? std::to_string(*r.positionTenths) : "-") << " "
        << r.frequencyMhz << polarisationLetter(r.polarisation) << r.symbolRateKs << " "
        << deliverySystemName(r.system) << " sid " << r.serviceId << " v " << r.videoPid << "/"
        << r.pcrPid << " a";
    for (const int pid : r.audioPids) out << " " << pid;
    if (r.encrypted()) out << " CA";
    if (r.serviceType) out << " type " << *r.serviceType;
    return out.str();
}

std::vector<std::string> shown(const ChannelFile& file) {
    std::vector<std::string> rows;
    for (const ChannelRecord& r : file.records) rows.push_back(shown(r));
    for (const UnreadRow& u : file.unread)
        rows.push_back("unread " + std::to_string(u.line) + ": " + u.reason);
    return rows;
}

TEST(ChannelFiles, VdrRowsOfEveryFormAndTheRowsNotRead) {
    const ChannelFile file = readVdrChannels(sample("vdr/channels.conf"));
    EXPECT_EQ(shown(file),
              (std::vector<std::string>{
                  "2 Das Erste HD;ARD 192 11494H22000 DVB-S2 sid 10301 v 5101/0 a 5102 5103 5106",
                  "3 RTL Television,RTL;RTL World 192 12188H27500 DVB-S sid 12003 v 163/160 a 104",
                  "4 Sky Cinema Premiere HD,Sky Cinema;Sky 192 11914H27500 DVB-S2 sid 10 v 255/0 "
                  "a 256 CA",
                  "5 Radio Zürich:Bern;SRG 192 12188H27500 DVB-S sid 12010 v 0/0 a 111",
                  "7 Fußball \"Live\" #1 ~ 192 12188H27500 DVB-S sid 12011 v 170/0 a 171",
                  "8 EPG data 192 12188H27500 DVB-S sid 12012 v 0/0 a",
                  "9 Česká televize -300 11953V27500 DVB-S sid 2051 v 2001/0 a 2002",
                  "10 Das Erste;ARD other",
                  "11 FS HH cable",
                  "14 Old form channel - 11836H27500 DVB-S sid 28106 v 101/0 a 102",
                  "15 Older form - 11836V27500 DVB-S sid 28107 v 201/0 a 202",
                  "unread 12: the row has 5 fields where a channel has 13 (or 9 or 10 in the old "
                  "form)",
                  "unread 13: the source \"S99XE\" is no orbital position",
              }));
    // Each channel keeps the name of the group line it follows.
    EXPECT_EQ(file.records[0].group, "Astra 19.2");
    EXPECT_EQ(file.records[4].group, "Weitere");
}

TEST(ChannelFiles, DvbV5BlocksInKilohertzWithoutPosition) {
    const ChannelFile file = readDvbV5Channels(sample("dvbv5/channels.dvbv5"));
    EXPECT_EQ(shown(file),
              (std::vector<std::string>{
                  "2 Das Erste HD - 11494H22000 DVB-S2 sid 10301 v 5101/0 a 5102 5103 5106",
                  "20 RTL Television - 12188H27500 DVB-S sid 12003 v 163/0 a 104",
                  "31 Bayern 3 - 12266H27500 DVB-S sid 28203 v 0/0 a 1221",
                  "39 Circular One - 11727L27500 DVB-S sid 7 v 1001/0 a 1002",
                  "48 Cable channel cable",
                  "unread 56: the block [No polarization] has no POLARIZATION",
              }));
}

TEST(ChannelFiles, LamedbVersionsFourAndFive) {
    EXPECT_EQ(shown(readLamedb(sample("lamedb/lamedb"))),
              (std::vector<std::string>{
                  "17 Das Erste HD;ARD 192 11494H22000 DVB-S2 sid 10301 v 5101/5101 a 5102 type 25",
                  "20 RTL Television,RTL;RTL World 192 12188H27500 DVB-S sid 12003 v 163/160 a 104 "
                  "type 1",
                  "23 Radio One;RTL World 192 12188H27500 DVB-S sid 12010 v 0/0 a 111 type 2",
                  "26 Data Service;Data 192 12188H27500 DVB-S sid 10 v 0/0 a type 12",
                  "29 Hispasat TV;Hispasat -300 11953V27500 DVB-S sid 2050 v 2001/0 a 2002 CA "
                  "type 1",
                  "32 Kabel Eins;Kabel cable",
                  "unread 35: the service's transponder 00c00000:9999:0001 is not in the file",
              }));
    EXPECT_EQ(
        shown(readLamedb(sample("lamedb/lamedb5"))),
        (std::vector<std::string>{
            "7 Das Erste HD;ARD 192 11494H22000 DVB-S2 sid 10301 v 5101/0 a 5102 type 25",
            "8 RTL, Television;RTL World 192 12188H27500 DVB-S sid 12003 v 163/0 a 104 type 1",
            "9 Radio One;RTL World 192 12188H27500 DVB-S sid 12010 v 0/0 a 111 type 2",
            "10 West TV;West -30 10970V27500 DVB-S sid 1 v 0/0 a CA type 1",
            "unread 11: \"garbage line\" is no transponder or service line",
        }));
}

TEST(ChannelFiles, FormatIsDetectedByContent) {
    EXPECT_EQ(detectChannelFormat(sample("vdr/channels.conf")), ChannelFormat::Vdr);
    EXPECT_EQ(detectChannelFormat(sample("dvbv5/channels.dvbv5")), ChannelFormat::DvbV5);
    EXPECT_EQ(detectChannelFormat(sample("lamedb/lamedb5")), ChannelFormat::Lamedb);
    EXPECT_EQ(detectChannelFormat("\r\n  eDVB services /4/\r\n"), ChannelFormat::Lamedb);
    EXPECT_EQ(detectChannelFormat("[SATELLITE]x\n"), std::nullopt);
    EXPECT_EQ(detectChannelFormat("hello world\n"), std::nullopt);
    EXPECT_FALSE(readChannelFile("hello\n").error.empty());
    EXPECT_EQ(readChannelFile("A:1:h:0:1:0:0:0:1\n", ChannelFormat::Vdr).records.size(), 1u);
    EXPECT_FALSE(readLamedb("eDVB services /3/\n").error.empty());
}

}  // namespace
}  // namespace sky
