#include "listdb/CompileCommands.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "common/Format.h"
#include "db/FileIo.h"
#include "db/SiblingPath.h"

namespace sky {

namespace {

// Restores the database path on every way out of a command: the compile leaves it ending in
// ".txt", and a list named LIST.TXT must go on being saved to LIST.TXT on a file system that tells
// the two apart.
class PathGuard {
public:
    explicit PathGuard(CListDB& db) : db_(db), path_(db.path) {}
    ~PathGuard() { db_.path = path_; }
    PathGuard(const PathGuard&) = delete;
    PathGuard& operator=(const PathGuard&) = delete;

private:
    CListDB& db_;
    std::string path_;
};

// Copies the text file to base.cplsrc before the shown list is saved over it. Returns false when no
// complete copy exists afterwards.
bool takeTemporaryCopy(CListDB& db, const std::string& copyPath) {
    if (::access(db.path.c_str(), R_OK) != 0) {
        db.ui.message(format("Error On Save As Temp File: %s\n", db.path.c_str()));
        return false;
    }
    // The copy is made by the kernel, with the file's permissions, so that putting it back later
    // restores them too.
    std::error_code error;
    std::filesystem::copy_file(db.path, copyPath, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (error) {
        db.ui.message(format("Error On Save As Temp File : %s\n", copyPath.c_str()));
        std::remove(copyPath.c_str());
        return false;
    }
    return true;
}

// Puts the copy back over the text file. The copy is renamed into place, so the text file is never
// left half written; when that fails the copy is kept, so nothing is lost. Without a copy of this
// command (none could be taken) there is nothing to put back, and the text file keeps the list as
// it was saved; a copy left by an earlier command is not used.
void restoreTemporaryCopy(CListDB& db, const std::string& copyPath, bool copied) {
    if (!copied || ::access(copyPath.c_str(), F_OK) != 0) {
        db.ui.message(format("Error On Save As Temp File: %s\n", copyPath.c_str()));
        return;
    }
    if (std::rename(copyPath.c_str(), db.path.c_str()) != 0) {
        db.ui.message(format("Error On Save As Temp File : %s\nThe list as it was is kept in %s\n",
                             db.path.c_str(), copyPath.c_str()));
    }
}

bool convertAfterCompile(CListDB& db) {
    if (db.ConvertImage()) return true;
    db.ui.message("Making a BIN file is failed!");
    return false;
}

// Runs a command between the temporary copy and its restore.
template <typename Body>
bool withTemporaryCopy(CListDB& db, const TokenArray& tokens, Body body) {
    PathGuard guard(db);
    const std::string path = db.path;
    const std::optional<std::string> copyPath = siblingPath(path, ".cplsrc");
    if (!copyPath) {
        db.ui.message(notTextPathMessage(db.path));
        return false;
    }
    const bool copied = takeTemporaryCopy(db, *copyPath);
    // A file that does not hold the list shown would give an image of something else: the
    // command ends at the failed save, with its message.
    const bool result = saveList(db, tokens) && body();
    db.path = path;
    restoreTemporaryCopy(db, *copyPath, copied);
    return result;
}

}  // namespace

bool saveList(CListDB& db, const TokenArray& tokens) {
    if (db.SaveText(tokens)) return true;
    db.ui.message("ERROR!!! Saving not Complete");
    return false;
}

bool compileCommand(CListDB& db, const TokenArray& tokens, CompileMode mode) {
    return withTemporaryCopy(db, tokens, [&] {
        const std::string path = db.path;
        if (!db.Compile(mode)) {
            db.ui.message("Making a HEX file is failed!");
            return false;
        }
        db.path = path;
        return convertAfterCompile(db);
    });
}

bool buildPreInstalledImage(CListDB& db) {
    PathGuard guard(db);
    const std::string path = db.path;
    if (!db.Compile(CompileMode::Normal)) {
        db.ui.message("Making a HEX file is failed!");
        return false;
    }
    db.path = path;
    const std::optional<std::string> hexPath = siblingPath(path, ".hex");
    const std::optional<std::string> mergePath = siblingPath(path, ".mrg");
    if (!hexPath || !mergePath) {
        db.ui.message(notTextPathMessage(path));
        return false;
    }
    if (std::rename(hexPath->c_str(), mergePath->c_str()) != 0 ||
        !writeWholeFile(*mergePath, {}, true)) {
        db.ui.message(format("Can't open nessesary file : %s\n", mergePath->c_str()));
        std::remove(mergePath->c_str());
        return false;
    }
    // Whatever fails from here on, the half-built merge file is not left behind.
    const auto failWith = [&](const std::string& text) {
        db.ui.message(text);
        std::remove(mergePath->c_str());
        return false;
    };
    if (!db.Compile(CompileMode::Basic)) return failWith("Making a HEX file is failed!");
    db.path = path;
    const std::optional<std::string> basicImage = readWholeFile(*hexPath);
    if (!basicImage) return failWith(format("Can't open Output file : %s\n", hexPath->c_str()));
    if (!writeWholeFile(*mergePath, *basicImage, true)) {
        return failWith(format("Can't open nessesary file : %s\n", mergePath->c_str()));
    }
    std::remove(hexPath->c_str());
    if (std::rename(mergePath->c_str(), hexPath->c_str()) != 0) {
        return failWith(format("Can't open nessesary file : %s\n", mergePath->c_str()));
    }
    return convertAfterCompile(db);
}

bool preInstalledCompileCommand(CListDB& db, const TokenArray& tokens, bool splitList) {
    db.splitList = splitList;
    const bool result = withTemporaryCopy(db, tokens, [&] { return buildPreInstalledImage(db); });
    if (splitList) db.splitList = false;
    return result;
}

}  // namespace sky
