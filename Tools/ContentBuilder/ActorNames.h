#pragma once
#include <cstdint>
#include <string>

// The actor id of a name: its CRC-32 with the top bit set.
uint32_t ActorIdOfName(const std::string& name);
// Whether the actor table holds the name; unlike the game's lookup, a name it
// lacks is no error to report here, since the tools refuse it themselves.
bool IsActorName(const std::string& name);
