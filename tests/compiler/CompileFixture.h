#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ListText.h"
#include "compiler/Compile.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky {

inline constexpr CompileMode kBasic = CompileMode::Basic;
inline constexpr CompileMode kNormal = CompileMode::Normal;

}  // namespace sky

namespace sky::test {

// Compiles list texts written into a fresh folder.
class CompileFixture : public ::testing::Test {
protected:
    std::string listPath() const { return dir.file("list.txt"); }

    bool compile(const ListText& list, CompileMode mode, bool checkOnly = false,
                 bool splitList = false) {
        writeFile(listPath(), list.text());
        return compilePath(listPath(), mode, checkOnly, splitList);
    }

    bool compilePath(const std::string& path, CompileMode mode, bool checkOnly = false,
                     bool splitList = false) {
        return compileList({path, mode, checkOnly, splitList, satNameCount}, ui);
    }

    HexImage image() const { return parseHex(readFile(dir.file("list.hex"))); }

    int satNameCount = 32;
    RecordingUi ui;
    TempDir dir;
};

}  // namespace sky::test
