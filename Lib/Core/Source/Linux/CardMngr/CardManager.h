#pragma once
#include <cstdint>

// States of the save area.
constexpr uint32_t I_CARD_STATUS_READY = 0;   // the file was read or created; the image is valid
constexpr uint32_t I_CARD_STATUS_NO_FILE = 1; // no file yet
constexpr uint32_t I_CARD_STATUS_ERROR = 2;   // the file exists but could not be read, or could not be created

// Results of the file operations.
constexpr uint32_t I_CARD_RESULT_DONE = 0;
constexpr uint32_t I_CARD_RESULT_NO_ACCESS = 3;    // no access bracket is open
constexpr uint32_t I_CARD_RESULT_FILE_ERROR = 4;   // the file could not be opened, read or written
constexpr uint32_t I_CARD_RESULT_OUT_OF_IMAGE = 5; // a write would reach past the image

// The game's one save area: an image in memory of the file "save.dat". The
// file is read whole once, when start-up probes it; afterwards saves write
// into the image inside an access bracket, and the end of the bracket writes
// the whole image back to the file. Readers read the image, not the disk. A
// file the player made read-only is never replaced: the write fails. A link
// stays a link: the file it leads to is written.
class CardManager {
public:
    static constexpr const char* SAVE_FILE_NAME = "save.dat";

    virtual ~CardManager();

    // Makes the manager with an image of size bytes (status 1), or returns
    // the one that exists unchanged.
    static CardManager* CreateSingleton(uint32_t size);
    static void DestroySingleton();
    static CardManager* GetInstance() { return m_pSingleton; }

    // Reads the file into the cleared image. A missing or empty file gives
    // status 1; a file that exists but cannot be read, is no regular file or
    // is larger than the image gives status 2 and is never overwritten by the
    // status-1 creation.
    void UpdateStatus();
    // Writes the image as a new file; status 0 when that worked, else 2.
    void CreateDataFiles();

    // The access bracket around a save or a load: it opens only while the
    // status is 0, and its end writes the image to the file when something
    // was written into it. EndAccess returns the result of that write (3
    // when no bracket was open); the image keeps what was written either way.
    void BeginAccess();
    uint32_t EndAccess();
    // Copies size bytes into the image at offset: 3 outside a bracket, 5 when
    // the bytes would not fit the image.
    uint32_t WriteData(uint32_t offset, const void* pSource, uint32_t size);

    bool IsAccessEnabled() const { return m_bAccessEnabled; }
    uint32_t GetStatus() const { return m_iSystemStatus; }
    uint32_t GetLastResult() const { return m_iLastResult; }
    uint32_t GetDataSize() const { return m_iDataSize; }
    // The image; readers copy from it inside a bracket.
    const uint8_t* GetData() const { return m_pData; }

private:
    CardManager() = default;

    bool OpenRead();
    uint32_t ReadFile(uint8_t* pBuffer, uint32_t size);
    uint32_t WriteFile(const uint8_t* pBuffer);

    bool m_bDataValid = false;
    bool m_bAccessEnabled = false;
    bool m_bWritePending = false;
    uint32_t m_iDataSize = 0;
    uint8_t* m_pData = nullptr;
    int64_t m_iAccessStartTime = 0;
    uint32_t m_iSystemStatus = I_CARD_STATUS_ERROR;
    uint32_t m_iLastResult = I_CARD_RESULT_DONE;

    static CardManager* m_pSingleton;
};
