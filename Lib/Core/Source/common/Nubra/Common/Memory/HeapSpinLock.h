#pragma once
#include <atomic>
#include <cstdint>

namespace Nubra::Memory {

// A lock word taken by an interlocked compare-exchange from 0 to 1, with a
// zero sleep between tries, and released by storing 0.
class HeapSpinLock {
public:
    // The uncontended take is one compare-exchange, inlined at every caller.
    void Acquire()
    {
        uint32_t expected = 0;
        if (!m_uWord.compare_exchange_strong(expected, 1, std::memory_order_acquire, std::memory_order_relaxed))
            AcquireContended();
    }
    // A release store is enough: only the holder writes the word while it
    // is 1.
    void Release() { m_uWord.store(0, std::memory_order_release); }

private:
    void AcquireContended();

    std::atomic<uint32_t> m_uWord {0};
};

// Holds a lock for the life of the object.
class HeapSpinLockGuard {
public:
    explicit HeapSpinLockGuard(HeapSpinLock& lock) : m_rLock(lock) { m_rLock.Acquire(); }
    ~HeapSpinLockGuard() { m_rLock.Release(); }
    HeapSpinLockGuard(const HeapSpinLockGuard&) = delete;
    HeapSpinLockGuard& operator=(const HeapSpinLockGuard&) = delete;

private:
    HeapSpinLock& m_rLock;
};

// Guards the one-time setting of the allocator's magic word.
extern HeapSpinLock g_oGlobalSpinLock;

} // namespace Nubra::Memory
