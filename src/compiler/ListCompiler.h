#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/UserInterface.h"
#include "compiler/Compile.h"
#include "compiler/CompiledImage.h"
#include "compiler/ImageStream.h"
#include "compiler/IndexMap.h"
#include "compiler/OutputFile.h"
#include "db/LineReader.h"
#include "db/RecordLayout.h"
#include "db/TextFormat.h"
#include "db/TokenLines.h"

namespace sky {

// One compile of a channel-list text file into the receiver image, with all of its working
// state: the line reader, the section state, the counters, program numbers and index maps, the
// satellite-name table and the image being built. Created for one call of compileList().
//
// Basic writes base.hex, keeping the file's own indexes and a satellite-name table. Normal
// builds base.tmp, then base.hex with a counts header: transponders are referred to by position,
// digital and PID channels form one table, and channels are numbered. A check-only job checks
// the text and creates no file.
class ListCompiler {
public:
    ListCompiler(const CompileJob& job, IUserInterface& ui);
    // Compiles the text instead of the job's file, writing nothing and showing nothing: the
    // image is kept for takeImage(), a failure's message for failure().
    ListCompiler(const CompileJob& job, std::string_view text);
    // Compiles the list held in the token array as the text channelListText() writes of it,
    // reading its lines from the array (TokenLines) instead of from that text.
    ListCompiler(const CompileJob& job, const TokenArray& tokens);

    // Returns true on success, false after the failure's message has been shown (or kept).
    bool run();
    CompiledImage takeImage() { return {imageAddress(), image_.takeBytes()}; }
    // Hands every line the compile reads, with its number, to `sink` as well, so that a reader of
    // the same text needs no pass of its own.
    void setLineSink(LineSink sink) { sink_ = std::move(sink); }
    const std::string& failure() const { return failure_; }
    // After a failed run over a token array: the array holds a field that the written text would
    // break in two, so the text has to be compiled instead.
    bool irregular() const { return irregular_; }

private:
    // imageSize: the image's expected size, reserved at once.
    ListCompiler(const CompileJob& job, IUserInterface* ui, std::optional<std::string_view> text,
                 size_t imageSize);

    static constexpr size_t kSatelliteSlots = 50;
    static constexpr size_t kNameSize = 14;
    static constexpr size_t kMaxNameLength = 13;

    bool openFiles();
    bool compileLines();
    // The next line from the text or the token array; a row the array hands over as fields
    // leaves `line` empty and sets rowFields_.
    LineReader::Result nextLine(std::string_view& line);
    // Splits a row of the text into its section's fields once, for the row's reading and the
    // line sink: sets rowFields_ when all of them are there.
    void splitRow(std::string_view line);
    int lineNumber() const;
    bool header(std::string_view line);
    bool row(std::string_view line);
    bool finish();
    bool finishNormal();
    uint32_t imageAddress() const;
    // The Normal image's counts header, and its padding to an even number of hex lines.
    void sealNormalImage();
    bool failAfterOpening();

    // Rows of each section; each returns false after its message.
    bool nameRow(std::string_view line);
    bool satelliteRow(std::string_view line);
    bool tpRowBasic(std::string_view line);
    bool tpRowNormal(std::string_view line);
    bool analogRow(std::string_view line);
    bool channelRowBasic(std::string_view line);
    bool channelRowNormal(std::string_view line);
    bool pidRowBasic(std::string_view line);
    bool pidRowNormal(std::string_view line);

    // Shows a message with the line number (after a number such as the name limit, for the
    // second form) and returns false.
    bool fail(const char* text);
    bool fail(const char* text, int value);
    bool failWithPath(const char* text, const std::string& path);
    // Shows a message, or keeps it when the compiler shows nothing.
    void report(const std::string& text);

    // The number of satellite-name rows read must be 32, or 40 with the max-satellite setting.
    bool checkNameCount();
    // Splits a row into exactly out.size() fields; a shorter row is refused.
    bool takeFields(std::string_view line, std::span<std::string_view> out);
    // A decimal field; clears ok when it is no number.
    static int32_t decimal(std::string_view field, bool& ok);
    // The satellite check: false (after its message) for a slot outside the table; `use` is set
    // when the slot is declared with Blank N, otherwise the row is left out silently.
    bool checkSatellite(int32_t slot, bool& use);
    // Enters position into map at index; false for an index outside the map (rangeText) or one
    // already entered (duplicateText, or no message when it is null).
    bool enterIndex(IndexMap& map, int32_t index, uint16_t position, const char* rangeText,
                    const char* duplicateText);
    // The position of a compiled transponder (0: none); false for an index outside the map.
    bool tpPosition(int32_t index, uint16_t& position);
    // The position of the compiled transponder a channel uses; false (after its message) for an
    // index outside the map or one that names no compiled transponder (missingText).
    bool usedTransponder(int32_t index, const char* missingText, uint16_t& position);

    // The fields of a digital channel or PID channel row, numbers read.
    struct ChannelRow {
        int32_t index = 0;
        int32_t tpIndex = 0;
        int32_t slot = 0;
        uint32_t serviceId = 0;  // digital channels; PID channels name no service
        int32_t videoPid = 0;
        int32_t audioPid = 0;
        int32_t pcrPid = 0;
        int32_t activeAudio = 0;
        std::string_view type;
        std::string_view name;
        char blank = '\0';
    };
    // Reads a transponder row's fields, its index and satellite slot, and runs the satellite
    // check; false after a message, `use` cleared for a row that is left out silently.
    bool readTransponderRow(std::string_view line,
                            std::span<std::string_view, kTransponderFields> f, int32_t& index,
                            int32_t& slot, bool& use);
    // Reads a channel row (pid: of the PID section) and runs the satellite check; false after a
    // message, `use` cleared for a row that is left out silently.
    bool readChannelRow(std::string_view line, bool pid, ChannelRow& row, bool& use);
    // The type of a Normal digital or PID channel row: 0 TV or 1 RADIO, counted and given the
    // next program number of its kind; -1 for neither.
    int countChannelType(std::string_view field);
    // The last program number given to a channel of the type.
    uint16_t programNumber(int type) const { return type == 0 ? tvProgram_ : radioProgram_; }
    void writeRecord(std::span<const uint8_t> bytes, RecordType type);
    void startMarker();
    void endMarker();

    const CompileJob& job_;
    // Null when the compiler shows nothing (a text compiled in memory).
    IUserInterface* ui_;
    // The text compiled in memory, when the job's file is not read.
    std::optional<std::string_view> text_;
    LineSink sink_;
    std::string failure_;
    const bool normal_;
    LineReader reader_;
    std::optional<TokenLines> tokenLines_;
    // The fields of the row being compiled when the token array handed them over.
    std::span<const std::string_view> rowFields_;
    std::array<std::string_view, kAnalogFields> split_{};
    bool irregular_ = false;
    // The list's path ending in lower-case ".txt": the files beside it are named from it.
    std::string textPath_;
    std::string outputPath_;
    OutputFile output_;
    ImageStream image_;

    SectionState state_ = kNoSection;
    int nameRows_ = 0;
    uint16_t satCount_ = 0;
    uint16_t tpCount_ = 0;
    uint16_t serviceCount_ = 0;
    uint16_t analogCount_ = 0;
    uint16_t tvCount_ = 0;
    uint16_t radioCount_ = 0;
    uint16_t tvProgram_ = 0;
    uint16_t radioProgram_ = 0;

    std::array<uint16_t, kSatelliteSlots> satMap_{};
    std::array<uint8_t, kSatelliteSlots> satBlank_{};
    // A section holds at most 20,000 rows, but its indexes are 16-bit numbers in the records and
    // the editor numbers the PID channels on from the digital ones (up to 21,000): every index
    // the records can carry has its place in the maps.
    IndexMap tpMap_;
    IndexMap serviceMap_;
    IndexMap pidServiceMap_;
    IndexMap analogMap_;
    std::array<uint8_t, 40 * kNameSize> nameTable_{};
};

}  // namespace sky
