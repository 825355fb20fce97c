#pragma once

// The core's start-up: memory with the main heap, the application and its
// window, the random generator, the CRC-32 table and the input devices.
class CoreSystem {
public:
    // Failures show only through later steps (a missing window makes the
    // display step fail).
    static void Initialize(bool fullScreen);
};
