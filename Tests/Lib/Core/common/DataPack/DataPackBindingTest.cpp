#include "DataPack/DataPackFormat.h"
#include "DataPack/DkDataPackBinding.h"
#include "Support/HandMadePack.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TestSupport::HandMadePack;

struct BindResult {
    bool bound;
    std::string log;
};

BindResult Bind(DataPack& pack, std::vector<uint8_t>& bytes, size_t size)
{
    TestSupport::LogCapture capture;
    const bool bound = DkDataPackBinding::BindPack(pack, bytes.data(), size, "test.dr");
    return {bound, capture.Take()};
}

BindResult Bind(DataPack& pack, std::vector<uint8_t>& bytes)
{
    return Bind(pack, bytes, bytes.size());
}

bool IsZero(const DataPack& pack)
{
    return pack.m_pTocStart == nullptr && pack.m_iTocSize == 0 && pack.m_pDataStart == nullptr &&
           pack.m_iHeaderWord2 == 0 && pack.m_pEntries == nullptr && pack.m_iEntryCount == 0 && pack.m_bBound == 0 &&
           pack.m_iRegionStart == 0 && pack.m_iRegionEnd == 0 && pack.m_iSpare0 == 0 && pack.m_iSpare1 == 0 &&
           pack.m_iBindIndex == 0 && pack.m_vEntryNames.empty();
}

uint32_t Flags(const std::vector<uint8_t>& bytes, uint32_t entry)
{
    return HandMadePack::Get(bytes, HandMadePack::EntryOffset(entry) + 20);
}

TEST(DataPackBindingTest, BindingTableHasFiveRowsInOrder)
{
    const uint32_t kinds[] = {DATAPACK_TEXTURE, DATAPACK_XMESH, DATAPACK_EDGM, DATAPACK_EDGA, DATAPACK_ATR3};
    for (uint32_t kind : kinds) {
        const DkDataPackBinding::Binding* binding = DkDataPackBinding::FindBinding(kind);
        ASSERT_NE(binding, nullptr);
        EXPECT_EQ(binding->m_iKind, kind);
    }
    EXPECT_EQ(DATAPACK_TEXTURE, 0x54583244u);
    EXPECT_EQ(DkDataPackBinding::FindBinding(DATAPACK_TEXTURE)->m_pfnRegister, &DkDataPackBinding::RegisterTexture);
    EXPECT_EQ(DkDataPackBinding::FindBinding(DATAPACK_XMESH)->m_pfnUnregister, &DkDataPackBinding::UnregisterXMesh);
    EXPECT_EQ(DkDataPackBinding::FindBinding(DATAPACK_EDGM)->m_pfnRegister, nullptr);
    EXPECT_EQ(DkDataPackBinding::FindBinding(DataPackCode("ABCD")), nullptr);
}

TEST(DataPackBindingTest, WrongMagicIsRefusedAndLeavesEverythingUntouched)
{
    HandMadePack made;
    made.Add(DATAPACK_EDGM, "edge");
    for (uint32_t magic : {0x32525044u, 0u, DATAPACK_MAGIC + 1}) {
        std::vector<uint8_t> bytes = made.Bytes();
        HandMadePack::Put(bytes, 0, magic);
        const std::vector<uint8_t> before = bytes;
        DataPack pack;
        const BindResult result = Bind(pack, bytes);
        EXPECT_FALSE(result.bound);
        EXPECT_EQ(bytes, before);
        EXPECT_TRUE(IsZero(pack));
        EXPECT_EQ(result.log, "data pack \"test.dr\" refused: not a DPR2 data pack\n");
    }
    // The magic is the bytes 0x32 0x52 0x50 0x44 in file order.
    const std::vector<uint8_t> bytes = made.Bytes();
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4), (std::vector<uint8_t> {0x32, 0x52, 0x50, 0x44}));
}

TEST(DataPackBindingTest, EmptyPackBindsAndUnbinds)
{
    std::vector<uint8_t> bytes = HandMadePack().Bytes();
    DataPack pack;
    const BindResult result = Bind(pack, bytes);
    EXPECT_TRUE(result.bound);
    EXPECT_EQ(result.log, "");
    EXPECT_EQ(pack.m_bBound, 1);
    EXPECT_EQ(pack.m_iEntryCount, 0u);
    EXPECT_EQ(pack.m_pTocStart, bytes.data() + 2048);
    EXPECT_EQ(pack.m_pEntries, bytes.data() + 2052);
    DkDataPackBinding::UnbindPack(pack);
    EXPECT_TRUE(IsZero(pack));
}

TEST(DataPackBindingTest, EntriesWithoutLoadersArePreparedRegisteredAndUnregistered)
{
    HandMadePack made;
    made.Add(DATAPACK_EDGM, "edges");
    made.Add(DATAPACK_EDGA, "edge_anim", {9, 8, 7});
    made.Add(DATAPACK_ATR3, "attributes");
    std::vector<uint8_t> bytes = made.Bytes();
    const std::vector<uint8_t> before = bytes;
    DataPack pack;
    ASSERT_TRUE(Bind(pack, bytes).bound);

    EXPECT_EQ(pack.m_iTocSize, HandMadePack::Get(bytes, 4));
    EXPECT_EQ(pack.m_iHeaderWord2, 0x600Du);
    EXPECT_EQ(pack.m_iRegionStart, HandMadePack::Get(bytes, 12) + 2048);
    EXPECT_EQ(pack.m_iRegionEnd, pack.m_iRegionStart + HandMadePack::Get(bytes, 16));
    EXPECT_EQ(pack.m_iBindIndex, 3u);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(pack.m_pDataStart) % 128, 0u);
    EXPECT_GE(pack.m_pDataStart, pack.m_pTocStart + pack.m_iTocSize);
    EXPECT_STREQ(pack.EntryName(0), "edges");
    EXPECT_STREQ(pack.EntryName(1), "edge_anim");
    EXPECT_STREQ(pack.EntryName(2), "attributes");
    EXPECT_EQ(pack.EntryDataSize(1), 3u);
    EXPECT_EQ(pack.EntryData(1)[0], 9);
    EXPECT_EQ(DkDataPackBinding::GetResourceCount(pack, DATAPACK_EDGA), 1u);
    EXPECT_EQ(DkDataPackBinding::GetResourceCount(pack, DATAPACK_XMESH), 0u);
    EXPECT_EQ(pack.GetResourceCount(DATAPACK_ATR3), 1u);
    for (uint32_t i = 0; i < 3; ++i)
        EXPECT_EQ(Flags(bytes, i), DATAPACK_FLAG_REGISTERED | DATAPACK_FLAG_PREPARED);

    DkDataPackBinding::UnbindPack(pack);
    EXPECT_TRUE(IsZero(pack));
    for (uint32_t i = 0; i < 3; ++i)
        EXPECT_EQ(Flags(bytes, i), DATAPACK_FLAG_PREPARED);
    // The file layout is kept: only the flag words changed.
    for (uint32_t i = 0; i < 3; ++i)
        HandMadePack::Put(bytes, HandMadePack::EntryOffset(i) + 20, 0);
    EXPECT_EQ(bytes, before);
}

TEST(DataPackBindingTest, EntryMarkedRegisteredIsRefusedButPreparedBitsMayStay)
{
    HandMadePack made;
    made.Add(DATAPACK_EDGM, "first");
    made.Add(DATAPACK_EDGA, "second");
    std::vector<uint8_t> bytes = made.Bytes();
    HandMadePack::Put(bytes, HandMadePack::EntryOffset(1) + 20, DATAPACK_FLAG_REGISTERED);
    const std::vector<uint8_t> before = bytes;
    DataPack pack;
    BindResult result = Bind(pack, bytes);
    EXPECT_FALSE(result.bound);
    EXPECT_EQ(bytes, before);
    EXPECT_TRUE(IsZero(pack));
    EXPECT_EQ(result.log, "data pack \"test.dr\" refused: entry 1: it is marked registered already\n");

    // A buffer bound twice at once would be unregistered twice.
    bytes = made.Bytes();
    ASSERT_TRUE(Bind(pack, bytes).bound);
    DataPack again;
    EXPECT_FALSE(Bind(again, bytes).bound);
    EXPECT_TRUE(IsZero(again));

    // Once unbound, only the prepared bits are left and the buffer binds again.
    DkDataPackBinding::UnbindPack(pack);
    result = Bind(pack, bytes);
    EXPECT_TRUE(result.bound) << result.log;
    EXPECT_EQ(Flags(bytes, 1), DATAPACK_FLAG_REGISTERED | DATAPACK_FLAG_PREPARED);
    DkDataPackBinding::UnbindPack(pack);
}

TEST(DataPackBindingTest, UnknownKindIsSkippedWithAWarning)
{
    HandMadePack made;
    made.Add(DataPackCode("ZZZZ"), "mystery");
    made.Add(DATAPACK_EDGM, "edges");
    std::vector<uint8_t> bytes = made.Bytes();
    DataPack pack;
    const BindResult result = Bind(pack, bytes);
    EXPECT_TRUE(result.bound);
    EXPECT_EQ(result.log, "WARNING: data pack \"test.dr\": entry \"mystery\" of unknown kind 0x5A5A5A5A skipped\n");
    EXPECT_EQ(Flags(bytes, 0), 0u);
    EXPECT_EQ(Flags(bytes, 1), DATAPACK_FLAG_REGISTERED | DATAPACK_FLAG_PREPARED);
    EXPECT_EQ(pack.m_iBindIndex, 2u);
    DkDataPackBinding::UnbindPack(pack);
    EXPECT_EQ(Flags(bytes, 0), 0u);
}

TEST(DataPackBindingTest, EveryTruncationIsRefused)
{
    HandMadePack made;
    made.Add(DATAPACK_EDGM, "first", std::vector<uint8_t>(300, 5));
    made.Add(DATAPACK_ATR3, "second", std::vector<uint8_t>(10, 6));
    const std::vector<uint8_t> whole = made.Bytes();
    for (size_t size = 0; size < whole.size(); ++size) {
        // Only `size` bytes are handed over, in a buffer of exactly that size.
        std::vector<uint8_t> bytes(whole.begin(), whole.begin() + long(size));
        const std::vector<uint8_t> before = bytes;
        DataPack pack;
        const BindResult result = Bind(pack, bytes, size);
        ASSERT_FALSE(result.bound) << size;
        EXPECT_EQ(bytes, before) << size;
        EXPECT_EQ(result.log.rfind("data pack \"test.dr\" refused: ", 0), 0u) << size;
    }
}

TEST(DataPackBindingTest, OutOfRangeOffsetsAndSizesAreRefused)
{
    HandMadePack made;
    made.Add(DATAPACK_EDGM, "first");
    made.Add(DATAPACK_EDGA, "second");
    const std::vector<uint8_t> good = made.Bytes();
    const uint32_t tocSize = HandMadePack::Get(good, 4);
    const uint32_t second = HandMadePack::EntryOffset(1);
    const uint32_t dataEnd = uint32_t(good.size()) - 2048;
    struct Case {
        const char* what;
        size_t offset;
        uint32_t value;
        const char* reason;
    };
    const Case cases[] = {
        {"toc past the end", 4, uint32_t(good.size()), "table of contents runs past the end"},
        {"toc size huge", 4, 0xFFFFFFFF, "table of contents runs past the end"},
        {"entry count huge", 2048, 0xFFFFFFFF, "entries run past its table of contents"},
        {"entry count one more", 2048, 3, "entries run past its table of contents"},
        {"name in the entry table", second + 24, 8, "entry 1: its name lies outside"},
        {"name past the table", second + 24, tocSize, "entry 1: its name lies outside"},
        {"name offset huge", second + 24, 0xFFFFFFF0, "entry 1: its name lies outside"},
        {"data in the table", second + 4, 0, "entry 1: its data lies outside"},
        {"data past the end", second + 4, dataEnd - 3, "entry 1: its data lies outside"},
        {"data offset huge", second + 4, 0xFFFFFFFF, "entry 1: its data lies outside"},
        {"data size huge", second + 8, 0xFFFFFFFF, "entry 1: its data lies outside"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = good;
        HandMadePack::Put(bytes, c.offset, c.value);
        const std::vector<uint8_t> before = bytes;
        DataPack pack;
        const BindResult result = Bind(pack, bytes);
        EXPECT_FALSE(result.bound) << c.what;
        EXPECT_EQ(bytes, before) << c.what;
        EXPECT_TRUE(IsZero(pack)) << c.what;
        EXPECT_NE(result.log.find(c.reason), std::string::npos) << c.what << ": " << result.log;
    }

    // A name whose terminator lies past the table of contents.
    std::vector<uint8_t> bytes = good;
    const uint32_t lastNameEnd = 2048 + tocSize - 1;
    ASSERT_EQ(bytes[lastNameEnd], 0);
    bytes[lastNameEnd] = 'x';
    DataPack pack;
    const BindResult result = Bind(pack, bytes);
    EXPECT_FALSE(result.bound);
    EXPECT_NE(result.log.find("entry 1: its name is not ended"), std::string::npos) << result.log;
}

} // namespace
