// An independent check of the DVBv5 and VDR readers: dvb-format-convert (Debian's dvb-tools)
// converts the DVBv5 sample into a channels.conf, and both readers must give the same services.
// The converter cuts kHz down to MHz where the readers round, so frequencies may differ by 1.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "db/channels/ChannelRecord.h"
#include "support/TempDir.h"

namespace sky {
namespace {

bool sameService(const ChannelRecord& a, const ChannelRecord& b) {
    if (a.name != b.name || a.source != b.source) return false;
    // Only satellite services are read whole.
    if (a.source != SourceKind::Satellite) return true;
    return std::abs(a.frequencyMhz - b.frequencyMhz) <= 1 && a.polarisation == b.polarisation &&
           a.symbolRateKs == b.symbolRateKs && a.system == b.system && a.serviceId == b.serviceId &&
           a.videoPid == b.videoPid && a.audioPids == b.audioPids &&
           a.positionTenths == b.positionTenths;
}

TEST(ChannelFormatConvert, DvbV5AndItsVdrConversionGiveTheSameServices) {
    if (std::system("command -v dvb-format-convert >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "dvb-format-convert (dvb-tools) is missing";
    }
    const test::TempDir dir;
    const std::string dvbv5 = SKYLISTER_SOURCE_DIR "/tests/fuzz/corpus/dvbv5/channels.dvbv5";
    const std::string vdr = dir.file("channels.conf");
    ASSERT_EQ(
        std::system(("dvb-format-convert -I dvbv5 -O vdr " + dvbv5 + " " + vdr + " >/dev/null 2>&1")
                        .c_str()),
        0);
    const ChannelFile fromDvbV5 = readChannelFileAt(dvbv5);
    const ChannelFile fromVdr = readChannelFileAt(vdr);
    EXPECT_EQ(fromDvbV5.format, ChannelFormat::DvbV5);
    EXPECT_EQ(fromVdr.format, ChannelFormat::Vdr);
    ASSERT_EQ(fromVdr.records.size(), fromDvbV5.records.size()) << test::readFile(vdr);
    ASSERT_GE(fromVdr.records.size(), 4u);
    for (std::size_t at = 0; at < fromVdr.records.size(); ++at) {
        EXPECT_TRUE(sameService(fromVdr.records[at], fromDvbV5.records[at]))
            << fromVdr.records[at].name << " / " << fromDvbV5.records[at].name;
    }
    // The block without a polarization is refused by both.
    EXPECT_EQ(fromVdr.unread.size(), fromDvbV5.unread.size());
}

}  // namespace
}  // namespace sky
