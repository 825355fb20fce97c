#pragma once

namespace Platform {

// Where engines created from now on send their mix: the sound device, no
// device (the mix is consumed silently in real time, for headless runs), or a
// raw file of the mixed samples (to check that signal came out).
enum class SoundOutput {
    Device,
    Silent,
    File
};

void SelectSoundOutput(SoundOutput output, const char* filePath = nullptr);

} // namespace Platform
