#pragma once
#include <cstdint>

// What is to run next: a state id and its two parameters (the first names
// the mini-game or the movie to run).
struct GameStateQueueEntry {
    uint32_t m_uStateId = 0;
    uint32_t m_uParameter1 = 0;
    uint32_t m_uParameter2 = 0;
};

// A ring of four entries that holds up to three: the states queued to run
// after the current one, oldest first. A push onto a full queue and a pop
// from an empty one are refused with an assert and change nothing.
class GameStateQueue {
public:
    static constexpr int32_t SLOT_COUNT = 4;
    static constexpr int32_t CAPACITY = SLOT_COUNT - 1;

    // False when the queue is full.
    bool Push(const GameStateQueueEntry& oEntry);
    // The head, taken out of the queue; null when the queue is empty. The
    // entry stays readable until the next push.
    const GameStateQueueEntry* Pop();
    // The head; null when the queue is empty.
    const GameStateQueueEntry* Top() const;

    bool IsEmpty() const { return m_iBegin == m_iEnd; }
    int32_t GetCount() const { return (m_iEnd - m_iBegin + SLOT_COUNT) % SLOT_COUNT; }

private:
    GameStateQueueEntry m_aoEntries[SLOT_COUNT];
    int32_t m_iEnd = 0;
    int32_t m_iBegin = 0;
};
