#include "fuzz/FuzzInput.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "db/FileIo.h"

namespace sky::fuzz {

namespace {

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "skylister-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

const std::filesystem::path& scratch() {
    static const ScratchFolder folder;
    return folder.path();
}

}  // namespace

std::string writeList(const uint8_t* data, size_t size) {
    // Whatever an earlier input left behind is gone before the next one runs.
    for (const auto& entry : std::filesystem::directory_iterator(scratch())) {
        std::filesystem::remove_all(entry.path());
    }
    const std::string path = (scratch() / "list.txt").string();
    if (!writeWholeFile(path, std::string_view(reinterpret_cast<const char*>(data), size))) {
        fail("cannot write " + path);
    }
    return path;
}

std::vector<std::string> filesBeside() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(scratch())) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

bool passesCheck(CListDB& db) {
    return db.Check();
}

void fail(const std::string& what, const std::vector<std::string>& messages) {
    std::fprintf(stderr, "\n*** %s\n", what.c_str());
    for (const std::string& message : messages)
        std::fprintf(stderr, "  message: %s\n", message.c_str());
    std::fflush(stderr);
    // abort() runs no destructors: the folder goes now (the fuzzer keeps the input itself).
    std::error_code ignored;
    std::filesystem::remove_all(scratch(), ignored);
    std::abort();
}

}  // namespace sky::fuzz
