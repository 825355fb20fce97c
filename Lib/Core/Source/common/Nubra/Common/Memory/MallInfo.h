#pragma once
#include <cstdint>

namespace Nubra::Memory {

// A heap's statistics, in the order of its nine words.
struct MallInfo {
    uint32_t m_uTotalBytes = 0;      // every chunk walked, plus the top and its fence
    uint32_t m_uUsedChunks = 0;      // chunks in use
    uint32_t m_uFreeChunks = 0;      // free chunks, the top counted as one
    uint32_t m_uUsedBytes = 0;       // heap size less the free bytes
    uint32_t m_uFreeBytes = 0;       // free chunks plus the top plus the fence
    uint32_t m_uLargestFree = 0;     // usable size of the largest free chunk, at least the top size
    uint32_t m_uSmallestTop = 0;     // smallest top size ever seen
    uint32_t m_uFreeShare = 0;       // free chunks among all chunks but the top, as a 0.32 fraction
    uint32_t m_uScaledFreeShare = 0; // that share scaled by the heap's bytes over the bytes below the top

    bool operator==(const MallInfo&) const = default;
};

// The three words that every heap kind reports.
struct HeapStats {
    uint32_t m_uTotalBytes = 0;
    uint32_t m_uUsedBytes = 0;
    uint32_t m_uFreeBytes = 0;
};

} // namespace Nubra::Memory
