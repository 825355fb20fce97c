// Names in scripts resolve, while they are compiled, to the ids and indices
// that the running game's tables give them; a misspelt name, or one of
// another actor or scene, does not compile.
#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/AttachmentIds.h"
#include "Common/ItemIds.h"
#include "Common/NamedIds.h"
#include "Common/SceneIds.h"
#include "Common/SceneObjectNames.h"
#include "Common/SoundIds.h"

#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

namespace {

using LivingRoomObject = NamedObject<SceneTableRows::s_aObjects_bg101_9>;

// Whether a name compiles: the checked lookups fail while compiling, which a
// requires-expression sees as a substitution failure.
template <FixedName NAME>
concept KnownActor = requires
{
    typename std::integral_constant<uint32_t, NamedIds::CheckedActorId(NAME.View())>;
};
template <FixedName NAME>
concept KnownItem = requires
{
    typename std::integral_constant<uint32_t, ItemNamed(NAME.View())>;
};
template <FixedName NAME>
concept KnownAttachment = requires
{
    typename std::integral_constant<uint32_t, AttachmentNamed(NAME.View())>;
};
template <FixedName NAME>
concept KnownSoundGroup = requires
{
    typename std::integral_constant<int32_t, SoundGroupNamed(NAME.View())>;
};
template <FixedName ACTOR, FixedName NAME>
concept KnownAnimation = requires
{
    typename std::integral_constant<int32_t, AnimationOf<ACTOR>(NAME.m_aText).m_iId>;
};
template <FixedName NAME>
concept InLivingRoom = requires
{
    typename std::integral_constant<int32_t, LivingRoomObject(NAME.m_aText)>;
};

static_assert(KnownActor<"tavrine_kid">);
static_assert(!KnownActor<"tavrine_kidd">);
static_assert(KnownItem<"ITEM_WATER_JUG">);
static_assert(!KnownItem<"ITEM_WATER_JAG">);
static_assert(!KnownItem<"water_jug">, "an item is named as the item table writes it");
static_assert(KnownAttachment<"water_jug">);
static_assert(!KnownAttachment<"water_jugs">);
static_assert(KnownSoundGroup<"bg101_chapter_01">);
static_assert(!KnownSoundGroup<"bg101_chapter_1">);
static_assert(KnownAnimation<"tavrine_kid", "g_idle_l">);
static_assert(!KnownAnimation<"tavrine_kid", "g_idle">);
static_assert(!KnownAnimation<"tavrine_kid", "staggers">, "the heroine's animation is not the kid's");
static_assert(InLivingRoom<"peglegs">);
static_assert(!InLivingRoom<"peg_legs">);
static_assert(!InLivingRoom<"startmenu">, "an object of another scene");

// The same name on two actors is two animations.
static_assert(AnimationOf<"tavrine_kid">("g_idle_l").m_iId == 867);
static_assert(AnimationOf<"tavrine">("g_idle_l").m_iId == 486);
static_assert(AnimationOf<"tavrine">("g_idle_l").m_bLoop);
static_assert(!AnimationOf<"tavrine">("staggers").m_bLoop);
static_assert(LivingRoomObject("windows") == 0 && LivingRoomObject("peglegs") == 44);
static_assert(ActorNamed<"logic_dialog">::ACTOR_ID == ActorIdOf("logic_dialog"));
static_assert(static_cast<int32_t>(ActorNamed<"tavrine">()) < 0, "the scriptable id of an actor has its top bit");

TEST(NamedIdsTest, EveryNameOfTheTablesResolvesToTheIdTheGameLooksUp)
{
    for (const ActorIdRow& row : Id::GetActorTable()) {
        const int index = NamedIds::FindName(NamedIds::ACTORS, row.m_pName);
        ASSERT_GE(index, 0) << row.m_pName;
        EXPECT_EQ(NamedIds::ACTORS[index].m_uId, row.m_uId) << row.m_pName;
    }
    for (const ItemIdRow& row : Id::GetItemTable()) {
        const int index = NamedIds::FindName(NamedIds::ITEMS, row.m_pName);
        ASSERT_GE(index, 0) << row.m_pName;
        EXPECT_EQ(NamedIds::ITEMS[index].m_uId, row.m_uId) << row.m_pName;
    }
    for (const AttachmentIdRow& row : Id::GetAttachmentTable()) {
        const int index = NamedIds::FindName(NamedIds::ATTACHMENTS, row.m_pName);
        ASSERT_GE(index, 0) << row.m_pName;
        EXPECT_EQ(NamedIds::ATTACHMENTS[index].m_uId, row.m_uId) << row.m_pName;
    }
    for (const ActorIdRow& actor : Id::GetActorTable())
        for (const AnimationRow& row : Id::GetActorAnimations(actor.m_uId))
            EXPECT_EQ(NamedIds::FindAnimation(actor.m_pName, row.m_pName), Id::GetAnimationId(actor.m_uId, row.m_pName))
                << actor.m_pName << " " << row.m_pName;
    for (const SoundGroupRow& row : Id::GetSoundGroupTable())
        EXPECT_TRUE(NamedIds::HasSoundGroup(row.m_uGroupId)) << row.m_uGroupId;
}

TEST(NamedIdsTest, EveryObjectNameOfEverySceneResolvesToItsFirstPlaceInTheList)
{
    for (const SceneDesc* const* ppScene = Id::GetSceneRegistry(); *ppScene != nullptr; ++ppScene) {
        const SceneDesc& scene = **ppScene;
        const std::span<const char* const> objects(scene.m_ppObjectNames, static_cast<size_t>(scene.m_iNbObjects));
        for (size_t index = 0; index < objects.size(); ++index) {
            const int32_t found = SceneTableRows::FindObject(objects, objects[index]);
            ASSERT_GE(found, 0) << scene.m_pName << " " << objects[index];
            EXPECT_LE(found, static_cast<int32_t>(index));
            EXPECT_STREQ(objects[static_cast<size_t>(found)], objects[index]) << scene.m_pName;
        }
        EXPECT_EQ(SceneTableRows::FindObject(objects, "no such object"), -1) << scene.m_pName;
    }
}

} // namespace
