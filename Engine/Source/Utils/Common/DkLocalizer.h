#pragma once
#include <cstdint>

// One bank of the localiser: a text table kept in its caller's buffer, and
// where its entries and strings lie in it. The table keeps its file layout;
// its two offsets are resolved here, beside it.
struct DkLocalizerBank {
    uint8_t* m_pTable = nullptr;   // null when the bank is free
    const char* m_sName = nullptr; // the table's file, the caller's string
    uint32_t m_uSize = 0;
    uint32_t m_uCount = 0;
    const uint8_t* m_pEntries = nullptr;
    const char* m_pPool = nullptr;
};

// Looks up the UTF-8 text of a text id in up to eight banks of text tables.
// The tables belong to their callers; a lower bank shadows a higher one.
class DkLocalizer {
public:
    static constexpr int32_t BANK_COUNT = 8;

    virtual ~DkLocalizer() = default;

    // Uses the caller's array of BANK_COUNT banks, all made free. False for a
    // null array.
    bool Initialize(DkLocalizerBank* pBuffer);
    // Forgets the bank array; the caller frees it.
    void Release();

    // Puts the table into the first free bank: its index, or -1 when every
    // bank is used or the table is refused.
    int32_t AddBank(const char* name, uint8_t* table, uint32_t size);
    // Puts the table into that bank; false (the bank left as it was) when the
    // table is refused.
    bool InsertBank(int32_t index, const char* name, uint8_t* table, uint32_t size);
    // Frees the bank; the table's memory stays with its caller.
    void RemoveBank(int32_t index);

    // Checks a table's magic and version and marks it prepared; a table
    // prepared already is left alone. The table must have a whole header.
    static bool InitializeBank(uint8_t* table);
    // Whether the table's offsets, counts and strings lie inside its size;
    // when they do, fills the bank's view of it. A fault is logged with the
    // table's name.
    static bool ResolveBank(const char* name, uint8_t* table, uint32_t size, DkLocalizerBank& bank);
    // Checks a table against its size every time (the prepared mark comes
    // from the file too), then prepares it once: the bank's view of it, or
    // false after a line naming the table.
    static bool PrepareBank(const char* name, uint8_t* table, uint32_t size, DkLocalizerBank& bank);

    // The text of the id from the first bank that holds it, or a placeholder
    // naming the id (in one static buffer that the next miss overwrites),
    // after an assert that names the id and the tables searched. Never null.
    const char* GetText(uint32_t id) const;

    const DkLocalizerBank* GetBanks() const { return m_pBanks; }

private:
    DkLocalizerBank* m_pBanks = nullptr;
    int32_t m_iBankCount = 0;
};

// The game's one localiser.
extern DkLocalizer g_oDkLocalizer;
