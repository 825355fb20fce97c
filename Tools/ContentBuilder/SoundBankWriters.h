#pragma once
#include "SoundPackDescription.h"

#include <cstdint>
#include <string>
#include <vector>

// Writers of the three bank formats that the sound engine reads: the global
// settings (".xgs"), the sound bank (".xsb") and the wave banks (".xwb").
// The tables are laid out in the order in which the engine reads them, and
// the stored offsets point at that same order.

// The authored volume byte of a gain in decibels (180 is 0 dB; 0 is silence,
// so the byte is kept within 1..255).
uint8_t VolumeByte(double decibels);

std::vector<uint8_t> WriteGlobalSettings(const SoundPackDesc& pack);
std::vector<uint8_t> WriteSoundBank(const SoundPackDesc& pack, const std::string& bankName);
std::vector<uint8_t> WriteWaveBank(const WaveBankDesc& bank);
