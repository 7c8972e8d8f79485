#include "db/LineReader.h"

#include <gtest/gtest.h>

#include "db/TextFormat.h"
#include "support/TempDir.h"

namespace sky {
namespace {

std::string prepared(std::string line) {
    EXPECT_TRUE(prepareQuotes(line.data(), line.size()));
    return line;
}

TEST(PrepareQuotes, RewritesQuotedNames) {
    EXPECT_EQ(prepared("1 \"Astra 1\" N"), "1  Astra~1  N");
    EXPECT_EQ(prepared("1 \"\" N"), "1 -- N");
    EXPECT_EQ(prepared("1 \"A \"B\" N"), "1  A~-B  N");
    EXPECT_EQ(prepared("no quotes here"), "no quotes here");
    std::string single = "1 \"Astra N";
    EXPECT_FALSE(prepareQuotes(single.data(), single.size()));
}

TEST(TextFormat, HeadersMustCloseAtOnceAndStartTheLine) {
    EXPECT_EQ(matchHeader("[SATELLITE] trailing text"), kSatelliteSection);
    EXPECT_EQ(matchHeader("[SATELLITE_NAME_LIST]"), kSatNameSection);
    EXPECT_EQ(matchHeader("[END]"), kNoSection);
    EXPECT_EQ(matchHeader("[SATELLITES]"), std::nullopt);
    EXPECT_EQ(matchHeader(" [SATELLITE]"), std::nullopt);
    EXPECT_EQ(matchHeader("[DIGITAL PID CHANNEL]"), kChannelPidSection);
}

TEST(TextFormat, EmptyLinesHaveNoLetterOrDigitBeforeAComment) {
    EXPECT_TRUE(isEmptyLine(""));
    EXPECT_TRUE(isEmptyLine("  #---- 12 ---+"));
    EXPECT_TRUE(isEmptyLine("-----+"));
    EXPECT_FALSE(isEmptyLine("  1 x # comment"));
    std::string name = "Astra~1 x~y";
    restoreSpaces(name);
    EXPECT_EQ(name, "Astra 1 x~y");
}

struct ReadResult {
    std::vector<std::string> lines;
    LineReader::Result last;
    int lineNumber;
};

ReadResult readAll(const std::string& content) {
    test::TempDir dir;
    const std::string file = dir.file("list.txt");
    test::writeFile(file, content);
    LineReader reader;
    EXPECT_TRUE(reader.open(file));
    ReadResult result;
    std::string_view line;
    while ((result.last = reader.next(line)) == LineReader::Result::Line) {
        result.lines.emplace_back(line);
    }
    result.lineNumber = reader.lineNumber();
    return result;
}

TEST(LineReader, SplitsAtCrLfAndCountsEveryLine) {
    const ReadResult r = readAll("\r\n# comment\r\n[SATELLITE]\r\n1 \"A B\"\r\n");
    EXPECT_EQ(r.last, LineReader::Result::EndOfFile);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"", "# comment", "[SATELLITE]", "1  A~B "}));

    // Lines that end in LF alone (a Linux text editor's) read the same, also mixed with CR LF.
    const ReadResult lf = readAll("\n# comment\r\n[SATELLITE]\n1 \"A B\"\n");
    EXPECT_EQ(lf.last, LineReader::Result::EndOfFile);
    EXPECT_EQ(lf.lines, r.lines);
}

TEST(LineReader, RefusesWhatItCannotStepOver) {
    const ReadResult noCrLf = readAll("[SATELLITE]\r\n1 x");
    EXPECT_EQ(noCrLf.last, LineReader::Result::Unreadable);
    EXPECT_EQ(noCrLf.lineNumber, 2);

    const ReadResult tooLong = readAll("a\r\n" + std::string(499, 'x') + "\r\n");
    EXPECT_EQ(tooLong.last, LineReader::Result::Unreadable);
    EXPECT_EQ(tooLong.lineNumber, 2);

    const ReadResult longest = readAll(std::string(498, 'x') + "\r\nb\r\n");
    EXPECT_EQ(longest.last, LineReader::Result::EndOfFile);
    EXPECT_EQ(longest.lines.size(), 2u);

    const ReadResult singleQuote = readAll("ok\r\n# it\"s\r\n");
    EXPECT_EQ(singleQuote.last, LineReader::Result::Unreadable);
    EXPECT_EQ(singleQuote.lineNumber, 2);
}

TEST(LineReader, ALastEndHeaderNeedsNoCrLf) {
    const ReadResult r = readAll("x\r\n[END]");
    ASSERT_EQ(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[1], "[END]");
    EXPECT_EQ(r.last, LineReader::Result::EndOfFile);
}

TEST(LineReader, CutsALineAtANulByte) {
    const ReadResult r = readAll(std::string("ab\0cd\r\n", 7));
    ASSERT_EQ(r.lines.size(), 1u);
    EXPECT_EQ(r.lines[0], "ab");
}

}  // namespace
}  // namespace sky
