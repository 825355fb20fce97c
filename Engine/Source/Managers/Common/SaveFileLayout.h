#pragma once
#include "Managers/Common/SaveSlotData.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

// The save file "save.dat": a 40-byte header that names the file and the
// variable set it was written for, then three slot records, each with the
// CRC-32 of its data. All integers are little-endian, so the records are the
// file's bytes on the machines we run on.
static_assert(std::endian::native == std::endian::little);

constexpr int NB_SLOT = 3;
constexpr int INVALID_SLOT = -1;

constexpr char SAVE_FILE_MAGIC[8] = {'q', 'a', 'r', 'v', 'u', 't', 'e', 'l'};
constexpr uint32_t SAVE_FILE_VERSION = 11;

struct SaveFileHeader {
    char m_aMagic[8];
    uint32_t m_uVersion;
    uint16_t m_uIntCount;
    uint16_t m_uBoolCount;
    // Ties the file to the names, order and count of the game variables.
    uint32_t m_uSignature;
    int32_t m_iGameLanguage;
    int32_t m_iVoiceLanguage;
    uint32_t m_uReserved1;
    // CRC-32 of the 32 bytes above.
    uint32_t m_uCrc;
    uint32_t m_uReserved2;
};

struct SaveSlotRecord {
    SaveSlotData m_oData;
    // CRC-32 of the 1200 data bytes.
    uint32_t m_uCrc;
    uint32_t m_uReserved;
};

struct SaveFileImage {
    SaveFileHeader m_oHeader;
    SaveSlotRecord m_aSlots[NB_SLOT];
};

constexpr uint32_t SAVE_HEADER_CRC_SPAN = offsetof(SaveFileHeader, m_uCrc);
constexpr uint32_t SAVE_SLOTS_OFFSET = offsetof(SaveFileImage, m_aSlots);
constexpr uint32_t SAVE_SLOT_STRIDE = sizeof(SaveSlotRecord);
constexpr uint32_t SAVE_SLOT_CRC_OFFSET = offsetof(SaveSlotRecord, m_uCrc);
constexpr uint32_t SAVE_FILE_SIZE = sizeof(SaveFileImage);
// The save area that the layout log shows ends here; the file ends earlier.
constexpr uint32_t SAVE_AREA_END = 0x2000;

static_assert(sizeof(SaveFileHeader) == 0x28);
static_assert(SAVE_HEADER_CRC_SPAN == 0x20);
static_assert(offsetof(SaveFileHeader, m_uSignature) == 0x10);
static_assert(offsetof(SaveFileHeader, m_iGameLanguage) == 0x14);
static_assert(SAVE_SLOTS_OFFSET == 0x28);
static_assert(SAVE_SLOT_STRIDE == 0x4B8);
static_assert(SAVE_SLOT_CRC_OFFSET == 0x4B0);
static_assert(SAVE_FILE_SIZE == 3664);

constexpr uint32_t SaveSlotOffset(int slot)
{
    return SAVE_SLOTS_OFFSET + static_cast<uint32_t>(slot) * SAVE_SLOT_STRIDE;
}

namespace SaveFile {

// One CRC-32 run over the names of the integer variables and then of the
// boolean variables, in id order, without terminators.
uint32_t ComputeSignature(std::span<const char* const> intNames, std::span<const char* const> boolNames);
// The signature of this build's variables.
uint32_t ComputeVarNameSignature();

// A header for the languages, with its CRC.
SaveFileHeader MakeHeader(uint32_t signature, int32_t gameLanguage, int32_t voiceLanguage);
// Why a header is refused, or null when it is sound.
const char* CheckHeader(const SaveFileHeader& header, uint32_t signature);

uint32_t ComputeSlotCrc(const SaveSlotData& data);

} // namespace SaveFile
