// The bytes of compiled images: records, CRCs, markers, padding and the hex text.

#include <gtest/gtest.h>

#include <filesystem>

#include "CompileFixture.h"
#include "common/Crc.h"

namespace sky {
namespace {

using test::HexImage;
using test::ListText;
using test::smallList;

// The bytes an image should hold, written record by record.
class Expected {
public:
    Expected& bytes(std::initializer_list<int> values) {
        for (const int v : values) data.push_back(static_cast<uint8_t>(v));
        return *this;
    }
    Expected& text(std::string_view s, size_t width) {
        data.insert(data.end(), s.begin(), s.end());
        return zeros(width - s.size());
    }
    Expected& zeros(size_t n) {
        data.insert(data.end(), n, 0);
        return *this;
    }
    Expected& start() { return bytes({0xDD, 0xCC, 0xBB, 0xAA}); }
    Expected& end() { return bytes({0xCD, 0xAB, 0x34, 0x12}); }
    Expected& endStart() { return end().start(); }
    // Marks where a record begins, for its CRC.
    Expected& record() {
        recordStart = data.size();
        return *this;
    }
    // The CRC-16 of the record and the zero bytes its type adds, low byte first.
    Expected& crc(size_t zeroBytes) {
        std::vector<uint8_t> covered(data.begin() + static_cast<long>(recordStart), data.end());
        covered.insert(covered.end(), zeroBytes, 0);
        const uint16_t value = crc16(covered.data(), covered.size());
        return bytes({value & 0xFF, value >> 8});
    }
    Expected& padTo(size_t multiple) {
        return zeros((multiple - data.size() % multiple) % multiple);
    }

    std::vector<uint8_t> data;

private:
    size_t recordStart = 0;
};

Expected& nameTable(Expected& e, int count) {
    e.record();
    for (int i = 1; i <= count; ++i) e.text("SAT" + std::to_string(i), 14);
    return e.crc(4).zeros(2);
}

// The satellite row of smallList(): slot 1, "Astra 19E", Blank N, 10600, 9750, 192, 65486.
Expected& satellite(Expected& e) {
    return e.bytes({1, 9})
        .text("Astra 19E", 14)
        .bytes({0x01, 0x06, 0x00, 0x00, 0x97, 0x50})
        .bytes({192, 1, 0, 0, 0xCE, 0xFF});
}

ListText closedSmallList(std::string_view channel = "1 1 1 00A0 TV \"Das Erste\" 0 N") {
    ListText list = smallList(channel);
    list.header("DIGITAL PID CHANNEL").header("ANALOG TP").header("END");
    return list;
}

class CompileImage : public test::CompileFixture {};

TEST_F(CompileImage, BasicNameTableAloneFillsThirtyOneLines) {
    ListText list;
    list.names(32);
    for (const char* section : {"SATELLITE", "DIGITAL TP", "DIGITAL CHANNEL", "DIGITAL PID CHANNEL",
                                "ANALOG TP", "END"}) {
        list.header(section);
    }
    ASSERT_EQ(compile(list, kBasic), 1);
    const HexImage hex = image();

    Expected e;
    nameTable(e, 32).start();
    for (int i = 0; i < 4; ++i) e.endStart();
    e.end().zeros(4);
    ASSERT_EQ(e.data.size(), 496u);
    EXPECT_EQ(hex.address, 0x7FF20000u);
    EXPECT_EQ(hex.lines, 31u);
    EXPECT_EQ(hex.bytes, e.data);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CompileImage, BasicRecordsOfOneSatelliteTransponderAndChannel) {
    ASSERT_EQ(compile(closedSmallList(), kBasic), 1);

    Expected e;
    nameTable(e, 32).start();
    satellite(e).endStart();
    e.record()
        .bytes({0x01, 0x00, 0x01})
        .text("ARD", 13)
        .bytes({0x01, 0x18, 0x36, 0x02, 0x75, 0x00});
    e.crc(4).endStart();
    e.record().bytes({0xA0, 0x00, 0x01, 0x00, 0x01, 0x00, 1, 1, 9}).text("Das Erste", 14);
    e.bytes({0x00}).crc(4).zeros(2);
    e.endStart().endStart().end().padTo(16);
    EXPECT_EQ(image().bytes, e.data);
}

TEST_F(CompileImage, NormalHeaderLineAndEvenLineCount) {
    ASSERT_EQ(compile(closedSmallList(), kNormal), 1);
    const std::string text = test::readFile(dir.file("list.hex"));
    EXPECT_EQ(text.substr(0, 60), "7FF10000  01 00 01 00 01 00 00 00   01 00 00 00 DD CC BB AA\n");

    Expected e;
    e.bytes({1, 0, 1, 0, 1, 0, 0, 0, 1, 0, 0, 0}).start();
    satellite(e).endStart();
    e.record().bytes({1, 0, 0, 0x01, 0x18, 0x36, 0x02, 0x75, 0x00, 3}).text("ARD", 14);
    e.bytes({0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 0, 0}).crc(2).endStart();
    e.record().bytes({0xA0, 0x00, 0x01, 0x00, 0x54, 0}).text("Das Erste", 13).bytes({1});
    e.bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).crc(2);
    e.endStart().end().padTo(32);
    const HexImage hex = image();
    EXPECT_EQ(hex.address, 0x7FF10000u);
    EXPECT_EQ(hex.lines % 2, 0u);
    EXPECT_EQ(hex.bytes, e.data);
    EXPECT_FALSE(std::filesystem::exists(dir.file("list.tmp")));
}

TEST_F(CompileImage, PidAndAnalogRecordsInBothModes) {
    ListText list = smallList();
    list.header("DIGITAL PID CHANNEL")
        .line("5 1 1 RADIO \"Radio X\" 0 1234 8190 2 N")
        .header("ANALOG TP")
        .line("7 1 11495 KU \"Test TV\" 27MHz V 8 10 BASEBAND MONO_LEFT 6.50 7.02 280 Y U50 TV N")
        .header("END");
    ASSERT_EQ(compile(list, kBasic), 1);
    const std::vector<uint8_t> basic = image().bytes;

    // After the name table, satellite, transponder and channel with their markers.
    const size_t pidAt = 452 + 4 + 28 + 8 + 24 + 8 + 28 + 8;
    Expected pid;
    pid.record().bytes({5, 0, 1, 0, 1, 2, 0, 0, 0xD2, 0x04, 0xFE, 0x1F, 7}).text("Radio X", 14);
    pid.bytes({2}).crc(4).zeros(2);
    ASSERT_GT(basic.size(), pidAt + 32);
    EXPECT_EQ(std::vector<uint8_t>(basic.begin() + pidAt, basic.begin() + pidAt + 32), pid.data);

    // Analog: frequency digit, packed pairs, subcarriers 65 07 02, name, contrast, threshold,
    // video byte 27MHz/V/MONO_LEFT/BASEBAND, audio byte KU/280/U50/Panda, flags, slot.
    const size_t analogAt = pidAt + 32 + 8;
    Expected analog;
    analog.record().bytes({0x01, 0x14, 0x95, 0x65, 0x07, 0x02}).text("Test TV", 14);
    analog.bytes({10, 8, 0x56, 0xA3, 0x00, 1}).crc(2);
    EXPECT_EQ(std::vector<uint8_t>(basic.begin() + analogAt, basic.begin() + analogAt + 28),
              analog.data);

    ASSERT_EQ(compile(list, kNormal), 1);
    const std::vector<uint8_t> normal = image().bytes;
    // Counts: 1 satellite, 1 transponder, 2 channels, 1 analog, 2 TV, 1 radio.
    EXPECT_EQ(std::vector<uint8_t>(normal.begin(), normal.begin() + 12),
              (std::vector<uint8_t>{1, 0, 1, 0, 2, 0, 1, 0, 2, 0, 1, 0}));
    // The PID channel follows the digital channel in the same table, as radio number 1.
    const size_t normalPidAt = 12 + 4 + 28 + 8 + 36 + 8 + 28;
    Expected normalPid;
    normalPid.record().bytes({0, 0, 0x01, 0x00, 0x55, 2}).text("Radio X", 13).bytes({1});
    normalPid.bytes({0, 0, 0xD2, 0x04, 0xFE, 0x1F}).crc(2);
    EXPECT_EQ(std::vector<uint8_t>(normal.begin() + normalPidAt, normal.begin() + normalPidAt + 28),
              normalPid.data);
    // The analog channel is TV number 2, after the digital one; its flags carry the Normal bit.
    const size_t normalAnalogAt = normalPidAt + 28 + 8;
    EXPECT_EQ(normal[normalAnalogAt + 19], 2);
    EXPECT_EQ(normal[normalAnalogAt + 24], 0x04);
    EXPECT_EQ(normal[normalAnalogAt], 0x01);
}

TEST_F(CompileImage, ProgramNumbersAboveTwoFiftyFiveUseTheTopOfTheTransponderWord) {
    ListText list = smallList();
    for (int i = 2; i <= 300; ++i) list.line(std::to_string(i) + " 1 1 00A0 TV Ch 0 N");
    list.header("END");
    ASSERT_EQ(compile(list, kNormal), 1);
    const std::vector<uint8_t> bytes = image().bytes;
    const size_t channel300 = 12 + 4 + 28 + 8 + 36 + 8 + 299 * 28;
    EXPECT_EQ(bytes[channel300 + 2], 0x01);  // transponder position 1
    EXPECT_EQ(bytes[channel300 + 3], 0x10);  // program 300 = 0x12C: 1 in the top four bits
    EXPECT_EQ(bytes[channel300 + 19], 0x2C);
}

TEST_F(CompileImage, SplitListNumbersAnalogChannelsFromOne) {
    ListText list = smallList();
    list.header("DIGITAL PID CHANNEL")
        .line("5 1 1 TV Pid 0 1234 8190 2 N")
        .header("ANALOG TP")
        .line("7 1 1149 C A 18MHz H 8 10 CVBS STEREO 6.50 6.50 130 N NO_DEEMP TV N")
        .header("END");
    const size_t analogAt = 12 + 4 + 28 + 8 + 36 + 8 + 28 + 28 + 8;

    ASSERT_EQ(compile(list, kNormal), 1);
    EXPECT_EQ(image().bytes[analogAt + 19], 3);
    ASSERT_EQ(compile(list, kNormal, false, true), 1);
    EXPECT_EQ(image().bytes[analogAt + 19], 1);
}

TEST_F(CompileImage, RowsOfBlankOrUndeclaredSatellitesAreLeftOut) {
    // Both lists declare slot 2 blank; slot 7 is not declared at all.
    const auto withBlankSatellite = [](ListText list) {
        std::string text = list.text();
        text.insert(text.find("[DIGITAL TP]"), "2 \"Hot Bird\" Y 10600 9750 130\r\n");
        return text;
    };
    ListText plain = smallList();
    plain.header("DIGITAL PID CHANNEL").header("ANALOG TP").header("END");
    // The skipped rows may repeat indexes and name missing transponders without a message.
    ListText skipping = smallList();
    skipping.line("2 1 2 00A1 TV Skipped 0 N")
        .line("2 1 7 00A1 TV Skipped 0 N")
        .header("DIGITAL PID CHANNEL")
        .line("3 99 2 TV Skipped 0 0 0 0 N")
        .header("ANALOG TP")
        .line("1 7 1149 C A 18MHz H 8 10 CVBS STEREO 6.50 6.50 130 N NO_DEEMP TV N")
        .line("1 2 1149 C A 18MHz H 8 10 CVBS STEREO 6.50 6.50 130 N NO_DEEMP TV N")
        .header("END");
    std::string skippingText = withBlankSatellite(skipping);
    skippingText.insert(skippingText.find("[DIGITAL CHANNEL]"), "2 2 12000 27500 V Skipped\r\n");

    for (const CompileMode mode : {kBasic, kNormal}) {
        test::writeFile(listPath(), withBlankSatellite(plain));
        ASSERT_EQ(compilePath(listPath(), mode), 1);
        const std::vector<uint8_t> expected = image().bytes;
        test::writeFile(listPath(), skippingText);
        ASSERT_EQ(compilePath(listPath(), mode), 1) << static_cast<int>(mode);
        EXPECT_EQ(image().bytes, expected) << static_cast<int>(mode);
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(CompileImage, NullChannelsNeedNoTransponder) {
    ListText list = smallList("1 77 1 00A0 TV Null 3 Y");
    list.header("DIGITAL PID CHANNEL").line("2 88 1 RADIO Null 0 0 0 4 Y").header("END");

    ASSERT_EQ(compile(list, kBasic), 1) << ::testing::PrintToString(ui.messages);
    const std::vector<uint8_t> basic = image().bytes;
    const size_t channelAt = 452 + 4 + 28 + 8 + 24 + 8;
    EXPECT_EQ(basic[channelAt + 4], 77);         // D_TP Index as written
    EXPECT_EQ(basic[channelAt + 23], 0x80 | 3);  // Blank bit over the audio track
    const size_t pidAt = channelAt + 28 + 8;
    EXPECT_EQ(basic[pidAt + 2], 88);
    EXPECT_EQ(basic[pidAt + 27], 0x80 | 4);

    ASSERT_EQ(compile(list, kNormal), 1) << ::testing::PrintToString(ui.messages);
    const std::vector<uint8_t> normal = image().bytes;
    const size_t normalAt = 12 + 4 + 28 + 8 + 36 + 8;
    EXPECT_EQ(normal[normalAt + 2], 77);
    EXPECT_EQ(normal[normalAt + 4], 0x5C);  // 0x54 + Blank, TV
    EXPECT_EQ(normal[normalAt + 5], 1);     // the satellite slot instead of the audio track
    EXPECT_EQ(normal[normalAt + 19], 1);    // a null channel keeps its program number
    EXPECT_EQ(normal[normalAt + 28 + 2], 88);
    EXPECT_EQ(normal[normalAt + 28 + 4], 0x5D);
}

TEST_F(CompileImage, FortyNamesWithTheMaxSatelliteFlag) {
    satNameCount = 40;
    ListText list;
    list.names(40).header("SATELLITE").header("END");
    ASSERT_EQ(compile(list, kBasic), 1);
    Expected e;
    nameTable(e, 40).start().end().padTo(16);
    EXPECT_EQ(image().bytes, e.data);
}

}  // namespace
}  // namespace sky
