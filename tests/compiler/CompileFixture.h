#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ListText.h"
#include "db/ListDB.h"
#include "db/Settings.h"
#include "support/RecordingUi.h"
#include "support/TempDir.h"

namespace sky::test {

// Compiles list texts written into a fresh folder, through CListDB as its callers do.
class CompileFixture : public ::testing::Test {
protected:
    std::string listPath() const { return dir.file("list.txt"); }

    int compile(const ListText& list, int mode, bool checkOnly = false, bool splitList = false) {
        writeFile(listPath(), list.text());
        return compilePath(listPath(), mode, checkOnly, splitList);
    }

    int compilePath(const std::string& path, int mode, bool checkOnly = false,
                    bool splitList = false) {
        CListDB db(settings, ui, path);
        db.checkOnly = checkOnly ? 1 : 0;
        db.splitList = splitList ? 1 : 0;
        const int result = db.Compile(mode);
        pathAfter = db.path;
        return result;
    }

    HexImage image() const { return parseHex(readFile(dir.file("list.hex"))); }

    RuntimeSettings settings;
    RecordingUi ui;
    TempDir dir;
    std::string pathAfter;
};

}  // namespace sky::test
