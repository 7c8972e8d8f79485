// The private temporary directory that holds the upload file.

#include "serial/PrivateTempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "support/TempDir.h"

namespace sky {
namespace {

namespace fs = std::filesystem;

class PrivateTempDirTest : public ::testing::Test {
protected:
    PrivateTempDirTest() {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR")) saved_ = old;
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
    }
    ~PrivateTempDirTest() override {
        if (saved_) {
            ::setenv("XDG_RUNTIME_DIR", saved_->c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
    }

    std::optional<std::string> dir() {
        std::string problem;
        return privateTempDir(problem);
    }
    static unsigned mode(const std::string& path) {
        struct stat info {};
        ::lstat(path.c_str(), &info);
        return info.st_mode & 07777;
    }

    test::TempDir runtime;
    const std::string expected = runtime.file("skylister");

private:
    std::optional<std::string> saved_;
};

TEST_F(PrivateTempDirTest, IsCreatedForTheUserAlone) {
    ASSERT_EQ(dir(), expected + "/");
    EXPECT_EQ(mode(expected), 0700u);
    std::string problem;
    EXPECT_EQ(uploadFilePath(problem), expected + "/SATupload.txt");

    // A directory of the user's own that others may enter is closed to them.
    ::chmod(expected.c_str(), 0777);
    EXPECT_EQ(dir(), expected + "/");
    EXPECT_EQ(mode(expected), 0700u);
}

TEST_F(PrivateTempDirTest, IsNeverALinkAFileOrSomeoneElsesDirectory) {
    test::TempDir elsewhere;
    fs::create_directory_symlink(elsewhere.path(), expected);
    EXPECT_NE(dir(), expected + "/");
    fs::remove(expected);

    test::writeFile(expected, "");
    EXPECT_NE(dir(), expected + "/");
    fs::remove(expected);

    if (::geteuid() == 0) {
        fs::create_directory(expected);
        ASSERT_EQ(::chown(expected.c_str(), 65534, 65534), 0);
        EXPECT_NE(dir(), expected + "/");
    }
}

}  // namespace
}  // namespace sky
