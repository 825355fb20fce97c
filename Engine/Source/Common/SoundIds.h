#pragma once
#include <cstdint>
#include <span>

struct SoundRow {
    int32_t m_iSoundId;
    uint32_t m_uWord1;
    int16_t m_iNumber;
    int16_t m_iPlatformSoundId;
    uint32_t m_uWord2;
};

constexpr int SOUND_GROUP_MAX_BANKS = 4;

struct SoundGroupRow {
    uint32_t m_uGroupId;
    // Wave bank names; the first null or empty one ends the list.
    const char* m_apBanks[SOUND_GROUP_MAX_BANKS];
};

constexpr int SOUND_VARIANT_COUNT = 5;

struct SoundVariantRow {
    uint32_t m_uKey;
    // Sound ids, -1 where there is none.
    int32_t m_aVariants[SOUND_VARIANT_COUNT];
};

namespace Id {

std::span<const SoundRow> GetSoundTable();
std::span<const SoundGroupRow> GetSoundGroupTable();
std::span<const SoundVariantRow> GetSoundVariantTable();

const SoundRow* FindSound(int32_t iSoundId);
// The cue number of the sound, -1 (reported) for an unknown sound.
int GetPlatformSoundId(int32_t iSoundId);
const SoundGroupRow* FindSoundGroup(uint32_t uGroupId);
// Variant n of the key's row, its first variant when variant n is -1, -1 when
// the key has no row.
int32_t GetSoundVariant(uint32_t uKey, int n);
// The same over any variant table sorted by key.
int32_t GetSoundVariant(std::span<const SoundVariantRow> rows, uint32_t uKey, int n);

} // namespace Id
