#pragma once

// Small channel lists for the editor's tests, built record by record.

#include <string>
#include <vector>

#include "compiler/Compile.h"
#include "db/TextFormat.h"
#include "db/TextWriter.h"
#include "db/TokenArray.h"

namespace sky::test {

using Record = std::vector<std::string>;

inline Record satellite(const std::string& index, const std::string& name,
                        const std::string& degree = "0192") {
    return {index, name, "N", "10600", "9750", "1", degree};
}
inline Record transponder(const std::string& index, const std::string& sat,
                          const std::string& frequency, const std::string& bouquet = "BQ") {
    return {index, sat, frequency, "27500", "H", bouquet};
}
inline Record digital(const std::string& index, const std::string& tp, const std::string& sat,
                      const std::string& name, const std::string& type = "TV") {
    return {index, tp, sat, "00A" + index, type, name, "1", "N"};
}
inline Record pidChannel(const std::string& index, const std::string& tp, const std::string& sat,
                         const std::string& name, const std::string& type = "TV") {
    return {index, tp, sat, type, name, "100", "101", "102", "1", "N"};
}
inline Record analog(const std::string& index, const std::string& sat, const std::string& name,
                     const std::string& type = "TV") {
    return {index,  sat,      "11000", "KU",   name,  "27MHz", "H",   "5",  "7",
            "CVBS", "STEREO", "6.50",  "6.50", "130", "Y",     "U50", type, "N"};
}

// The sections of a list in the writer's order, each between its markers.
struct TestList {
    std::vector<Record> satNames;
    std::vector<Record> satellites;
    std::vector<Record> transponders;
    std::vector<Record> channels;
    std::vector<Record> pids;
    std::vector<Record> analogs;

    TokenArray tokens() const {
        TokenArray out;
        const std::vector<Record>* bySection[] = {&satNames, &satellites, &transponders,
                                                  &channels, &pids,       &analogs};
        for (std::size_t s = 0; s < kSections.size(); ++s) {
            out.emplace_back(kSections[s].startMarker);
            for (const Record& record : *bySection[s])
                out.insert(out.end(), record.begin(), record.end());
            out.emplace_back(kSections[s].endMarker);
        }
        return out;
    }
};

// Two satellites, three transponders, `digitalCount` digital channels named D1.., `pidCount` PID
// channels named P1.. and `analogCount` analog channels named A1...
inline TestList sampleList(int digitalCount = 6, int pidCount = 3, int analogCount = 4) {
    TestList list;
    list.satNames = {{"1", "ASTRA"}, {"2", "HOTBIRD"}};
    list.satellites = {satellite("1", "ASTRA", "0192"), satellite("2", "HOTBIRD", "-0130")};
    list.transponders = {transponder("1", "1", "11778", "ARD"),
                         transponder("2", "1", "12110", "ZDF"),
                         transponder("3", "2", "10971", "RAI")};
    for (int i = 1; i <= digitalCount; ++i) {
        const std::string n = std::to_string(i);
        list.channels.push_back(digital(n, std::to_string(1 + (i - 1) % 3), i % 3 == 0 ? "2" : "1",
                                        "D" + n, i % 2 ? "TV" : "RADIO"));
    }
    for (int i = 1; i <= pidCount; ++i) {
        const std::string n = std::to_string(digitalCount + i);
        list.pids.push_back(pidChannel(n, "2", "1", "P" + std::to_string(i)));
    }
    for (int i = 1; i <= analogCount; ++i) {
        const std::string n = std::to_string(i);
        list.analogs.push_back(analog(n, "1", "A" + n, i % 2 ? "TV" : "RADIO"));
    }
    return list;
}

// A list the compiler's check accepts: 32 satellite names and satellites 0 to 3.
inline TestList validList() {
    TestList list;
    for (int i = 1; i <= 32; ++i)
        list.satNames.push_back({std::to_string(i), "S" + std::to_string(i)});
    for (int i = 0; i < 4; ++i) list.satellites.push_back(satellite(std::to_string(i), "SAT"));
    return list;
}

// Empty when the compiler's check accepts the list; else its message.
inline std::string checkFailure(const TokenArray& tokens) {
    std::string failure;
    return checkText(channelListText(tokens), 32, failure) ? "" : "check failed: " + failure;
}

}  // namespace sky::test
