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
#include <string>
#include <unistd.h>

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

// Logs why the save file is not used; the file itself is left as it is.
void RefuseSaveFile(const std::string& reason)
{
    CorePrint(&g_oCoreLog, "Save file \"%s\" refused: %s\n", CardManager::SAVE_FILE_NAME, reason.c_str());
}

// Whether what stands at the save file's path may be read as a save: a named
// pipe or a device would block or never end, and a file larger than the
// image was not written by the game. Nothing there at all passes (the open
// that follows tells a missing file).
bool SaveFileIsReadable(uint32_t imageSize)
{
    std::error_code error;
    const std::filesystem::path path = Platform::ResolveDataPath(CardManager::SAVE_FILE_NAME);
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return true;
    if (!std::filesystem::is_regular_file(status)) {
        RefuseSaveFile("it is not a regular file");
        return false;
    }
    if (std::filesystem::file_size(path, error) > imageSize) {
        RefuseSaveFile("larger than the " + std::to_string(imageSize) + " bytes of a save");
        return false;
    }
    return true;
}

// Whether the save file is a file with nothing in it, so no save to lose.
bool SaveFileIsEmpty()
{
    std::error_code error;
    const std::filesystem::path path = Platform::ResolveDataPath(CardManager::SAVE_FILE_NAME);
    return std::filesystem::is_regular_file(path, error) && std::filesystem::file_size(path, error) == 0;
}

// Whether the player made the save file, or the file its link leads to,
// read-only: a save then must not replace it (the rename would, since it
// needs only the folder's permission).
bool SaveFileIsReadOnly()
{
    std::error_code error;
    const std::filesystem::path path = Platform::ResolveDataPath(CardManager::SAVE_FILE_NAME);
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::is_regular_file(status))
        return false;
    const bool noWriteBit =
        (status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
    return noWriteBit || access(path.c_str(), W_OK) != 0;
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
    if (!SaveFileIsReadable(m_iDataSize)) {
        m_iSystemStatus = I_CARD_STATUS_ERROR;
        m_iLastResult = I_CARD_RESULT_FILE_ERROR;
        return;
    }
    if (SaveFileIsEmpty()) {
        // The check at start then makes a fresh file over it, as for no file.
        CorePrint(&g_oCoreLog, "Save file \"%s\" is empty: it holds no save and is made anew\n", SAVE_FILE_NAME);
        m_iSystemStatus = I_CARD_STATUS_NO_FILE;
        return;
    }
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
    // A short file leaves the rest of the image zero. The probe before turns
    // away a folder and an empty file, so nothing read here means a read
    // error or a file emptied since the probe: a file that cannot be used.
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
    if (SaveFileIsReadOnly()) {
        RefuseSaveFile("it is read-only and is not replaced");
        return I_CARD_RESULT_FILE_ERROR;
    }
    return CoreFile::ReplaceWhole(SAVE_FILE_NAME, pBuffer, m_iDataSize) ? I_CARD_RESULT_DONE : I_CARD_RESULT_FILE_ERROR;
}
