// Damaged channel lists and images: whatever the damage, the check, both compiles, the converter
// and the loader end with a result (never a crash or a hang), and a list that loads is saved in a
// form that loads back unchanged.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "listdb/ListFile.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {
namespace {

// One random change: a character dropped, replaced or inserted, or a line doubled or dropped.
std::string damage(std::string text, std::mt19937& random) {
    if (text.empty()) return text;
    const auto pick = [&](size_t n) {
        return std::uniform_int_distribution<size_t>(0, n - 1)(random);
    };
    static const std::string kCharacters = "0123456789 \t\"#[]~-YNHVTVRADIO\r\n\xFF";
    const size_t at = pick(text.size());
    switch (pick(5)) {
        case 0:
            text.erase(at, 1);
            break;
        case 1:
            text[at] = kCharacters[pick(kCharacters.size())];
            break;
        case 2:
            text.insert(at, 1, kCharacters[pick(kCharacters.size())]);
            break;
        default: {
            const size_t start =
                text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
            const size_t end = text.find('\n', at);
            const std::string line =
                text.substr(start, end == std::string::npos ? std::string::npos : end + 1 - start);
            if (pick(2) == 0) {
                text.insert(start, line);
            } else {
                text.erase(start, line.size());
            }
        }
    }
    return text;
}

TEST(DamagedLists, EveryStepEndsAndLoadedListsSaveStably) {
    const std::string original = test::readFile(test::exampleFile("channels.txt"));
    ASSERT_FALSE(original.empty());
    std::mt19937 random(20261207);
    test::TempDir dir;
    const std::string path = dir.file("list.txt");
    RuntimeSettings settings;
    int loaded = 0;
    for (int round = 0; round < 300; ++round) {
        std::string text = original;
        for (int changes = 1 + round % 4; changes > 0; --changes) text = damage(text, random);
        SCOPED_TRACE(text);
        test::writeFile(path, text);
        test::RecordingUi ui;
        ListFile db(settings, ui, path);
        const bool valid = db.check();
        for (const CompileMode mode : {CompileMode::Basic, CompileMode::Normal}) {
            if (db.compile(mode)) db.convertImage();
        }
        TokenArray first;
        if (db.loadChannelList(first) == LoadResult::Failed) continue;
        EXPECT_TRUE(valid);
        ++loaded;
        ASSERT_EQ(db.saveText(first), 1);
        TokenArray second;
        ASSERT_NE(db.loadChannelList(second), LoadResult::Failed);
        ASSERT_EQ(db.saveText(second), 1);
        TokenArray third;
        ASSERT_NE(db.loadChannelList(third), LoadResult::Failed);
        EXPECT_EQ(third, second);
    }
    // The damage leaves enough lists loadable for the round trip to be tried.
    EXPECT_GT(loaded, 30);
}

TEST(DamagedLists, DamagedImagesEndTheConversionWithAResult) {
    test::TempDir dir;
    const std::string path = dir.file("list.txt");
    RuntimeSettings settings;
    test::RecordingUi quiet;
    {
        ListFile db(settings, quiet, path);
        test::writeFile(path, test::readFile(test::exampleFile("channels.txt")));
        ASSERT_TRUE(db.compile(CompileMode::Basic));
    }
    const std::string image = test::readFile(dir.file("list.hex"));
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::string text = image;
        for (int changes = 1 + round % 3; changes > 0; --changes) text = damage(text, random);
        test::writeFile(dir.file("list.hex"), text);
        test::RecordingUi ui;
        ListFile db(settings, ui, path);
        const int converted = db.convertImage();
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(converted == 1, ui.messages.back() == "Conversion is terminated successfully.\n");
    }
}

}  // namespace
}  // namespace sky
