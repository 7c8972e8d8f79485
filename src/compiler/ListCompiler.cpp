#include "compiler/ListCompiler.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "common/Format.h"
#include "compiler/CompileMessages.h"
#include "compiler/HexText.h"
#include "db/RowFields.h"
#include "db/SiblingPath.h"

namespace sky {

namespace {

constexpr uint32_t kBasicAddress = 0x7FF20000;
constexpr uint32_t kNormalAddress = 0x7FF10000;
constexpr size_t kHexLine = 16;

std::string_view asText(std::span<const uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

ListCompiler::ListCompiler(const CompileJob& job, IUserInterface& ui)
    : ListCompiler(job, &ui, std::nullopt, 0) {}

// An image takes about a byte for every two or three of the list's text, and about three bytes a
// field.
ListCompiler::ListCompiler(const CompileJob& job, std::string_view text)
    : ListCompiler(job, nullptr, text, text.size() / 2) {}

ListCompiler::ListCompiler(const CompileJob& job, const TokenArray& tokens)
    : ListCompiler(job, nullptr, std::string_view(), tokens.size() * 3) {
    tokenLines_.emplace(tokens);
}

ListCompiler::ListCompiler(const CompileJob& job, IUserInterface* ui,
                           std::optional<std::string_view> text, size_t imageSize)
    : job_(job),
      ui_(ui),
      text_(text),
      normal_(job.mode == CompileMode::Normal),
      image_(normal_, job.checkOnly ? 0 : imageSize) {
    satBlank_.fill(1);
}

bool ListCompiler::run() {
    if (!openFiles()) return false;
    // The names are counted at each SATELLITE header and once more at the end of the list, so
    // that a list without that header, or with names after it, is refused as well.
    if (!compileLines() || !checkNameCount()) return failAfterOpening();
    return finish();
}

bool ListCompiler::openFiles() {
    if (text_) {
        reader_.openText(*text_);
        return true;
    }
    // The input and every file beside it are named by replacing the final ".txt"; a path
    // without one would make the output overwrite the list itself.
    const std::optional<std::string> textPath = siblingPath(job_.path, ".txt");
    if (!textPath) {
        report(notTextPathMessage(job_.path));
        return false;
    }
    textPath_ = *textPath;
    if (!reader_.open(job_.path)) return failWithPath(msg::kCantOpenInput, job_.path);
    if (job_.checkOnly) return true;

    outputPath_ = *siblingPath(textPath_, normal_ ? ".tmp" : ".hex");
    if (!output_.create(outputPath_)) {
        failWithPath(msg::kCantOpenOutput, outputPath_);
        outputPath_.clear();
        return false;
    }
    return true;
}

LineReader::Result ListCompiler::nextLine(std::string_view& line) {
    if (!tokenLines_) {
        rowFields_ = {};
        return reader_.next(line);
    }
    switch (tokenLines_->next(line, rowFields_)) {
        case TokenLines::Result::Line:
            return LineReader::Result::Line;
        case TokenLines::Result::EndOfFile:
            return LineReader::Result::EndOfFile;
        case TokenLines::Result::Unreadable:
            return LineReader::Result::Unreadable;
        case TokenLines::Result::Irregular:
            break;
    }
    irregular_ = true;
    return LineReader::Result::Unreadable;
}

void ListCompiler::splitRow(std::string_view line) {
    // The satellite rows are read from their line, and outside a section no row is read.
    if (state_ == kNoSection || state_ == kSatelliteSection) return;
    const auto wanted = static_cast<size_t>(sectionInfo(state_).rowLength);
    const std::span<std::string_view> fields = std::span(split_).first(wanted);
    if (splitFields(line, fields) == wanted) rowFields_ = fields;
}

int ListCompiler::lineNumber() const {
    return tokenLines_ ? tokenLines_->lineNumber() : reader_.lineNumber();
}

bool ListCompiler::compileLines() {
    for (;;) {
        std::string_view line;
        switch (nextLine(line)) {
            case LineReader::Result::EndOfFile:
                return true;
            case LineReader::Result::Unreadable:
                return fail(msg::kCheckLine);
            case LineReader::Result::Line:
                break;
        }
        if (!rowFields_.empty()) {
            // A row handed over as its fields is neither empty nor a header.
            if (!row(line)) return false;
            continue;
        }
        const bool empty = isEmptyLine(line);
        if (!empty && line.front() != '[') splitRow(line);
        if (sink_) sink_(line, reader_.lineNumber(), rowFields_);
        if (empty) continue;
        if (line.front() == '[') {
            if (!header(line)) return false;
            if (state_ == kNoSection) return true;  // "[END]": nothing after it is read
        } else if (!row(line)) {
            return false;
        }
    }
}

bool ListCompiler::header(std::string_view line) {
    const std::optional<SectionState> state = matchHeader(line);
    if (!state) {
        report(format(msg::kUnknownHeader, std::string(line).c_str(), lineNumber()));
        return false;
    }
    state_ = *state;
    switch (state_) {
        case kNoSection:
        case kSatNameSection:
            break;
        case kSatelliteSection:
            satCount_ = 0;
            satMap_.fill(0);
            satBlank_.fill(1);
            startMarker();
            if (!checkNameCount()) return false;
            break;
        case kDigitalTpSection:
            endMarker();
            startMarker();
            break;
        case kAnalogTpSection:
            if (job_.splitList) {
                tvProgram_ = 0;
                radioProgram_ = 0;
            }
            endMarker();
            startMarker();
            break;
        case kChannelSection:
            serviceCount_ = 0;
            endMarker();
            startMarker();
            break;
        case kChannelPidSection:
            // In Normal the PID channels continue the channel table.
            if (!normal_) {
                serviceCount_ = 0;
                endMarker();
                startMarker();
            }
            break;
    }
    return true;
}

bool ListCompiler::row(std::string_view line) {
    switch (state_) {
        case kNoSection:
            return fail(msg::kInvalidState);
        case kSatNameSection:
            return nameRow(line);
        case kSatelliteSection:
            return satelliteRow(line);
        case kDigitalTpSection:
            return normal_ ? tpRowNormal(line) : tpRowBasic(line);
        case kAnalogTpSection:
            return analogRow(line);
        case kChannelSection:
            return normal_ ? channelRowNormal(line) : channelRowBasic(line);
        case kChannelPidSection:
            return normal_ ? pidRowNormal(line) : pidRowBasic(line);
    }
    return false;
}

bool ListCompiler::finish() {
    endMarker();
    if (job_.checkOnly) return true;
    if (text_) {
        if (normal_) {
            sealNormalImage();
        } else {
            image_.padTo(kHexLine);
        }
        return true;
    }
    if (normal_) return finishNormal();
    image_.padTo(kHexLine);
    if (!writeHexText(output_, imageAddress(), image_.bytes()) || !output_.close()) {
        failWithPath(msg::kCantWriteOutput, outputPath_);
        return failAfterOpening();
    }
    return true;
}

bool ListCompiler::finishNormal() {
    if (!output_.write(asText(image_.body())) || !output_.close()) {
        failWithPath(msg::kCantWriteOutput, outputPath_);
        return failAfterOpening();
    }
    sealNormalImage();

    const std::string hexPath = *siblingPath(textPath_, ".hex");
    OutputFile hex;
    if (!hex.create(hexPath)) {
        failWithPath(msg::kCantOpenTemp, hexPath);
        return failAfterOpening();
    }
    if (!writeHexText(hex, imageAddress(), image_.bytes()) || !hex.close()) {
        failWithPath(msg::kCantWriteOutput, hexPath);
        std::remove(hexPath.c_str());
        return failAfterOpening();
    }
    std::remove(outputPath_.c_str());
    return true;
}

uint32_t ListCompiler::imageAddress() const {
    return normal_ ? kNormalAddress : kBasicAddress;
}

void ListCompiler::sealNormalImage() {
    image_.setNormalHeader(
        {satCount_, tpCount_, serviceCount_, analogCount_, tvCount_, radioCount_});
    // Normal images always fill an even number of hex lines.
    image_.padTo(2 * kHexLine);
}

bool ListCompiler::failAfterOpening() {
    // A failed compile leaves no output behind that could pass for an image.
    if (!outputPath_.empty()) {
        output_.close();
        std::remove(outputPath_.c_str());
    }
    return false;
}

void ListCompiler::report(const std::string& text) {
    if (ui_) {
        ui_->message(text);
    } else {
        failure_ = text;
    }
}

bool ListCompiler::fail(const char* text) {
    report(format(text, lineNumber()));
    return false;
}

bool ListCompiler::fail(const char* text, int value) {
    report(format(text, value, lineNumber()));
    return false;
}

bool ListCompiler::failWithPath(const char* text, const std::string& path) {
    report(format(text, path.c_str()));
    return false;
}

bool ListCompiler::checkNameCount() {
    return nameRows_ == job_.satNameCount || fail(msg::kSatNameCount, job_.satNameCount);
}

bool ListCompiler::takeFields(std::string_view line, std::span<std::string_view> out) {
    if (!rowFields_.empty()) {
        if (rowFields_.size() < out.size()) return fail(msg::kCheckLine);
        std::copy_n(rowFields_.begin(), out.size(), out.begin());
        return true;
    }
    // A row never borrows fields from the line after it.
    if (splitFields(line, out) < out.size()) return fail(msg::kCheckLine);
    return true;
}

int32_t ListCompiler::decimal(std::string_view field, bool& ok) {
    const std::optional<int32_t> value = decimalField(field);
    if (!value) ok = false;
    return value.value_or(0);
}

bool ListCompiler::checkSatellite(int32_t slot, bool& use) {
    if (slot < 0 || static_cast<size_t>(slot) >= kSatelliteSlots) return fail(msg::kSatIndexRange);
    use = satBlank_[static_cast<size_t>(slot)] == 0;
    return true;
}

bool ListCompiler::enterIndex(IndexMap& map, int32_t index, uint16_t position,
                              const char* rangeText, const char* duplicateText) {
    if (index < 0 || static_cast<size_t>(index) >= map.size()) return fail(rangeText);
    uint16_t& entry = map[static_cast<size_t>(index)];
    if (entry != 0) return duplicateText ? fail(duplicateText) : false;
    entry = position;
    return true;
}

bool ListCompiler::tpPosition(int32_t index, uint16_t& position) {
    if (index < 0 || static_cast<size_t>(index) >= tpMap_.size()) return fail(msg::kTpIndexRange);
    position = tpMap_[static_cast<size_t>(index)];
    return true;
}

void ListCompiler::writeRecord(std::span<const uint8_t> bytes, RecordType type) {
    if (!job_.checkOnly) image_.record(bytes, type);
}

void ListCompiler::startMarker() {
    if (!job_.checkOnly) image_.startMarker();
}

void ListCompiler::endMarker() {
    if (!job_.checkOnly) image_.endMarker();
}

}  // namespace sky
