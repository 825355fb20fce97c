#include "Managers/Common/SaveFileLayout.h"

#include "Hash/CoreCrc32.h"

#include <array>
#include <cstring>

namespace SaveFile {

uint32_t ComputeSignature(std::span<const char* const> intNames, std::span<const char* const> boolNames)
{
    CoreCrc32::Init();
    for (const char* name : intNames)
        CoreCrc32::Update(static_cast<uint32_t>(std::strlen(name)), name);
    for (const char* name : boolNames)
        CoreCrc32::Update(static_cast<uint32_t>(std::strlen(name)), name);
    return ~CoreCrc32::Running();
}

uint32_t ComputeVarNameSignature()
{
    std::array<const char*, VARINT_LAST> intNames {};
    for (int id = 0; id < VARINT_LAST; ++id)
        intNames[id] = Id::GetVarIntName(id);
    std::array<const char*, VARBOOL_LAST> boolNames {};
    for (int id = 0; id < VARBOOL_LAST; ++id)
        boolNames[id] = Id::GetVarBoolName(id);
    return ComputeSignature(intNames, boolNames);
}

SaveFileHeader MakeHeader(uint32_t signature, int32_t gameLanguage, int32_t voiceLanguage)
{
    SaveFileHeader header {};
    std::memcpy(header.m_aMagic, SAVE_FILE_MAGIC, sizeof header.m_aMagic);
    header.m_uVersion = SAVE_FILE_VERSION;
    header.m_uIntCount = VARINT_LAST;
    header.m_uBoolCount = VARBOOL_LAST;
    header.m_uSignature = signature;
    header.m_iGameLanguage = gameLanguage;
    header.m_iVoiceLanguage = voiceLanguage;
    header.m_uCrc = CoreCrc32::HashBlock(&header, SAVE_HEADER_CRC_SPAN);
    return header;
}

const char* CheckHeader(const SaveFileHeader& header, uint32_t signature)
{
    if (CoreCrc32::HashBlock(&header, SAVE_HEADER_CRC_SPAN) != header.m_uCrc)
        return "its header's CRC is wrong";
    if (std::memcmp(header.m_aMagic, SAVE_FILE_MAGIC, sizeof header.m_aMagic) != 0)
        return "it is not a save file";
    if (header.m_uVersion != SAVE_FILE_VERSION)
        return "its version is not this game's";
    if (header.m_uIntCount != VARINT_LAST || header.m_uBoolCount != VARBOOL_LAST)
        return "its variable counts differ from this game's";
    if (header.m_uSignature != signature)
        return "its variable names differ from this game's";
    return nullptr;
}

uint32_t ComputeSlotCrc(const SaveSlotData& data)
{
    return CoreCrc32::HashBlock(&data, sizeof data);
}

} // namespace SaveFile
