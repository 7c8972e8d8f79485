// skylister-cli's bash completion, sourced in a bash started by the test as bash-completion
// loads it, and asked for the words a Tab would offer.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/CliRunner.h"
#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

class CompletionTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(dir.file("lists"));
        for (const char* name : {"a.txt", "B.TXT", "image.hex", "image.bin", "dvb-s-table"}) {
            test::writeFile(dir.file(name), "");
        }
    }

    // Runs a bash script in the test's folder, with the built skylister-cli first on the PATH;
    // returns its output's lines, sorted.
    Words bash(const std::string& script) {
        test::writeFile(dir.file("script.sh"), script);
        const std::string command =
            "cd " + dir.path().string() + " && PATH=" + SKYLISTER_BINARY_DIR +
            "/tools:$PATH bash --norc --noprofile " + "script.sh >script.out 2>script.err";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(test::readFile(dir.file("script.err")), "");
        Words lines;
        std::istringstream out(test::readFile(dir.file("script.out")));
        for (std::string line; std::getline(out, line);) lines.push_back(line);
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    // What completes the last of the words typed after "skylister-cli".
    Words complete(const Words& typed) {
        std::string words = "skylister-cli";
        for (const std::string& word : typed) words += " '" + word + "'";
        return bash(source() + "COMP_WORDS=(" + words +
                    ")\nCOMP_CWORD=" + std::to_string(typed.size()) +
                    "\n_skylister_cli\nfor word in \"${COMPREPLY[@]}\"; do echo \"$word\"; done\n");
    }

    static std::string source() {
        return std::string("source ") + SKYLISTER_SOURCE_DIR +
               "/resources/completion/skylister-cli\n";
    }

    test::TempDir dir;
};

TEST_F(CompletionTest, CommandsAndTheirOptionsComeFromTheUsage) {
    EXPECT_EQ(bash(source() + "complete -p skylister-cli\n"),
              Words{"complete -F _skylister_cli skylister-cli"});
    const Words commands = complete({""});
    for (const char* command : {"check", "compile", "import-channels", "download", "upload", "help",
                                "--help", "--version"}) {
        EXPECT_NE(std::find(commands.begin(), commands.end(), command), commands.end()) << command;
    }
    EXPECT_EQ(complete({"im"}), (Words{"import-channels", "import-tp"}));
    EXPECT_EQ(complete({"help", "ren"}), Words{"rename"});
    // Each command offers its own options, no other command's.
    EXPECT_EQ(complete({"check", "--"}), (Words{"--help", "--sat40"}));
    EXPECT_EQ(complete({"download", "x.bin", "-"}), (Words{"--device", "--help", "--port"}));
    EXPECT_EQ(complete({"export", "a.txt", "-"}),
              (Words{"--format", "--help", "--sat40", "--semicolon", "--view", "-o"}));
    EXPECT_EQ(complete({"rename", "a.txt", "--dry-run", "--c"}), Words{"--case"});
    // Values listed in the synopsis.
    EXPECT_EQ(complete({"compile", "a.txt", "--mode", ""}),
              (Words{"basic", "normal", "preinstalled", "split"}));
    EXPECT_EQ(complete({"rename", "a.txt", "--case", "l"}), Words{"lower"});
    EXPECT_EQ(complete({"export", "a.txt", "--view", "sat"}), (Words{"satellite", "satname"}));
    EXPECT_EQ(complete({"rename", "a.txt", "--fit", ""}), Words{});
}

TEST_F(CompletionTest, ArgumentsCompleteAsFilesOfTheirKindOrSerialDevices) {
    // Channel lists by their extension, in any case, and folders to look into.
    EXPECT_EQ(complete({"check", ""}), (Words{"B.TXT", "a.txt", "lists"}));
    EXPECT_EQ(complete({"diff", "a.txt", ""}), (Words{"B.TXT", "a.txt", "lists"}));
    EXPECT_EQ(complete({"diff", "a.txt", "B.TXT", ""}), Words{});
    EXPECT_EQ(complete({"convert", ""}), (Words{"image.hex", "lists"}));
    EXPECT_EQ(complete({"download", ""}), (Words{"image.bin", "lists"}));
    // A scan table or an output file has no extension of its own.
    EXPECT_EQ(complete({"import-tp", "a.txt", "dvb"}), Words{"dvb-s-table"});
    EXPECT_EQ(complete({"export", "a.txt", "-o", "image"}), (Words{"image.bin", "image.hex"}));
    // After --device only serial devices, whatever the folder holds.
    Words devices;
    for (const fs::directory_entry& entry : fs::directory_iterator("/dev")) {
        const std::string name = entry.path().filename().string();
        for (const char* kind : {"ttyS", "ttyUSB", "ttyACM"}) {
            if (name.rfind(kind, 0) == 0) devices.push_back(entry.path().string());
        }
    }
    std::sort(devices.begin(), devices.end());
    EXPECT_EQ(complete({"upload", "out.txt", "--device", ""}), devices);
    EXPECT_EQ(complete({"upload", "out.txt", "--device", "/dev/nothing"}), Words{});
}

}  // namespace
}  // namespace sky
