#include "db/TextWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "db/SiblingPath.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {
namespace {

// A channel-list file written through the writer, as its callers do.
struct ListFile {
    test::RecordingUi& ui;
    std::string path;
    bool saveText(const TokenArray& tokens) { return writeChannelList(path, tokens, ui); }
};

// The header blocks of the six sections and the end of the file, as the receiver's tools expect
// them byte for byte.
const std::string kHeaders =
    "\r\n\r\n[SATELLITE_NAME_LIST]\r\n#"
    "#-------------------------+\r\n"
    "# Index  Satellite_Name   |\r\n"
    "#-------------------------+\r\n"
    "\r\n\r\n[SATELLITE]\r\n"
    "#----------------------------------------------------------------------+\r\n"
    "#  Index    Name          Blank  LNB_LO   LNB_LO Position Posotioner   |\r\n"
    "#                                 HIGH     LOW                         |\r\n"
    "#----------------------------------------------------------------------+\r\n"
    "\r\n\r\n[DIGITAL TP]\r\n"
    "#---------------------------------------------------------+\r\n"
    "# D_TP   SAT   Frequency  Symbol    Polari-    Comment    |\r\n"
    "# Index  Index   (MHz)    R. (KHz)   zation               |\r\n"
    "#---------------------------------------------------------+\r\n"
    "\r\n\r\n[DIGITAL CHANNEL]\r\n"
    "#-----------------------------------------------------------------+\r\n"
    "# SVC   D_TP  SAT   SVC     SVC       SVC         Active  Blank   |\r\n"
    "# Index Index Index ID(hex) Type      Name        Audio           |\r\n"
    "#-----------------------------------------------------------------+\r\n"
    "\r\n\r\n[DIGITAL PID CHANNEL]\r\n"
    "#----------------------------------------------------------------------------+\r\n"
    "# SVC   D_TP  SAT   SVC       SVC           Video Audio  PCR  Active  Blank  |\r\n"
    "# Index Index Index Type      Name          PID   PID    PID  Audio          |\r\n"
    "#----------------------------------------------------------------------------+\r\n"
    "\r\n\r\n[ANALOG TP]\r\n"
    "#---------------------------------------------------------------------------------------------"
    "-----------------------------+\r\n"
    "# A_TP  SAT   Freq.  Name          Video Pol Thr Con-  Decoder  Audio  A_Freq  A_Freq  Band   "
    "Panda  De-       TV/   Blank |\r\n"
    "# Index Index (MHz)                Band          trast Output   Mode   L (MHz) R (MHz) "
    "W.(KHz)       emphasis  RADIO       |\r\n"
    "#---------------------------------------------------------------------------------------------"
    "-----------------------------+\r\n";
const std::string kEnd = "\r\n\r\n[END]\r\n";

const char* const kEndMarkers[] = {"SAT_NAME END", "SATELLITE END",   "DIGITAL END",
                                   "CHANNEL END",  "CHANNEL_PID END", "ANALOG END"};

// The header block of one section: from its "[" line up to the next section's.
std::string headerOf(const std::string& name) {
    const size_t start = kHeaders.find("\r\n\r\n[" + name + "]");
    const size_t end = kHeaders.find("\r\n\r\n[", start + 4);
    return kHeaders.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

TokenArray emptyList() {
    return {"SAT_NAME START",    "SAT_NAME END",    "SATELLITE START", "SATELLITE END",
            "DIGITAL START",     "DIGITAL END",     "CHANNEL START",   "CHANNEL END",
            "CHANNEL_PID START", "CHANNEL_PID END", "ANALOG START",    "ANALOG END"};
}

void addRow(TokenArray& tokens, const std::string& endMarker,
            const std::vector<std::string>& fields) {
    const auto end = std::find(tokens.begin(), tokens.end(), endMarker);
    tokens.insert(end, fields.begin(), fields.end());
}

struct Saved {
    int result;
    std::string text;
    std::vector<std::string> messages;
};

Saved save(const TokenArray& tokens) {
    test::TempDir dir;
    test::RecordingUi ui;
    ListFile db{ui, dir.file("list.txt")};
    const int result = db.saveText(tokens);
    return {result, test::readFile(dir.file("list.txt")), ui.messages};
}

std::vector<std::string> filesIn(const test::TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SaveText, SectionsWithoutRowsGiveTheirHeaderBlocksOnly) {
    EXPECT_EQ(save(emptyList()).text, kHeaders + kEnd);
    // Missing markers, or a start marker without its end, leave a section without rows.
    EXPECT_EQ(save({}).text, kHeaders + kEnd);
    EXPECT_EQ(save({"SATELLITE START", "1", "x"}).text, kHeaders + kEnd);
    EXPECT_EQ(save(emptyList()).result, 1);
}

TEST(SaveText, PadsFieldsToTheirColumnsAndQuotesNames) {
    TokenArray tokens = emptyList();
    addRow(tokens, "SAT_NAME END", {"1", "ABCDEFGHIJKLM"});
    addRow(tokens, "SAT_NAME END", {"2", "ABCDEFGHIJKLMN"});
    addRow(tokens, "SAT_NAME END", {"3", "\""});
    addRow(tokens, "SAT_NAME END", {"4", "--"});
    addRow(tokens, "SAT_NAME END", {"5", "Hot Bird"});
    addRow(tokens, "SATELLITE END", {"1", "Astra", "N", "10600", "9750", "0", "192"});
    const std::string names =
        "\r\n1      \"ABCDEFGHIJKLM\"  "
        "\r\n2      \"ABCDEFGHIJKLMN\" "
        "\r\n3      \"\"               "
        "\r\n4      \"--\"             "
        "\r\n5      \"Hot Bird\"       ";
    const std::string satellite =
        "\r\n1      \"Astra\"          N   10600    9750     0     192        ";
    const std::string expected = headerOf("SATELLITE_NAME_LIST") + names + headerOf("SATELLITE") +
                                 satellite +
                                 kHeaders.substr(kHeaders.find("\r\n\r\n[DIGITAL TP]")) + kEnd;
    EXPECT_EQ(save(tokens).text, expected);
}

TEST(SaveText, AFieldLongerThanItsColumnIsStillFollowedByASpace) {
    TokenArray tokens = emptyList();
    addRow(tokens, "SAT_NAME END", {"1234567", "ABCDEFGHIJKLMNOP"});
    const std::string text = save(tokens).text;
    EXPECT_NE(text.find("\r\n1234567 \"ABCDEFGHIJKLMNOP\" \r\n"), std::string::npos);
}

TEST(SaveText, WritesTheSectionsInItsOwnOrder) {
    // Sections in the order a file gave them: analog before the channels.
    TokenArray tokens = {"SAT_NAME START",  "SAT_NAME END",  "ANALOG START",      "ANALOG END",
                         "CHANNEL START",   "CHANNEL END",   "CHANNEL_PID START", "CHANNEL_PID END",
                         "SATELLITE START", "SATELLITE END", "DIGITAL START",     "DIGITAL END"};
    const std::vector<std::string> analog = {"1",    "1",   "1150", "KU",   "Analog One", "27MHz",
                                             "H",    "8",   "16",   "CVBS", "STEREO",     "6.50",
                                             "7.02", "130", "N",    "J17",  "TV",         "N"};
    addRow(tokens, "ANALOG END", analog);
    addRow(tokens, "CHANNEL END", {"1", "3", "1", "00A0", "TV", "One", "0", "N"});
    const std::string text = save(tokens).text;
    const size_t channel = text.find("\"One\"");
    const size_t analogName = text.find("\"Analog One\"");
    ASSERT_NE(channel, std::string::npos);
    ASSERT_NE(analogName, std::string::npos);
    EXPECT_LT(text.find("[DIGITAL CHANNEL]"), channel);
    EXPECT_LT(channel, text.find("[DIGITAL PID CHANNEL]"));
    EXPECT_LT(text.find("[ANALOG TP]"), analogName);
    EXPECT_NE(
        text.find("\r\n1      1      1150     KU       \"Analog One\"     27MHz    H   8      "
                  "16     CVBS       STEREO       6.50     7.02     130      N   J17      "
                  "TV       N   \r\n"),
        std::string::npos);
}

TEST(SaveText, KeepsOnlyThePreviousVersionAsBackup) {
    test::TempDir dir;
    test::RecordingUi ui;
    ListFile db{ui, dir.file("list.txt")};
    TokenArray tokens = emptyList();

    ASSERT_EQ(db.saveText(tokens), 1);
    const std::string first = test::readFile(dir.file("list.txt"));
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"list.txt"});
    ::chmod(dir.file("list.txt").c_str(), 0640);

    addRow(tokens, "SAT_NAME END", {"1", "A"});
    ASSERT_EQ(db.saveText(tokens), 1);
    const std::string second = test::readFile(dir.file("list.txt"));
    addRow(tokens, "SAT_NAME END", {"2", "B"});
    ASSERT_EQ(db.saveText(tokens), 1);

    EXPECT_EQ(test::readFile(dir.file("list.bak")), second);
    EXPECT_NE(second, first);
    EXPECT_EQ(filesIn(dir), (std::vector<std::string>{"list.bak", "list.txt"}));
    struct stat status {};
    ASSERT_EQ(::stat(dir.file("list.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_TRUE(ui.messages.empty());

    // An upper-case extension is replaced the same way.
    db.path = dir.file("OTHER.TXT");
    ASSERT_EQ(db.saveText(tokens), 1);
    ASSERT_EQ(db.saveText(tokens), 1);
    EXPECT_TRUE(std::filesystem::exists(dir.file("OTHER.bak")));
}

TEST(SaveText, RefusesAPathWithoutTxtBeforeWritingAnything) {
    test::TempDir dir;
    test::RecordingUi ui;
    ListFile db{ui, dir.file("list.txt.orig")};
    EXPECT_EQ(db.saveText(emptyList()), 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{notTextPathMessage(db.path)});
    EXPECT_TRUE(filesIn(dir).empty());
}

TEST(SaveText, AFailedWriteIsAFailureAndKeepsTheFiles) {
    test::TempDir dir;
    test::RecordingUi ui;
    ListFile db{ui, dir.file("list.txt")};
    TokenArray tokens = emptyList();
    ASSERT_EQ(db.saveText(tokens), 1);
    ASSERT_EQ(db.saveText(tokens), 1);
    const std::string previous = test::readFile(dir.file("list.txt"));
    const std::string backup = test::readFile(dir.file("list.bak"));

    // The disk fills in the first piece written, and (a list of several megabytes, written a
    // piece at a time) in a later one.
    for (const int rows : {200, 150000}) {
        std::vector<std::string> fields;
        for (int i = 0; i < rows; ++i) fields.insert(fields.end(), {"1", "Name"});
        addRow(tokens, "SAT_NAME END", fields);
        {
            test::FileSizeLimit limit(rows == 200 ? previous.size() + 100 : 2 << 20);
            EXPECT_EQ(db.saveText(tokens), 0);
        }
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].rfind("Can't write", 0), 0u);
        EXPECT_NE(ui.messages[0].find(dir.file("list.txt")), std::string::npos);
        EXPECT_EQ(test::readFile(dir.file("list.txt")), previous);
        EXPECT_EQ(test::readFile(dir.file("list.bak")), backup);
        EXPECT_EQ(filesIn(dir), (std::vector<std::string>{"list.bak", "list.txt"}));
        ui.messages.clear();
    }
    // With room on the disk, the pieces make the whole text.
    ASSERT_EQ(db.saveText(tokens), 1);
    EXPECT_EQ(test::readFile(dir.file("list.txt")), channelListText(tokens));
}

TEST(SaveText, AFolderThatTakesNoFileIsReported) {
    test::TempDir dir;
    test::RecordingUi ui;
    ListFile db{ui, dir.file("missing/list.txt")};
    EXPECT_EQ(db.saveText(emptyList()), 0);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Can't open .temp file : " + db.path + "\n"});
}

TEST(SaveText, AReadOnlyFolderKeepsThePreviousFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    test::TempDir dir;
    test::RecordingUi ui;
    ListFile db{ui, dir.file("list.txt")};
    ASSERT_EQ(db.saveText(emptyList()), 1);
    const std::string previous = test::readFile(db.path);
    ::chmod(dir.path().c_str(), 0555);
    TokenArray tokens = emptyList();
    addRow(tokens, "SAT_NAME END", {"1", "A"});
    EXPECT_EQ(db.saveText(tokens), 0);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(test::readFile(db.path), previous);
    EXPECT_EQ(ui.messages.size(), 1u);
}

}  // namespace
}  // namespace sky
