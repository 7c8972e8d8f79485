#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>

namespace sky {

// The positions of compiled rows by their 16-bit index, all 0 at first. The memory comes zeroed
// from the system, so the pages of indexes a list never uses are never touched.
class IndexMap {
public:
    static constexpr std::size_t kSize = 65536;

    IndexMap() : entries_(static_cast<uint16_t*>(std::calloc(kSize, sizeof(uint16_t)))) {
        if (!entries_) throw std::bad_alloc();
    }

    std::size_t size() const { return kSize; }
    uint16_t& operator[](std::size_t index) { return entries_.get()[index]; }
    uint16_t operator[](std::size_t index) const { return entries_.get()[index]; }

private:
    struct Free {
        void operator()(uint16_t* entries) const { std::free(entries); }
    };
    std::unique_ptr<uint16_t[], Free> entries_;
};

}  // namespace sky
