// A compile of the token array must come out exactly as a compile of the text the writer makes of
// it: the same image, or the same message naming the same line.

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "compiler/Compile.h"
#include "compiler/HexText.h"
#include "db/Loader.h"
#include "db/TextWriter.h"
#include "support/RecordingUi.h"

namespace sky {
namespace {

TokenArray exampleTokens() {
    std::ifstream file(std::string(SKYLISTER_SOURCE_DIR) + "/examples/channels.txt",
                       std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    TokenArray tokens;
    test::RecordingUi ui;
    EXPECT_NE(readChannelListText(text.str(), tokens, ui), LoadResult::Failed);
    return tokens;
}

// Cell values that compile, that the compiler refuses, and that change how the written line reads:
// empty cells, white space, quotes, comments, headers, NUL, a line end, over-long cells.
const std::vector<std::string>& cellValues() {
    static const std::vector<std::string> kValues{"0",
                                                  "1",
                                                  "2",
                                                  "7",
                                                  "9999",
                                                  "65535",
                                                  "70000",
                                                  "-1",
                                                  "11836",
                                                  "27500",
                                                  "00A0",
                                                  "6FEE",
                                                  "zz",
                                                  "TV",
                                                  "RADIO",
                                                  "H",
                                                  "V",
                                                  "N",
                                                  "Y",
                                                  "KU",
                                                  "27MHz",
                                                  "6.50",
                                                  "STEREO",
                                                  "CVBS",
                                                  "U50",
                                                  "Das Erste",
                                                  "ABCDEFGHIJKLMNOP",
                                                  "A~B",
                                                  "--",
                                                  "",
                                                  " ",
                                                  "a b",
                                                  "\t",
                                                  "x\ty",
                                                  "\"",
                                                  "a\"b",
                                                  "\"\"",
                                                  "#1",
                                                  "1#",
                                                  "[X]",
                                                  "[END]",
                                                  "[DIGITAL TP]",
                                                  "-",
                                                  "+5",
                                                  "a\nb",
                                                  "\r",
                                                  std::string("1\0"
                                                              "2",
                                                              3),
                                                  std::string(300, '7'),
                                                  std::string(600, 'N'),
                                                  "CHANNEL END"};
    return kValues;
}

TEST(CompileTokens, MatchesTheCompileOfTheWrittenText) {
    const TokenArray example = exampleTokens();
    ASSERT_FALSE(example.empty());
    std::mt19937 random(20261208);
    const std::vector<std::string>& values = cellValues();
    int compiled = 0;
    for (int round = 0; round < 1500; ++round) {
        TokenArray tokens = example;
        // A few cells changed, now and then one left out, which shifts the rest of the section.
        const int changes = 1 + static_cast<int>(random() % 3);
        for (int c = 0; c < changes; ++c) {
            const size_t cell = random() % tokens.size();
            if (random() % 16 == 0) {
                tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(cell));
            } else {
                tokens[cell] = values[random() % values.size()];
            }
        }
        const CompileOptions options{random() % 2 ? CompileMode::Basic : CompileMode::Normal,
                                     random() % 4 == 0, random() % 8 == 0 ? 40 : 32};
        std::string textFailure;
        const std::optional<std::string> fromText =
            compileText(channelListText(tokens), options, textFailure);
        std::string tokenFailure;
        const std::optional<CompiledImage> image = compileTokens(tokens, options, tokenFailure);
        ASSERT_EQ(fromText.has_value(), image.has_value()) << "round " << round;
        if (image) {
            ASSERT_EQ(*fromText, hexText(image->address, image->bytes)) << "round " << round;
        }
        ASSERT_EQ(textFailure, tokenFailure) << "round " << round;
        if (fromText) ++compiled;
    }
    // Most changes leave a list that still compiles, so the images are compared as well.
    EXPECT_GT(compiled, 150);
}

}  // namespace
}  // namespace sky
