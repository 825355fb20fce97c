#pragma once
#include "Graphics/GraphicsRecords.h"
#include "Graphics/GraphicsResult.h"
#include "Graphics/Null/GraphicsRecorder.h"

#include <cstdint>
#include <deque>
#include <map>
#include <set>

namespace Platform {

// What a test sets and sees of the recording graphics system and its
// devices: the calls made, the hardware they pretend to be, and the course
// of a device loss.
struct NullGraphicsControl {
    GraphicsRecorder recorder;

    DisplayMode displayMode {1920, 1080, 60, 22};
    // The sample counts each format offers; formats not listed offer none.
    std::map<uint32_t, std::set<uint32_t>> multiSampleCounts;
    // The devices' texture caps (TextureCapsBits), for a device that wants
    // power-of-two sizes.
    uint32_t textureCaps = 0;
    bool failDisplayMode = false;
    bool failCreateDevice = false;

    // While set, Present reports D3DERR_DEVICELOST and TestCooperativeLevel
    // answers from cooperativeLevels (D3DERR_DEVICENOTRESET once it is
    // empty). A Reset that succeeds clears it.
    bool deviceLost = false;
    std::deque<GraphicsResult> cooperativeLevels;
    // The answers of the next Reset calls (D3D_OK once empty).
    std::deque<GraphicsResult> resetResults;
};

} // namespace Platform
