// Every id table is sorted as its search needs, every name hashes to its
// stored id, and no two names of a table collide.
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/AttachmentIds.h"
#include "Common/IdHash.h"
#include "Common/ItemIds.h"
#include "Common/SceneIds.h"
#include "Common/SoundIds.h"

#include "Hash/CoreCrc32.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

namespace {

template <typename Row, typename Key>
void ExpectStrictlyAscending(std::span<const Row> rows, Key (*key)(const Row&))
{
    for (size_t index = 1; index < rows.size(); ++index)
        EXPECT_LT(key(rows[index - 1]), key(rows[index])) << "row " << index;
}

std::string Lower(std::string text)
{
    for (char& character : text)
        character = static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
    return text;
}

TEST(IdTablesTest, Actors)
{
    const auto rows = Id::GetActorTable();
    EXPECT_EQ(rows.size(), 56u);
    ExpectStrictlyAscending<ActorIdRow, uint32_t>(rows, [](const ActorIdRow& row) { return row.m_uId; });
    for (const ActorIdRow& row : rows) {
        EXPECT_EQ(row.m_uId, CoreCrc32::HashString(row.m_pName) | 0x80000000u) << row.m_pName;
        EXPECT_EQ(Id::GetActorIndex(row.m_uId), &row - rows.data());
    }
}

TEST(IdTablesTest, AnimationsAreGroupedByActorAndSortedByName)
{
    const auto rows = Id::GetAnimationTable();
    const auto actors = Id::GetActorTable();
    std::set<int> ids;
    size_t total = 0;
    for (const ActorIdRow& actor : actors) {
        const auto list = Id::GetActorAnimations(actor.m_uId);
        total += list.size();
        for (size_t index = 0; index < list.size(); ++index) {
            EXPECT_STREQ(list[index].m_pActorName, actor.m_pName);
            if (index > 0) {
                EXPECT_LT(std::strcmp(list[index - 1].m_pName, list[index].m_pName), 0) << list[index].m_pName;
            }
        }
    }
    EXPECT_EQ(total, rows.size()) << "every row belongs to one actor's contiguous list";
    for (const AnimationRow& row : rows) {
        EXPECT_GT(row.m_iId, 0);
        EXPECT_LT(row.m_iId, MAX_ANIMATION);
        EXPECT_TRUE(ids.insert(row.m_iId).second) << row.m_iId;
        EXPECT_STREQ(Id::GetAnimationName(row.m_iId), row.m_pName);
    }
}

// Scenes play a hug's two halves by number; an id taken by another
// animation has the pair do something else.
TEST(IdTablesTest, TheHugsScenesPlayByNumberAreHugs)
{
    for (const int id : {233, 609, 911, 912, 978})
        EXPECT_TRUE(std::string_view(Id::GetAnimationName(id)).starts_with("hug")) << id;
}

TEST(IdTablesTest, Attachments)
{
    const auto rows = Id::GetAttachmentTable();
    ExpectStrictlyAscending<AttachmentIdRow, uint32_t>(rows, [](const AttachmentIdRow& row) { return row.m_uId; });
    for (const AttachmentIdRow& row : rows)
        EXPECT_EQ(row.m_uId, CoreCrc32::HashString(row.m_pName)) << row.m_pName;
}

TEST(IdTablesTest, ItemsAndTheirTexts)
{
    const auto rows = Id::GetItemTable();
    EXPECT_EQ(static_cast<int>(rows.size()), ITEM_LAST);
    ExpectStrictlyAscending<ItemIdRow, uint32_t>(rows, [](const ItemIdRow& row) { return row.m_uId; });
    for (const ItemIdRow& row : rows) {
        ASSERT_EQ(std::strncmp(row.m_pName, "ITEM_", 5), 0) << row.m_pName;
        EXPECT_EQ(row.m_uId, CoreCrc32::HashString(Lower(row.m_pName + 5).c_str()) | 0x80000000u) << row.m_pName;
        EXPECT_EQ(ItemIdOf(row.m_pName), row.m_uId) << row.m_pName;
    }
    const auto texts = Id::GetItemTextTable();
    EXPECT_EQ(texts.size(), rows.size());
    std::set<uint32_t> textIds;
    for (const ItemTextRow& text : texts) {
        const char* pName = Id::GetItemName(text.m_uId);
        ASSERT_NE(pName, nullptr);
        EXPECT_EQ(text.m_uNameTextId, CoreCrc32::HashString((std::string(pName) + "_NAME").c_str()));
        EXPECT_EQ(text.m_uDescriptionTextId, CoreCrc32::HashString((std::string(pName) + "_DESC").c_str()));
        EXPECT_TRUE(textIds.insert(text.m_uNameTextId).second);
        EXPECT_TRUE(textIds.insert(text.m_uDescriptionTextId).second);
    }
}

TEST(IdTablesTest, SoundsGroupsAndVariants)
{
    const auto sounds = Id::GetSoundTable();
    ExpectStrictlyAscending<SoundRow, int32_t>(sounds, [](const SoundRow& row) { return row.m_iSoundId; });
    for (const SoundRow& row : sounds)
        EXPECT_EQ(Id::FindSound(row.m_iSoundId), &row);

    const auto groups = Id::GetSoundGroupTable();
    ExpectStrictlyAscending<SoundGroupRow, uint32_t>(groups, [](const SoundGroupRow& row) { return row.m_uGroupId; });
    for (const SoundGroupRow& row : groups) {
        EXPECT_EQ(row.m_uGroupId & 0x80000000u, 0u);
        EXPECT_EQ(Id::FindSoundGroup(row.m_uGroupId), &row);
    }
    // A group named after its first bank carries the hash of that name.
    EXPECT_NE(Id::FindSoundGroup(CoreCrc32::HashString("common") & 0x7FFFFFFFu), nullptr);
    EXPECT_NE(Id::FindSoundGroup(0x65EC7051u), nullptr);

    ExpectStrictlyAscending<SoundVariantRow, uint32_t>(Id::GetSoundVariantTable(),
                                                       [](const SoundVariantRow& row) { return row.m_uKey; });
}

TEST(IdTablesTest, SceneRegistry)
{
    std::set<int> ids;
    std::set<std::string> names;
    int count = 0;
    for (const SceneDesc* const* ppDesc = Id::GetSceneRegistry(); *ppDesc != nullptr; ++ppDesc, ++count) {
        const SceneDesc& desc = **ppDesc;
        EXPECT_TRUE(ids.insert(desc.m_iId).second) << desc.m_iId;
        EXPECT_TRUE(names.insert(desc.m_pName).second) << desc.m_pName;
        EXPECT_GE(desc.m_iId, ID_SCENE_FIRST);
        EXPECT_LT(desc.m_iId, ID_SCENE_LAST);
        ASSERT_EQ(std::strncmp(desc.m_pName, "bg", 2), 0);
        for (int digit = 2; digit < 5; ++digit)
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(desc.m_pName[digit]))) << desc.m_pName;
        EXPECT_EQ(desc.m_iNbObjects > 0, desc.m_ppObjectNames != nullptr) << desc.m_pName;
        for (int set = 0; set < desc.m_iNbActorSets; ++set) {
            const ActorSetRecord& record = desc.m_pActorSets[set];
            int actors = 0;
            while (actors <= MAX_ACTORS_PER_SET && record.m_aActorIds[actors] != 0) {
                EXPECT_NE(Id::GetActorName(record.m_aActorIds[actors]), nullptr)
                    << desc.m_pName << " " << record.m_pName;
                ++actors;
            }
            EXPECT_GE(actors, 1) << desc.m_pName;
            EXPECT_LE(actors, MAX_ACTORS_PER_SET) << desc.m_pName;
        }
    }
    EXPECT_EQ(count, 63);
    EXPECT_EQ(*ids.begin(), 1);
    EXPECT_EQ(*ids.rbegin(), 63);
}

TEST(IdTablesTest, ScenePathsNameTheSceneFiles)
{
    for (const SceneDesc* const* ppDesc = Id::GetSceneRegistry(); *ppDesc != nullptr; ++ppDesc) {
        const SceneDesc& desc = **ppDesc;
        const std::string stem = std::string("scenes/") + desc.m_pName;
        EXPECT_EQ(Id::GetScenePath(desc.m_iId), stem + ".twscene.pc");
        EXPECT_EQ(Id::GetScene3DPath(desc.m_iId), stem + ".3dscene.o");
        EXPECT_EQ(Id::GetSceneDialogsPath(desc.m_iId), stem + ".dialogs.dat");
        EXPECT_EQ(Id::GetScenePackPath(desc.m_iId), stem + ".twscene.dr");
        EXPECT_EQ(Id::GetSceneTextPath(desc.m_iId, 2), "text/de-DETextBG" + std::string(desc.m_pName + 2, 3) + ".dat");
    }
}

} // namespace
