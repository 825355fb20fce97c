#pragma once
#include "ScriptEngine/common/EventDesc.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The recorded play-through that auto-test playback replays, as the content
// builder writes it into the data folder: the word "ATRC", the record count,
// then that many event records of eight little-endian words each (type,
// parameter count, three parameter types, three values), in play order.
constexpr const char* AUTOTEST_RECORDING_FILE = "autotest.dat";
constexpr uint32_t AUTOTEST_RECORDING_MAGIC = 0x43525441u; // "ATRC"
constexpr size_t AUTOTEST_RECORDING_HEADER_SIZE = 8;
constexpr size_t AUTOTEST_RECORD_SIZE = 32;
// Far more than a whole game's play-through; a larger count is damage.
constexpr uint32_t AUTOTEST_RECORDS_MAX = 65536;
// A record of the recording's own, never an event of the game: the player
// does nothing for the game milliseconds of its one integer (the performance
// table's idle frames).
constexpr TwEventType AUTOTEST_WAIT = static_cast<TwEventType>(0x100);

class AutoTestRecording {
public:
    // Checks the whole file before taking any record: the header, the size,
    // every record's kind and the parameters that kind carries. A damaged
    // file is refused with one line naming it and the record, and leaves the
    // recording empty.
    bool Parse(std::span<const uint8_t> bytes, const char* pName);
    // Reads and parses the file at the path.
    bool Load(const char* pPath);

    std::span<const EventDesc> GetEvents() const { return m_aEvents; }

private:
    std::vector<EventDesc> m_aEvents;
};
