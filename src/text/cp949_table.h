#pragma once
// The double-byte half of code page 949 as two constant arrays (generated data, no start-up cost).

#include <cstdint>

namespace brakefell::cp949 {

inline constexpr unsigned kLeadFirst = 0x81;
inline constexpr unsigned kLeadLast = 0xFE;
inline constexpr unsigned kTrailFirst = 0x41;
inline constexpr unsigned kTrailLast = 0xFE;
inline constexpr unsigned kTrailCount = kTrailLast - kTrailFirst + 1;
inline constexpr unsigned kCellCount = (kLeadLast - kLeadFirst + 1) * kTrailCount;
inline constexpr unsigned kMappedCount = 17048;

// UTF-16 unit of cell (lead - kLeadFirst) * kTrailCount + (trail - kTrailFirst); 0 = no character.
extern const std::uint16_t kDecodeCells[kCellCount];

// Indexes into kDecodeCells sorted by the unit they hold, for encoding by binary search.
extern const std::uint16_t kCellsByUnit[kMappedCount];

}  // namespace brakefell::cp949
