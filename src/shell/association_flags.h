// AssociationFlags: which rows of the file type catalogue an installation associates.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lp {

// 64 entries, one per catalogue row (entry 63 has no row); nonzero means chosen.
class AssociationFlags {
public:
    static constexpr std::size_t kEntries = 64;
    static constexpr std::size_t kImagesOnlyRows = 49;

    void Set(std::size_t row) {
        if (row < kEntries)
            entries_[row] = 1;
    }
    void SelectImagesOnly() {
        for (std::size_t i = 0; i < kImagesOnlyRows; ++i)
            entries_[i] = 1;
    }
    void SelectAll() { entries_.fill(1); }
    bool IsSet(std::size_t row) const { return row < kEntries && entries_[row] != 0; }
    bool Any() const {
        for (std::int32_t e : entries_)
            if (e != 0)
                return true;
        return false;
    }
    std::int32_t& operator[](std::size_t row) { return entries_.at(row); }
    std::int32_t operator[](std::size_t row) const { return entries_.at(row); }

private:
    std::array<std::int32_t, kEntries> entries_{};
};

}  // namespace lp
