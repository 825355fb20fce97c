#pragma once
#include <cstdint>

// The core's start-up: memory with the main heap, the application and its
// window, the random generator, the CRC-32 table and the input devices.
class CoreSystem {
public:
    // Failures show only through later steps (a missing window makes the
    // display step fail).
    static void Initialize(bool fullScreen);

    // The memory system and a main heap of iSize bytes over a block of the
    // process heap, with the game's heap flags.
    static void CreateMainHeap(uint32_t iSize);

    static constexpr uint32_t MAIN_HEAP_SIZE = 0x10000000;
};
