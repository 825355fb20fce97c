#pragma once
#include "Common/SoundIds.h"
#include "SoundPackDescription.h"

#include <span>
#include <string>

// Completes the description from the game's sound tables: a wave bank (of the
// group wave) for every bank that a sound group names and the description
// does not declare, and one cue per sound of the sound id table at its
// platform sound id, named after the sound id, with the sound's binding or
// the default cue. False with the reason when the table's platform ids are
// not the numbers 0..n-1 or a binding names a sound the table lacks.
bool BindSoundTables(SoundPackDesc& pack, std::span<const SoundRow> sounds, std::span<const SoundGroupRow> groups,
                     std::string& error);
