#include "compiler/PacketConverter.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "common/Format.h"
#include "compiler/HexText.h"
#include "db/SiblingPath.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {
namespace {

const char kSuccess[] = "Conversion is terminated successfully.\n";
const char kEofFailure[] = "DNCONV: Error on packet build. -- EOF\n";

// A bit-by-bit CRC-32, independent of the converter's table.
uint32_t referenceCrc32(const std::string& bytes) {
    uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<uint8_t>(c);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0);
    }
    return ~crc;
}

uint32_t bigEndian(const std::string& bytes, size_t at, int length) {
    uint32_t value = 0;
    for (int i = 0; i < length; ++i) value = value << 8 | static_cast<uint8_t>(bytes.at(at + i));
    return value;
}

// The byte of an image at a given address, so that every line's data differs.
char imageByte(uint32_t address) {
    return static_cast<char>((address * 7 + (address >> 8)) & 0xFF);
}

// Lines of 16 bytes as the compiler writes them, from the given address on.
std::string hexLines(uint32_t address, int lines) {
    std::string text;
    for (int line = 0; line < lines; ++line, address += 16) {
        text += format("%08X ", address);
        for (uint32_t i = 0; i < 16; ++i) {
            text +=
                format(i == 8 ? "   %02X" : " %02X", static_cast<uint8_t>(imageByte(address + i)));
        }
        text += "\n";
    }
    return text;
}

std::string imageBytes(uint32_t address, size_t count) {
    std::string bytes;
    for (size_t i = 0; i < count; ++i) bytes += imageByte(address + static_cast<uint32_t>(i));
    return bytes;
}

struct Packet {
    uint32_t number;
    uint32_t address;
    std::string data;
};

// Reads a download file back, checking its markers, lengths and every CRC.
std::vector<Packet> readDownloadFile(const std::string& file) {
    std::vector<Packet> packets;
    EXPECT_GE(file.size(), 14u);
    if (file.size() < 14) return packets;
    EXPECT_EQ(file.substr(0, 4), std::string("\x55\xAA\x01\x01"));
    EXPECT_EQ(bigEndian(file, 10, 4), referenceCrc32(file.substr(0, 10)));
    uint32_t total = 0;
    size_t at = 14;
    while (at < file.size()) {
        EXPECT_EQ(file.substr(at, 2), "ZZ");
        const uint32_t length = bigEndian(file, at + 8, 4);
        const std::string packet = file.substr(at, 12 + length);
        EXPECT_EQ(bigEndian(file, at + 12 + length, 4), referenceCrc32(packet));
        packets.push_back(
            {bigEndian(file, at + 2, 2), bigEndian(file, at + 4, 4), packet.substr(12)});
        total += length;
        at += 16 + length;
    }
    EXPECT_EQ(at, file.size());
    EXPECT_EQ(bigEndian(file, 4, 4), total);
    EXPECT_EQ(bigEndian(file, 8, 2), packets.size());
    for (size_t i = 0; i < packets.size(); ++i) EXPECT_EQ(packets[i].number, i);
    return packets;
}

std::string convert(const std::string& hexText, test::RecordingUi& ui) {
    const std::optional<std::string> file = buildDownloadFile(hexText, ui);
    return file.value_or("");
}

TEST(PacketConverter, TwentyLinesMakeOnePacket) {
    test::RecordingUi ui;
    const std::string file = convert(hexLines(0x7FF20000, 20), ui);
    EXPECT_EQ(file.size(), 14u + 16u + 320u);
    const std::vector<Packet> packets = readDownloadFile(file);
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_EQ(packets[0].address, 0x7FF20000u);
    EXPECT_EQ(packets[0].data, imageBytes(0x7FF20000, 320));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(PacketConverter, PacketsCloseAfterTheLineThatPassesTheLimit) {
    test::RecordingUi ui;
    std::vector<Packet> packets = readDownloadFile(convert(hexLines(0x7FF10000, 300), ui));
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].data.size(), 4080u);
    EXPECT_EQ(packets[1].data.size(), 720u);
    EXPECT_EQ(packets[1].address, 0x7FF10000u + 4080);
    EXPECT_EQ(packets[0].data + packets[1].data, imageBytes(0x7FF10000, 4800));

    // An image that ends exactly where a packet was closed needs no empty last packet.
    packets = readDownloadFile(convert(hexLines(0x7FF10000, 255), ui));
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_EQ(packets[0].data.size(), 4080u);
    packets = readDownloadFile(convert(hexLines(0x7FF10000, 510), ui));
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[1].data.size(), 4080u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(PacketConverter, AnImageWithoutDataFails) {
    for (const std::string& text :
         {std::string(), std::string("\r\n  \r\n"), std::string("\xFF")}) {
        test::RecordingUi ui;
        EXPECT_EQ(buildDownloadFile(text, ui), std::nullopt);
        EXPECT_EQ(ui.messages, std::vector<std::string>{kEofFailure});
    }
}

TEST(PacketConverter, AGapOrAStepBackStartsANewPacket) {
    test::RecordingUi ui;
    // The pre-installed image: a Normal image followed by a Basic one at another address.
    std::vector<Packet> packets =
        readDownloadFile(convert(hexLines(0x7FF10000, 20) + hexLines(0x7FF20000, 10), ui));
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].data, imageBytes(0x7FF10000, 320));
    EXPECT_EQ(packets[1].address, 0x7FF20000u);
    EXPECT_EQ(packets[1].data, imageBytes(0x7FF20000, 160));

    packets = readDownloadFile(convert(hexLines(0x1000, 4) + hexLines(0x1030, 2), ui));
    ASSERT_EQ(packets.size(), 2u);
    EXPECT_EQ(packets[0].data.size(), 64u);
    EXPECT_EQ(packets[1].address, 0x1030u);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(PacketConverter, ReadsTheHexTextLeniently) {
    test::RecordingUi ui;
    const std::string clean = convert(hexLines(0x7FF20000, 3), ui);

    std::string lower = hexLines(0x7FF20000, 3);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(convert(lower, ui), clean);

    // CR LF endings, leading white space, blank lines and spaces before the line end.
    std::string loose;
    std::string lines = hexLines(0x7FF20000, 3);
    for (size_t start = 0; start < lines.size();) {
        const size_t end = lines.find('\n', start);
        loose += "\r\n \t\r\n  " + lines.substr(start, end - start) + " \t\r\n";
        start = end + 1;
    }
    EXPECT_EQ(convert(loose, ui), clean);

    // Nothing after a 0xFF byte is read.
    EXPECT_EQ(convert(hexLines(0x7FF20000, 3) + "\xFF" + hexLines(0x10, 5), ui), clean);
    EXPECT_EQ(convert(hexLines(0x7FF20000, 3) + "7FF20030 01 02\xFF 03 04\n", ui),
              convert(hexLines(0x7FF20000, 3) + "7FF20030 01 02\n", ui));
    EXPECT_TRUE(ui.messages.empty());
}

TEST(PacketConverter, ReportsUnknownCharactersAndGoesOn) {
    test::RecordingUi ui;
    // "G" (0x47) counts as 7, "x" (0x78) as 8.
    const std::vector<Packet> packets = readDownloadFile(convert("7FF2000G 1x 22\n", ui));
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"DNCONV: Unknown character on buffer:0x47\n",
                                        "DNCONV: Unknown character on buffer:0x78\n"}));
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_EQ(packets[0].address, 0x7FF20007u);
    EXPECT_EQ(packets[0].data, std::string("\x18\x22"));

    // A line that ends inside a byte never takes its digit from the next line.
    test::RecordingUi cut;
    const std::vector<Packet> cutPackets =
        readDownloadFile(convert("00000000 1\r\n00000001 22\n", cut));
    EXPECT_EQ(cut.messages, std::vector<std::string>{"DNCONV: Unknown character on buffer:0x0d\n"});
    ASSERT_EQ(cutPackets.size(), 1u);
    EXPECT_EQ(cutPackets[0].data, std::string("\x1D\x22"));
}

// The converter reaches base.hex and base.bin from the channel list's path.
struct ListFile {
    test::RecordingUi& ui;
    std::string path;
    bool convertImage() { return sky::convertImage(path, ui); }
};

struct Files {
    test::TempDir dir;
    test::RecordingUi ui;
    ListFile db{ui, dir.file("list.txt")};
};

// Images given by their bytes make the file, or the failure, of their hex texts one after the
// other: empty images, packets cut at every size, gaps and steps back between images.
TEST(PacketConverter, ImagesMakeTheFileOfTheirHexText) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::vector<CompiledImage> images(1 + random() % 3);
        std::string text;
        uint32_t address = 0x7FF10000;
        for (CompiledImage& image : images) {
            if (random() % 3 == 0) address += 16 * (random() % 600) - 16 * 300;
            image.address = address;
            image.bytes.resize(16 * (random() % 2 == 0 ? random() % 40 : random() % 1200));
            for (uint8_t& byte : image.bytes) byte = static_cast<uint8_t>(random());
            text += hexText(image.address, image.bytes);
            address += static_cast<uint32_t>(image.bytes.size());
        }
        test::RecordingUi fromText;
        test::RecordingUi fromImages;
        EXPECT_EQ(buildDownloadFile(text, fromText), buildDownloadFile(images, fromImages));
        EXPECT_EQ(fromText.messages, fromImages.messages);
    }
}

TEST(ConvertImage, WritesBaseBinBesideTheList) {
    Files f;
    test::writeFile(f.dir.file("list.hex"), hexLines(0x7FF20000, 20));
    EXPECT_NE(f.db.convertImage(), 0);
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{kSuccess});
    EXPECT_EQ(readDownloadFile(test::readFile(f.dir.file("list.bin"))).size(), 1u);
    EXPECT_EQ(f.db.path, f.dir.file("list.txt"));

    f.db.path = f.dir.file("LIST.TXT");
    test::writeFile(f.dir.file("LIST.hex"), hexLines(0x7FF20000, 1));
    EXPECT_NE(f.db.convertImage(), 0);
    EXPECT_TRUE(std::filesystem::exists(f.dir.file("LIST.bin")));
    EXPECT_EQ(f.db.path, f.dir.file("LIST.TXT"));
}

TEST(ConvertImage, AFailedConversionLeavesNoDownloadFile) {
    Files f;
    test::writeFile(f.dir.file("list.bin"), "an older image");
    test::writeFile(f.dir.file("list.hex"), "\r\n");
    EXPECT_EQ(f.db.convertImage(), 0);
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{kEofFailure});
    EXPECT_FALSE(std::filesystem::exists(f.dir.file("list.bin")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.dir.path()), {}), 1);
}

TEST(ConvertImage, TextInMemoryGivesTheFileOfTheHexFile) {
    Files f;
    const std::string text = hexLines(0x7FF10000, 300) + hexLines(0x7FF20000, 7);
    test::writeFile(f.dir.file("list.hex"), text);
    EXPECT_TRUE(convertHexFile(f.dir.file("list.hex"), f.dir.file("file.bin"), f.ui));
    EXPECT_TRUE(convertHexText(text, f.dir.file("text.bin"), f.ui));
    EXPECT_EQ(f.ui.messages, (std::vector<std::string>{kSuccess, kSuccess}));
    EXPECT_EQ(test::readFile(f.dir.file("text.bin")), test::readFile(f.dir.file("file.bin")));

    // A failure leaves no download file, not even an older one.
    f.ui.messages.clear();
    EXPECT_FALSE(convertHexText("\r\n", f.dir.file("text.bin"), f.ui));
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{kEofFailure});
    EXPECT_FALSE(std::filesystem::exists(f.dir.file("text.bin")));
}

TEST(ConvertImage, RefusesMissingImagesAndPathsWithoutTxt) {
    Files f;
    EXPECT_EQ(f.db.convertImage(), 0);
    EXPECT_EQ(f.ui.messages,
              std::vector<std::string>{"Can't open  " + f.dir.file("list.hex") + " file \n"});

    f.ui.messages.clear();
    f.db.path = f.dir.file("list.hex");
    test::writeFile(f.db.path, hexLines(0, 1));
    EXPECT_EQ(f.db.convertImage(), 0);
    EXPECT_EQ(f.ui.messages, std::vector<std::string>{notTextPathMessage(f.db.path)});

    f.ui.messages.clear();
    f.db.path = f.dir.file("list.txt");
    test::writeFile(f.dir.file("list.hex"), hexLines(0, 1));
    std::filesystem::create_directory(f.dir.file("list.bin"));
    EXPECT_EQ(f.db.convertImage(), 0);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_NE(f.ui.messages[0].find(f.dir.file("list.bin")), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(f.dir.file("list.bin")));
}

}  // namespace
}  // namespace sky
