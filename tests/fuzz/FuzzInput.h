#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "listdb/ListDB.h"

namespace sky::fuzz {

// Writes the input as a channel list into a folder of this process's own (removed when the
// process ends, so that fuzzers running side by side never share files) and returns its path.
std::string writeList(const uint8_t* data, size_t size);

// The names of the files in the folder of writeList().
std::vector<std::string> filesBeside();

// Runs the check on the database's list, as Open does first.
bool passesCheck(CListDB& db);

// Reports a broken promise and aborts, so that the fuzzer keeps the input that broke it.
[[noreturn]] void fail(const std::string& what, const std::vector<std::string>& messages = {});

}  // namespace sky::fuzz
