#include "Utils/Common/DkLocalizer.h"

#include "Error/EngineAssert.h"
#include "Bytes/LittleEndian.h"
#include "Log/CoreLog.h"
#include "Utils/Common/L10nTableFormat.h"

#include <cstdio>
#include <cstring>
#include <string>

DkLocalizer g_oDkLocalizer;

namespace {

bool Refuse(const char* name, const char* reason)
{
    CorePrint(&g_oCoreLog, "text table \"%s\" refused: %s\n", name ? name : "", reason);
    return false;
}

} // namespace

bool DkLocalizer::Initialize(DkLocalizerBank* pBuffer)
{
    ENGINE_ASSERT(pBuffer!=NULL);
    if (pBuffer == nullptr)
        return false;
    m_pBanks = pBuffer;
    m_iBankCount = BANK_COUNT;
    for (int32_t i = 0; i < m_iBankCount; ++i)
        m_pBanks[i] = DkLocalizerBank();
    return true;
}

void DkLocalizer::Release()
{
    if (m_pBanks)
        for (int32_t i = 0; i < m_iBankCount; ++i)
            m_pBanks[i] = DkLocalizerBank();
    m_pBanks = nullptr;
    m_iBankCount = 0;
}

int32_t DkLocalizer::AddBank(const char* name, uint8_t* table, uint32_t size)
{
    int32_t iFreeBank = -1;
    for (int32_t i = 0; i < m_iBankCount && iFreeBank == -1; ++i)
        if (m_pBanks[i].m_pTable == nullptr)
            iFreeBank = i;
    ENGINE_ASSERT(-1 != iFreeBank);
    if (iFreeBank == -1)
        return -1;
    return InsertBank(iFreeBank, name, table, size) ? iFreeBank : -1;
}

bool DkLocalizer::InsertBank(int32_t iFreeBank, const char* name, uint8_t* table, uint32_t size)
{
    ENGINE_ASSERT(iFreeBank>=0);
    if (iFreeBank < 0 || iFreeBank >= m_iBankCount)
        return false;
    DkLocalizerBank bank;
    if (!PrepareBank(name, table, size, bank))
        return false;
    m_pBanks[iFreeBank] = bank;
    return true;
}

bool DkLocalizer::PrepareBank(const char* name, uint8_t* table, uint32_t size, DkLocalizerBank& bank)
{
    bank = DkLocalizerBank();
    if (table == nullptr || size < L10N_HEADER_SIZE)
        return Refuse(name, "shorter than its header");
    if (!InitializeBank(table))
        return Refuse(name, "not a text table of a known version");
    // The layout is checked after the prepared mark is written: a damaged
    // table's entries may lie over the mark.
    return ResolveBank(name, table, size, bank);
}

void DkLocalizer::RemoveBank(int32_t iBank)
{
    ENGINE_ASSERT(iBank>=0);
    if (iBank < 0 || iBank >= m_iBankCount)
        return;
    m_pBanks[iBank] = DkLocalizerBank();
}

bool DkLocalizer::InitializeBank(uint8_t* table)
{
    if (ReadWord(table, L10N_PREPARED_OFFSET) != 0)
        return true;
    const bool bMagic = std::memcmp(table, L10N_MAGIC, L10N_MAGIC_SIZE) == 0;
    ENGINE_ASSERT(bMagic);
    if (!bMagic)
        return false;
    const uint16_t major = ReadHalfWord(table, L10N_MAJOR_OFFSET);
    const uint16_t minor = ReadHalfWord(table, L10N_MINOR_OFFSET);
    if (major != L10N_VERSION_MAJOR || minor != L10N_VERSION_MINOR) {
        CorePrint(&g_oCoreLog,
                  "DkLocalizer::Initialize -- Only version %i.%i of localization is supported (got %i.%i)!\n",
                  L10N_VERSION_MAJOR, L10N_VERSION_MINOR, major, minor);
        return false;
    }
    WriteWord(table, L10N_PREPARED_OFFSET, 1);
    return true;
}

bool DkLocalizer::ResolveBank(const char* name, uint8_t* table, uint32_t size, DkLocalizerBank& bank)
{
    if (table == nullptr || size < L10N_HEADER_SIZE)
        return Refuse(name, "shorter than its header");
    // Sums in 64 bits: no word of the file can overflow them.
    const uint32_t count = ReadWord(table, L10N_COUNT_OFFSET);
    const uint64_t entries = ReadWord(table, L10N_ENTRIES_OFFSET);
    const uint64_t pool = ReadWord(table, L10N_POOL_OFFSET);
    bank = DkLocalizerBank();
    bank.m_pTable = table;
    bank.m_sName = name;
    bank.m_uSize = size;
    if (count == 0)
        return true;
    if (entries + uint64_t(count) * L10N_ENTRY_SIZE > size)
        return Refuse(name, "its entries run past the end of the file");
    if (pool >= size)
        return Refuse(name, "its strings begin past the end of the file");
    // Strings run to the end of the file, so a last byte of 0 ends every one
    // of them inside it.
    if (table[size - 1] != 0)
        return Refuse(name, "its last string is not ended");
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t entry = entries + uint64_t(i) * L10N_ENTRY_SIZE;
        const uint64_t offset = ReadWord(table, entry + 4);
        char reason[64] = {};
        if (pool + offset >= size)
            std::snprintf(reason, sizeof reason, "entry %u: its string lies past the end of the file", i);
        // The search halves the table by id: out of order, it would miss
        // texts that are there.
        else if (i > 0 && ReadWord(table, entry) < ReadWord(table, entry - L10N_ENTRY_SIZE))
            std::snprintf(reason, sizeof reason, "entry %u: its id is out of order", i);
        if (reason[0] != 0)
            return Refuse(name, reason);
    }
    bank.m_uCount = count;
    bank.m_pEntries = table + entries;
    bank.m_pPool = reinterpret_cast<const char*>(table + pool);
    return true;
}

const char* DkLocalizer::GetText(uint32_t id) const
{
    for (int32_t b = 0; b < m_iBankCount; ++b) {
        const DkLocalizerBank& bank = m_pBanks[b];
        if (bank.m_pTable == nullptr || bank.m_uCount == 0)
            continue;
        const auto entryId = [&bank](uint32_t index) { return ReadWord(bank.m_pEntries, index * L10N_ENTRY_SIZE); };
        uint32_t lo = 0;
        uint32_t hi = bank.m_uCount;
        uint32_t mid = bank.m_uCount / 2;
        if (mid != 0) {
            do {
                if (entryId(mid) <= id)
                    lo = mid;
                else
                    hi = mid;
                mid = (lo + hi) / 2;
            } while (mid != lo);
        }
        if (entryId(mid) == id)
            return bank.m_pPool + ReadWord(bank.m_pEntries, mid * L10N_ENTRY_SIZE + 4);
    }
    // A damaged table loses its texts here: the line after the id names
    // the tables that were searched.
    std::string searched;
    for (int32_t b = 0; b < m_iBankCount; ++b) {
        if (m_pBanks[b].m_pTable != nullptr)
            searched += std::string(searched.empty() ? "" : ", ") + (m_pBanks[b].m_sName ? m_pBanks[b].m_sName : "?");
    }
    static char s_sInvalidText[256];
    ENGINE_ASSERT_MSG(false, "Invalid Textid %d\nnot in %s\n", int32_t(id),
                      searched.empty() ? "any text table: none is loaded" : searched.c_str());
    std::snprintf(s_sInvalidText, sizeof s_sInvalidText, "!! INVALID TEXTID %d !!", int32_t(id));
    return s_sInvalidText;
}
