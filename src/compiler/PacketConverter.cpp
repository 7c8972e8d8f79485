#include "compiler/PacketConverter.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "common/Crc.h"
#include "common/DownloadFileLayout.h"
#include "common/Format.h"
#include "db/FileIo.h"
#include "db/ReplacementFile.h"
#include "db/SiblingPath.h"

namespace sky {

namespace {

// A packet is closed as soon as it holds more than this many bytes, after a whole line, so the
// compiler's 16-byte lines fill a packet with 4080 bytes.
constexpr size_t kPacketCloseSize = 4064;
// The reader takes at most this many bytes as one line.
constexpr size_t kLineLimit = 512;
constexpr size_t kAddressDigits = 8;
// This byte ends the image wherever it stands.
constexpr char kImageEnd = '\xFF';

void putBigEndian(char* out, uint32_t value, int bytes) {
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
        *out++ = static_cast<char>((value >> shift) & 0xFF);
    }
}

void appendBigEndian(std::string& out, uint32_t value, int bytes) {
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(bytes));
    putBigEndian(out.data() + at, value, bytes);
}

void appendCrc(std::string& out, size_t from) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(out.data() + from);
    appendBigEndian(out, crc32(bytes, out.size() - from), 4);
}

// The value of each character as a hexadecimal digit, -1 for the others.
constexpr std::array<int8_t, 256> kHexDigit = [] {
    std::array<int8_t, 256> table{};
    table.fill(-1);
    for (int i = 0; i < 10; ++i) table['0' + i] = static_cast<int8_t>(i);
    for (int i = 0; i < 6; ++i) {
        table['A' + i] = static_cast<int8_t>(10 + i);
        table['a' + i] = static_cast<int8_t>(10 + i);
    }
    return table;
}();

// Bytes of value 32 or less and of 128 and above stand between the fields of a line.
bool isSeparator(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte <= 32 || byte >= 128;
}

// One line of the hex text, cut at its CR or LF; digits are never taken from beyond it.
class HexLine {
public:
    HexLine(std::string_view line, IUserInterface& ui) : ui_(ui) {
        // A plain loop: find_first_of() calls memchr() once per character.
        size_t end = 0;
        while (end < line.size() && line[end] != '\r' && line[end] != '\n') ++end;
        text_ = line.substr(0, end);
        terminator_ = end == line.size() ? '\0' : line[end];
    }

    // Parses the address and the data bytes; false for a line that holds nothing but separators.
    bool parse(uint32_t& address, std::vector<uint8_t>& bytes) {
        while (pos_ < text_.size() && isSeparator(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) return false;
        address = 0;
        for (size_t i = 0; i < kAddressDigits; ++i) address = address << 4 | nextDigit();
        bytes.clear();
        for (;;) {
            while (pos_ < text_.size() && isSeparator(text_[pos_])) ++pos_;
            if (pos_ >= text_.size()) break;
            const uint32_t high = nextDigit();
            bytes.push_back(static_cast<uint8_t>(high << 4 | nextDigit()));
        }
        return true;
    }

private:
    // The value of the next character as a hexadecimal digit. Any other character is reported
    // and counts with the low four bits of its code; past the line's end the line end itself
    // stands in.
    uint32_t nextDigit() {
        const char c = pos_ < text_.size() ? text_[pos_] : terminator_;
        ++pos_;
        const int8_t value = kHexDigit[static_cast<unsigned char>(c)];
        if (value >= 0) return static_cast<uint32_t>(value);
        const unsigned code = static_cast<unsigned char>(c);
        ui_.message(format("DNCONV: Unknown character on buffer:0x%02x\n", code));
        return code & 0x0F;
    }

    IUserInterface& ui_;
    std::string_view text_;
    char terminator_ = '\0';
    size_t pos_ = 0;
};

class PacketBuilder {
public:
    // The hex text takes about three characters a byte; the file is reserved for that at once.
    PacketBuilder(IUserInterface& ui, size_t textSize) : ui_(ui), out_(kFileHeaderSize, '\0') {
        out_.reserve(textSize / 3 + 4 * kPacketCloseSize);
    }

    // Takes the line's bytes; a line of a fixed length (the compiler's) is copied inline.
    template <size_t Extent>
    bool addLine(uint32_t address, std::span<const uint8_t, Extent> bytes) {
        if (size_ == 0) {
            loadAddress_ = address;
        } else if (address != expected_) {
            if (!close("DNCONV: Error on packet build. -- Discontinuity\n")) return false;
            loadAddress_ = address;
        }
        std::copy(bytes.begin(), bytes.end(), data_.begin() + static_cast<ptrdiff_t>(size_));
        size_ += bytes.size();
        expected_ = address + static_cast<uint32_t>(bytes.size());
        total_ += static_cast<uint32_t>(bytes.size());
        if (size_ > kPacketCloseSize) return close("DNCONV: Error on packet build. -- Normal\n");
        return true;
    }

    // Closes the last packet and fills in the file header. An image that ends where a packet was
    // just closed for size needs no further packet; an image without any data fails.
    std::optional<std::string> finish() {
        if (!(size_ == 0 && packets_ > 0) && !close("DNCONV: Error on packet build. -- EOF\n")) {
            return std::nullopt;
        }
        std::string header{'\x55', '\xAA', '\x01', '\x01'};
        appendBigEndian(header, total_, 4);
        appendBigEndian(header, packets_, 2);
        appendCrc(header, 0);
        out_.replace(0, kFileHeaderSize, header);
        return std::move(out_);
    }

private:
    bool close(const char* failure) {
        if (size_ == 0) {
            ui_.message(failure);
            return false;
        }
        const size_t start = out_.size();
        out_ += "ZZ";
        appendBigEndian(out_, packets_, 2);
        appendBigEndian(out_, loadAddress_, 4);
        appendBigEndian(out_, static_cast<uint32_t>(size_), 4);
        out_.append(reinterpret_cast<const char*>(data_.data()), size_);
        appendCrc(out_, start);
        ++packets_;
        size_ = 0;
        return true;
    }

    IUserInterface& ui_;
    std::string out_;
    // The open packet's data. A line of at most kLineLimit characters holds fewer bytes than that,
    // and a packet is closed as soon as it holds more than kPacketCloseSize, so any packet fits.
    std::array<uint8_t, kPacketCloseSize + kLineLimit> data_;
    size_t size_ = 0;
    uint32_t loadAddress_ = 0;
    uint32_t expected_ = 0;
    uint32_t total_ = 0;
    uint32_t packets_ = 0;
};

// The hex text the compiler writes has one layout: "%08X ", then sixteen bytes as " %02X", the
// ninth as "   %02X", then a line feed. Such a line is read here directly; any other line goes to
// the general reader, which gives the same result for this one.
constexpr size_t kCompilerLineLength = 60;
constexpr size_t kCompilerLineBytes = 16;

// Where the digits of each data byte of such a line stand.
constexpr std::array<size_t, kCompilerLineBytes> kByteAt = [] {
    std::array<size_t, kCompilerLineBytes> at{};
    for (size_t k = 0; k < kCompilerLineBytes; ++k) at[k] = k < 8 ? 10 + 3 * k : 36 + 3 * (k - 8);
    return at;
}();

// The line's separators, read eight characters at a time from these offsets (the last word
// overlaps the one before it): the mask selects the characters that must be a space (or the final
// line feed), the pattern holds them, both in the machine's byte order.
constexpr std::array<size_t, 8> kWordAt{0, 8, 16, 24, 32, 40, 48, kCompilerLineLength - 8};
struct SeparatorWords {
    std::array<uint64_t, kWordAt.size()> mask{};
    std::array<uint64_t, kWordAt.size()> pattern{};
};
constexpr SeparatorWords kSeparators = [] {
    std::array<bool, kCompilerLineLength> digit{};
    for (size_t i = 0; i < kAddressDigits; ++i) digit[i] = true;
    for (const size_t at : kByteAt) digit[at] = digit[at + 1] = true;
    SeparatorWords words;
    for (size_t word = 0; word < kWordAt.size(); ++word) {
        for (size_t i = 0; i < 8; ++i) {
            const size_t at = kWordAt[word] + i;
            if (digit[at]) continue;
            const size_t shift = 8 * (std::endian::native == std::endian::little ? i : 7 - i);
            const char c = at + 1 == kCompilerLineLength ? '\n' : ' ';
            words.mask[word] |= uint64_t{0xFF} << shift;
            words.pattern[word] |= uint64_t{static_cast<unsigned char>(c)} << shift;
        }
    }
    return words;
}();

// The value of each character as a hexadecimal digit, 0x80 for the others, so that the digits of
// a line may be checked all at once.
constexpr std::array<uint8_t, 256> kDigitOrFlag = [] {
    std::array<uint8_t, 256> table{};
    for (size_t c = 0; c < 256; ++c) {
        table[c] = kHexDigit[c] < 0 ? 0x80 : static_cast<uint8_t>(kHexDigit[c]);
    }
    return table;
}();

// Reads such a line from the start of text, which may go on beyond it.
bool readCompilerLine(std::string_view text, uint32_t& address,
                      std::array<uint8_t, kCompilerLineBytes>& bytes) {
    if (text.size() < kCompilerLineLength) return false;
    const char* line = text.data();
    for (size_t word = 0; word < kWordAt.size(); ++word) {
        uint64_t value = 0;
        std::memcpy(&value, line + kWordAt[word], sizeof value);
        if ((value & kSeparators.mask[word]) != kSeparators.pattern[word]) return false;
    }
    const auto digit = [&](size_t at) {
        return kDigitOrFlag[static_cast<unsigned char>(line[at])];
    };
    unsigned flags = 0;
    address = 0;
    for (size_t i = 0; i < kAddressDigits; ++i) {
        flags |= digit(i);
        address = address << 4 | digit(i);
    }
    for (size_t half = 0; half < 2; ++half) {
        const char* at = line + kByteAt[8 * half];
        for (size_t k = 0; k < 8; ++k, at += 3) {
            const uint8_t high = kDigitOrFlag[static_cast<unsigned char>(at[0])];
            const uint8_t low = kDigitOrFlag[static_cast<unsigned char>(at[1])];
            flags |= high | low;
            bytes[8 * half + k] = static_cast<uint8_t>(high << 4 | low);
        }
    }
    return (flags & 0x80) == 0;
}

}  // namespace

std::optional<std::string> buildDownloadFile(std::string_view hexText, IUserInterface& ui) {
    hexText = hexText.substr(0, hexText.find(kImageEnd));
    PacketBuilder builder(ui, hexText.size());
    std::array<uint8_t, kCompilerLineBytes> lineBytes{};
    std::vector<uint8_t> bytes;
    size_t pos = 0;
    while (pos < hexText.size()) {
        uint32_t address = 0;
        if (readCompilerLine(hexText.substr(pos), address, lineBytes)) {
            pos += kCompilerLineLength;
            if (!builder.addLine(address,
                                 std::span<const uint8_t, kCompilerLineBytes>(lineBytes))) {
                return std::nullopt;
            }
            continue;
        }
        std::string_view line = hexText.substr(pos, kLineLimit);
        if (const size_t lf = line.find('\n'); lf != std::string_view::npos) {
            line = line.substr(0, lf + 1);
        }
        pos += line.size();
        // Blank lines carry nothing and are passed over.
        if (!HexLine(line, ui).parse(address, bytes)) continue;
        if (!builder.addLine(address, std::span<const uint8_t>(bytes))) return std::nullopt;
    }
    return builder.finish();
}

std::optional<std::string> buildDownloadFile(std::span<const CompiledImage> images,
                                             IUserInterface& ui) {
    size_t size = 0;
    for (const CompiledImage& image : images) size += image.bytes.size();
    // The builder sizes its file for the hex text, which takes 60 characters for 16 bytes.
    PacketBuilder builder(ui, size / kCompilerLineBytes * kCompilerLineLength);
    for (const CompiledImage& image : images) {
        const std::span<const uint8_t> bytes(image.bytes);
        for (size_t at = 0; at + kCompilerLineBytes <= bytes.size(); at += kCompilerLineBytes) {
            const auto line = bytes.subspan(at).first<kCompilerLineBytes>();
            if (!builder.addLine(image.address + static_cast<uint32_t>(at), line)) {
                return std::nullopt;
            }
        }
    }
    return builder.finish();
}

bool convertImage(const std::string& listPath, IUserInterface& ui) {
    const std::optional<std::string> hexPath = siblingPath(listPath, ".hex");
    const std::optional<std::string> binPath = siblingPath(listPath, ".bin");
    if (!hexPath || !binPath) {
        ui.message(notTextPathMessage(listPath));
        return false;
    }
    return convertHexFile(*hexPath, *binPath, ui);
}

bool convertHexFile(const std::string& hexPath, const std::string& binPath, IUserInterface& ui) {
    FileView hexText;
    if (!hexText.open(hexPath)) {
        ui.message(format("Can't open  %s file \n", hexPath.c_str()));
        return false;
    }
    return convertHexText(hexText.bytes(), binPath, ui);
}

namespace {

// Writes the download file that build() makes, whole or not at all, with the conversion's
// messages.
template <class Build>
bool writeDownloadFile(const std::string& binPath, IUserInterface& ui, Build build) {
    ReplacementFile binFile(binPath);
    if (!binFile.create()) {
        ui.message(format("Can't open  %s file \n", binPath.c_str()));
        return false;
    }
    // After a failure no download file is left, neither a partial one nor one of an older image.
    const std::optional<std::string> image = build();
    if (!image) {
        ::unlink(binPath.c_str());
        return false;
    }
    if (!binFile.write(*image) || !binFile.commit()) {
        ::unlink(binPath.c_str());
        ui.message(format("Can't write  %s file \n", binPath.c_str()));
        return false;
    }
    ui.message("Conversion is terminated successfully.\n");
    return true;
}

}  // namespace

bool convertHexText(std::string_view hexText, const std::string& binPath, IUserInterface& ui) {
    return writeDownloadFile(binPath, ui, [&] { return buildDownloadFile(hexText, ui); });
}

bool saveDownloadFile(std::optional<std::string> download, const std::string& binPath,
                      IUserInterface& ui) {
    return writeDownloadFile(binPath, ui, [&download] { return std::move(download); });
}

bool convertImages(std::span<const CompiledImage> images, const std::string& binPath,
                   IUserInterface& ui) {
    return writeDownloadFile(binPath, ui, [&] { return buildDownloadFile(images, ui); });
}

}  // namespace sky
