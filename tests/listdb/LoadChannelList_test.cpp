#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/Format.h"
#include "listdb/ListFile.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {
namespace {

const char kNotCorrect[] = "The Text Format is not correct";
const char kMissingSection[] =
    "CHANNEL PID SECTION not foundD!!!\r\nDisplaying infomation may be disodered!!";

// Joins lines with CR LF after each.
std::string lines(std::initializer_list<std::string> text) {
    std::string joined;
    for (const std::string& line : text) joined += line + "\r\n";
    return joined;
}

std::string nameList() {
    std::string text = "[SATELLITE_NAME_LIST]\r\n# Index  Satellite_Name\r\n1  \"Astra 1\"\r\n";
    for (int i = 2; i <= 32; ++i) text += format("%d  SAT%d\r\n", i, i);
    return text;
}

TokenArray nameTokens() {
    TokenArray tokens{"SAT_NAME START", "1", "Astra 1"};
    for (int i = 2; i <= 32; ++i) {
        tokens.push_back(std::to_string(i));
        tokens.push_back("SAT" + std::to_string(i));
    }
    tokens.push_back("SAT_NAME END");
    return tokens;
}

const std::string kSatellites = lines({
    "[SATELLITE] satellites in use",
    "0  \"Astra 1\"  N  10600  09750  1  192",
    "1  Hotbird     Y  10600  09750  2  65535  # 0.1 degrees west",
    "2  Thor        N  10600  09750  3",
    "3  Old         10600  09750  4",
    "4  Older       10600  09750  5  65528",
});
const TokenArray kSatelliteTokens = {"SATELLITE START",
                                     "0",
                                     "Astra 1",
                                     "N",
                                     "10600",
                                     "09750",
                                     "1",
                                     "192",
                                     "1",
                                     "Hotbird",
                                     "Y",
                                     "10600",
                                     "09750",
                                     "2",
                                     "-1",
                                     "2",
                                     "Thor",
                                     "N",
                                     "10600",
                                     "09750",
                                     "3",
                                     "0",
                                     "3",
                                     "Old",
                                     "N",
                                     "10600",
                                     "09750",
                                     "4",
                                     "0",
                                     "4",
                                     "Older",
                                     "N",
                                     "10600",
                                     "09750",
                                     "5",
                                     "-8",
                                     "SATELLITE END"};

const std::string kTransponders = lines({
    "[DIGITAL TP]",
    "1  0  11836  27500  H  \"ARD Bouquet\"  # trailing comment",
    "3  0  11954  27500  V  ZDF",
});
const TokenArray kTransponderTokens = {"DIGITAL START", "1",          "0", "11836", "27500", "H",
                                       "ARD Bouquet",   "3",          "0", "11954", "27500", "V",
                                       "ZDF",           "DIGITAL END"};

const std::string kAnalog = lines({
    "[ANALOG TP]",
    "0  0  11214  KU  \"RTL Plus\"  27MHz  H  128  128  CVBS  STEREO  6.50  6.65  130  N  U50  "
    "TV  N",
});
const TokenArray kAnalogTokens = {
    "ANALOG START", "0",   "0",    "11214",     "KU",   "RTL Plus", "27MHz", "H",
    "128",          "128", "CVBS", "STEREO",    "6.50", "6.65",     "130",   "N",
    "U50",          "TV",  "N",    "ANALOG END"};

const std::string kChannels = lines({
    "[DIGITAL CHANNEL]",
    "1  1  0  6FEE  TV     \"Das Erste\"  0  N",
    "2  3  0  00a0  RADIO  \"\"           0  N",
});
const TokenArray kChannelTokens = {"CHANNEL START", "1",     "1",  "0", "6FEE", "TV",
                                   "Das Erste",     "0",     "N",  "2", "3",    "0",
                                   "00a0",          "RADIO", "--", "0", "N",    "CHANNEL END"};

const std::string kPidChannels = lines({
    "[DIGITAL PID CHANNEL]",
    "3  1  0  TV  \"Pid One\"  512  650  512  0  N",
});
const TokenArray kPidTokens = {
    "CHANNEL_PID START", "3", "1", "0", "TV", "Pid One", "512", "650", "512", "0", "N",
    "CHANNEL_PID END"};

TokenArray concat(std::initializer_list<TokenArray> parts) {
    TokenArray all;
    for (const TokenArray& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct Loaded {
    LoadResult result;
    TokenArray tokens;
    std::vector<std::string> messages;
};

Loaded load(const std::string& content, const std::string& name = "list.txt") {
    test::TempDir dir;
    test::writeFile(dir.file(name), content);
    test::RecordingUi ui;
    RuntimeSettings settings;
    ListFile db(settings, ui, dir.file(name));
    Loaded loaded;
    loaded.result = db.loadChannelList(loaded.tokens);
    loaded.messages = ui.messages;
    EXPECT_EQ(db.path, dir.file(name));
    return loaded;
}

const std::string kFullList = "# a channel list\r\n\r\n" + nameList() + kSatellites +
                              kTransponders + kAnalog + kChannels + kPidChannels + "[END]\r\n";
const TokenArray kFullTokens = concat({nameTokens(), kSatelliteTokens, kTransponderTokens,
                                       kAnalogTokens, kChannelTokens, kPidTokens});

TEST(LoadChannelList, GivesEachSectionInFileOrderBetweenItsMarkers) {
    const Loaded loaded = load(kFullList);
    EXPECT_EQ(loaded.result, LoadResult::Loaded);
    EXPECT_EQ(loaded.tokens, kFullTokens);
    EXPECT_TRUE(loaded.messages.empty());

    // Upper-case extension: the file is read and the path is left as it was.
    EXPECT_EQ(load(kFullList, "LIST.TXT").tokens, kFullTokens);
}

TEST(LoadChannelList, GathersTheBlocksOfARepeatedSectionUnderItsFirstHeader) {
    // A second transponder block after the channels, and a second satellite block that
    // redefines slot 2 and adds slot 5.
    const std::string text = nameList() + kSatellites + kTransponders + kChannels +
                             lines({"[DIGITAL TP]", "7  0  12188  27500  H  RTL"}) +
                             lines({"[SATELLITE]", "2  Thor2  N  10700  09750  3  40",
                                    "5  New  N  10600  09750  6  0"}) +
                             "[END]\r\n";
    const Loaded loaded = load(text);
    ASSERT_EQ(loaded.result, LoadResult::Loaded);
    TokenArray satellites = kSatelliteTokens;
    satellites.pop_back();
    const auto thor = std::find(satellites.begin(), satellites.end(), "Thor");
    ASSERT_NE(thor, satellites.end());
    std::copy_n(TokenArray{"Thor2", "N", "10700", "09750", "3", "40"}.begin(), 6, thor);
    satellites.insert(satellites.end(),
                      {"5", "New", "N", "10600", "09750", "6", "0", "SATELLITE END"});
    TokenArray transponders = kTransponderTokens;
    transponders.pop_back();
    transponders.insert(transponders.end(),
                        {"7", "0", "12188", "27500", "H", "RTL", "DIGITAL END"});
    EXPECT_EQ(loaded.tokens,
              concat({nameTokens(),
                      satellites,
                      transponders,
                      kChannelTokens,
                      {"CHANNEL_PID START", "CHANNEL_PID END", "ANALOG START", "ANALOG END"}}));
}

TEST(LoadChannelList, EndsAtEndHeaderOrAtTheEndOfTheFile) {
    // Nothing after "[END]" is read, not even a line the reader would refuse.
    EXPECT_EQ(load(kFullList + "garbage \" line\r\n[SATELLITE]\r\n1 x").tokens, kFullTokens);
    // Without "[END]" the last section is closed all the same.
    const std::string noEnd = kFullList.substr(0, kFullList.find("[END]"));
    const Loaded loaded = load(noEnd);
    EXPECT_EQ(loaded.result, LoadResult::Loaded);
    EXPECT_EQ(loaded.tokens, kFullTokens);
    // A last "[END]" needs no line end.
    EXPECT_EQ(load(noEnd + "[END]").tokens, kFullTokens);
}

TEST(LoadChannelList, AddsTheEmptySectionsAListNeeds) {
    const std::string withoutPid =
        nameList() + kSatellites + kTransponders + kAnalog + kChannels + "[END]\r\n";
    const TokenArray emptyPid = {"CHANNEL_PID START", "CHANNEL_PID END"};
    const TokenArray emptyAnalog = {"ANALOG START", "ANALOG END"};
    Loaded loaded = load(withoutPid);
    EXPECT_EQ(loaded.result, LoadResult::Loaded);
    EXPECT_EQ(loaded.tokens, concat({nameTokens(), kSatelliteTokens, kTransponderTokens,
                                     kAnalogTokens, kChannelTokens, emptyPid}));

    // Null channels need no transponder, so the transponders may follow them.
    const std::string nullChannel =
        lines({"[DIGITAL CHANNEL]", "1  9999  0  0001  TV  \"\"  0  Y"});
    const TokenArray nullChannelTokens = {
        "CHANNEL START", "1", "9999", "0", "0001", "TV", "--", "0", "Y", "CHANNEL END"};
    loaded = load(nameList() + kSatellites + nullChannel + kTransponders + "[END]\r\n");
    EXPECT_EQ(loaded.tokens, concat({nameTokens(), kSatelliteTokens, nullChannelTokens, emptyPid,
                                     emptyAnalog, kTransponderTokens}));
    EXPECT_TRUE(loaded.messages.empty());

    // With no channel section to attach them to, the list still loads, with a warning.
    loaded = load(nameList() + kSatellites + "[END]\r\n");
    EXPECT_EQ(loaded.result, LoadResult::Loaded);
    EXPECT_EQ(loaded.tokens, concat({nameTokens(), kSatelliteTokens}));
    EXPECT_EQ(loaded.messages, (std::vector<std::string>{kMissingSection, kMissingSection}));
}

TEST(LoadChannelList, AskedToSaveAgainForAChannelWithoutServiceOrTransponder) {
    const std::string head = nameList() + kSatellites + kTransponders + "[DIGITAL CHANNEL]\r\n";
    EXPECT_EQ(load(head + "1  3  0  0000  TV  A  0  N\r\n").result, LoadResult::MustResave);
    EXPECT_EQ(load(head + "1  0  0  00A0  TV  A  0  Y\r\n").result, LoadResult::MustResave);
    EXPECT_EQ(load(head + "1  3  0  00A0  TV  A  0  N\r\n").result, LoadResult::Loaded);
    const Loaded loaded = load(head + "1  3  0  00A0  TV  A  0  N\r\n");
    EXPECT_EQ(loaded.result, LoadResult::Loaded);
    EXPECT_TRUE(loaded.messages.empty());
}

TEST(LoadChannelList, RefusesWhatTheCheckRefuses) {
    const std::string head = nameList() + kSatellites + kTransponders;
    struct Case {
        std::string content;
        std::string message;  // the check's own message, shown before kNotCorrect
    };
    std::vector<Case> cases = {
        {head + "# it\"s a comment\r\n[END]\r\n",
         format("\n  ERROR : check the following line!!   \n ==> line number %d ", 44)},
        {nameList() + "[SATELLITE]\r\n0  Short  N  10600\r\n[END]\r\n",
         "Satellite Section's information is illegal!!!"},
        {head + "[DIGITAL CHANEL]\r\n[END]\r\n",
         format("\nERROR : syntax in %s !!!\n  line number %d ", "[DIGITAL CHANEL]", 44)},
        {head + "[DIGITAL CHANNEL]\r\n1  3  0  00A0  TV  A  0\r\n2  3  0  00A1  TV  B  0  N\r\n",
         ""},
    };
    // The reader refuses line 45 while the check goes on to refuse line 46: the check reads the
    // list first, so only its message is shown.
    cases.push_back(
        {head + lines({"[DIGITAL CHANNEL]", "1  1  0  6FEE  TV  \"CHANNEL START\"  0  N",
                       "# it\"s a comment", "[END]"}),
         format("\n  ERROR : check the following line!!   \n ==> line number %d ", 46)});
    for (const Case& c : cases) {
        const Loaded loaded = load(c.content);
        EXPECT_EQ(loaded.result, LoadResult::Failed) << c.content;
        EXPECT_TRUE(loaded.tokens.empty());
        ASSERT_FALSE(loaded.messages.empty());
        EXPECT_EQ(loaded.messages.back(), kNotCorrect);
        if (!c.message.empty()) {
            EXPECT_EQ(loaded.messages, (std::vector<std::string>{c.message, kNotCorrect}));
        }
    }
}

TEST(LoadChannelList, SaysWhenTheFileIsMissingOrEmpty) {
    test::TempDir dir;
    RuntimeSettings settings;
    const std::string empty = dir.file("empty.txt");
    test::writeFile(empty, "");
    for (const auto& [file, message] :
         {std::pair{dir.file("missing.txt"), "The file does not exist : %s\n"},
          std::pair{empty, "The file is empty : %s\n"}}) {
        test::RecordingUi ui;
        ListFile db(settings, ui, file);
        TokenArray tokens;
        EXPECT_EQ(db.loadChannelList(tokens), LoadResult::Failed);
        EXPECT_EQ(ui.messages, std::vector<std::string>{format(message, file.c_str())});
    }
}

TEST(LoadChannelList, ReadsAListWithLfLineEndsAndSavesItWithCrLf) {
    test::TempDir dir;
    std::string text = test::readFile(test::exampleFile("channels.txt"));
    std::erase(text, '\r');
    test::writeFile(dir.file("lf.txt"), text);
    test::RecordingUi ui;
    RuntimeSettings settings;
    ListFile db(settings, ui, dir.file("lf.txt"));
    TokenArray tokens;
    ASSERT_NE(db.loadChannelList(tokens), LoadResult::Failed)
        << testing::PrintToString(ui.messages);
    ASSERT_TRUE(db.saveText(tokens));
    const std::string saved = test::readFile(dir.file("lf.txt"));
    EXPECT_NE(saved.find("\r\n[END]"), std::string::npos);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'),
              std::count(saved.begin(), saved.end(), '\r'));
}

TEST(LoadChannelList, RefusesANameThatReadsAsASectionMarker) {
    // The check takes it, but the views would take it for the edge of the channel section.
    const std::string text =
        nameList() + kSatellites + kTransponders +
        lines({"[DIGITAL CHANNEL]", "1  1  0  6FEE  TV  \"CHANNEL START\"  0  N"});
    const Loaded loaded = load(text);
    EXPECT_EQ(loaded.result, LoadResult::Failed);
    EXPECT_EQ(loaded.messages,
              std::vector<std::string>{format(
                  "\n ERROR : NAME \"%s\" is kept for the list's sections !!!\n           line "
                  "number %d ",
                  "CHANNEL START", 45)});
}

// Loads the list, saves it, and loads the saved file: the token array must come back the same.
void expectRoundTrip(const std::string& content) {
    test::TempDir dir;
    test::writeFile(dir.file("list.txt"), content);
    test::RecordingUi ui;
    RuntimeSettings settings;
    ListFile db(settings, ui, dir.file("list.txt"));
    TokenArray first;
    ASSERT_NE(db.loadChannelList(first), LoadResult::Failed) << testing::PrintToString(ui.messages);
    ASSERT_EQ(db.saveText(first), 1);
    TokenArray second;
    ASSERT_NE(db.loadChannelList(second), LoadResult::Failed)
        << testing::PrintToString(ui.messages);
    EXPECT_EQ(second, first);
    EXPECT_EQ(test::readFile(dir.file("list.bak")), content);
}

TEST(LoadChannelList, SavingAndLoadingAgainGivesTheSameList) {
    // The writer puts the sections in its own order; the loaded array follows the file.
    const std::string writerOrder =
        nameList() + kSatellites + kTransponders + kChannels + kPidChannels + kAnalog + "[END]\r\n";
    expectRoundTrip(writerOrder);

    const std::filesystem::path examples = test::exampleFile("");
    ASSERT_TRUE(std::filesystem::is_directory(examples));
    int lists = 0;
    for (const auto& entry : std::filesystem::directory_iterator(examples)) {
        if (entry.path().extension() != ".txt") continue;
        SCOPED_TRACE(entry.path().string());
        expectRoundTrip(test::readFile(entry.path().string()));
        ++lists;
    }
    EXPECT_GT(lists, 0);
}

}  // namespace
}  // namespace sky
