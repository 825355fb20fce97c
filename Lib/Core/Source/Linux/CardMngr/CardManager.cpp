#include "CardMngr/CardManager.h"

#include "Error/EngineAssert.h"
#include "File/CoreFile.h"
#include "Log/CoreLog.h"
#include "Nubra/Common/Memory/NubraMemory.h"
#include "System/Clock.h"
#include "System/DataFile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

CardManager* CardManager::m_pSingleton = nullptr;

namespace {

constexpr size_t IMAGE_ALIGNMENT = 64;

// Whether anything stands at the save file's path, readable or not.
bool SaveFileExists()
{
    std::error_code error;
    const auto status = std::filesystem::symlink_status(Platform::ResolveDataPath(CardManager::SAVE_FILE_NAME), error);
    return std::filesystem::exists(status);
}

} // namespace

CardManager::~CardManager()
{
    Nubra::Memory::Free(m_pData);
}

CardManager* CardManager::CreateSingleton(uint32_t size)
{
    if (m_pSingleton)
        return m_pSingleton;
    m_pSingleton = new CardManager();
    m_pSingleton->m_iDataSize = size;
    m_pSingleton->m_pData = static_cast<uint8_t*>(Nubra::Memory::Malloc(size, IMAGE_ALIGNMENT));
    // Without an image the manager stays in error and never opens a bracket.
    if (m_pSingleton->m_pData)
        m_pSingleton->m_iSystemStatus = I_CARD_STATUS_NO_FILE;
    return m_pSingleton;
}

void CardManager::DestroySingleton()
{
    delete m_pSingleton;
    m_pSingleton = nullptr;
}

void CardManager::UpdateStatus()
{
    m_iLastResult = I_CARD_RESULT_DONE;
    m_bDataValid = false;
    if (!m_pData)
        return;
    std::memset(m_pData, 0, m_iDataSize);
    if (!OpenRead()) {
        // Something that exists but cannot be opened is left alone: creating
        // a fresh file over it would lose a save the player may still recover.
        if (SaveFileExists()) {
            m_iSystemStatus = I_CARD_STATUS_ERROR;
            m_iLastResult = I_CARD_RESULT_FILE_ERROR;
        } else {
            m_iSystemStatus = I_CARD_STATUS_NO_FILE;
        }
        return;
    }
    const uint32_t result = ReadFile(m_pData, m_iDataSize);
    if (result == I_CARD_RESULT_DONE) {
        m_bDataValid = true;
        m_iSystemStatus = I_CARD_STATUS_READY;
    } else {
        m_iSystemStatus = I_CARD_STATUS_ERROR;
    }
    m_iLastResult = result;
}

void CardManager::CreateDataFiles()
{
    ENGINE_ASSERT(m_iSystemStatus != I_CARD_STATUS_READY);
    m_iLastResult = I_CARD_RESULT_DONE;
    if (!m_pData)
        return;
    // A new file holds the current image: all zeros after a failed probe.
    const uint32_t result = WriteFile(m_pData);
    if (result == I_CARD_RESULT_DONE) {
        m_bDataValid = true;
        m_iSystemStatus = I_CARD_STATUS_READY;
    } else {
        m_iSystemStatus = I_CARD_STATUS_ERROR;
    }
    m_iLastResult = result;
}

void CardManager::BeginAccess()
{
    m_iAccessStartTime = Platform::GetClock().WallClockMilliseconds();
    CorePrint(&g_oCoreLog, "[CardManager] StartAccess\n");
    ENGINE_ASSERT(!m_bAccessEnabled);
    // A nested bracket would drop the write that the open one still owes.
    if (m_bAccessEnabled)
        return;
    if (m_iSystemStatus == I_CARD_STATUS_READY) {
        m_bWritePending = false;
        m_bAccessEnabled = true;
    }
}

uint32_t CardManager::EndAccess()
{
    if (m_iSystemStatus != I_CARD_STATUS_READY || !m_bAccessEnabled)
        return I_CARD_RESULT_NO_ACCESS;
    m_iLastResult = I_CARD_RESULT_DONE;
    if (m_bWritePending) {
        m_iLastResult = WriteFile(m_pData);
        m_bWritePending = false;
        CorePrint(&g_oCoreLog, "[CardManager] Writing file result=%d\n", static_cast<int>(m_iLastResult));
    }
    const int32_t now = Platform::GetClock().WallClockMilliseconds();
    const uint32_t elapsed = static_cast<uint32_t>(now) - static_cast<uint32_t>(m_iAccessStartTime);
    CorePrint(&g_oCoreLog, "[CardManager] EndAccess : Time = %llu ms\n", static_cast<unsigned long long>(elapsed));
    m_bAccessEnabled = false;
    return m_iLastResult;
}

uint32_t CardManager::WriteData(uint32_t offset, const void* pSource, uint32_t size)
{
    if (!m_bAccessEnabled)
        return I_CARD_RESULT_NO_ACCESS;
    ENGINE_ASSERT(offset <= m_iDataSize && size <= m_iDataSize - offset);
    if (offset > m_iDataSize || size > m_iDataSize - offset)
        return I_CARD_RESULT_OUT_OF_IMAGE;
    m_bWritePending = m_bDataValid;
    CorePrint(&g_oCoreLog, "[CardManager] Write data @ %d:%d\n", static_cast<int>(offset), static_cast<int>(size));
    std::memcpy(m_pData + offset, pSource, size);
    return I_CARD_RESULT_DONE;
}

bool CardManager::OpenRead()
{
    FILE* file = nullptr;
    if (!CoreFile::Open(&file, SAVE_FILE_NAME, false, false))
        return false;
    std::fclose(file);
    return true;
}

uint32_t CardManager::ReadFile(uint8_t* pBuffer, uint32_t size)
{
    FILE* file = nullptr;
    if (!CoreFile::Open(&file, SAVE_FILE_NAME, false, false))
        return I_CARD_RESULT_FILE_ERROR;
    // A short file leaves the rest of the image zero; nothing at all (an empty
    // file, a folder) or a read error is a file that cannot be used.
    const size_t read = std::fread(pBuffer, 1, size, file);
    const bool failed = read == 0 || std::ferror(file);
    std::fclose(file);
    if (failed) {
        CoreFile::ReportReadError(SAVE_FILE_NAME);
        return I_CARD_RESULT_FILE_ERROR;
    }
    return I_CARD_RESULT_DONE;
}

uint32_t CardManager::WriteFile(const uint8_t* pBuffer)
{
    return CoreFile::ReplaceWhole(SAVE_FILE_NAME, pBuffer, m_iDataSize) ? I_CARD_RESULT_DONE : I_CARD_RESULT_FILE_ERROR;
}
