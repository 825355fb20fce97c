#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/AttachmentIds.h"
#include "Common/CharacterIds.h"
#include "Common/ItemIds.h"
#include "Common/MovieIds.h"
#include "Common/SceneIds.h"
#include "Common/SoundIds.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TestSupport::LogOf;

TEST(IdLookupTest, ActorIdsAndIndices)
{
    EXPECT_EQ(Id::GetActorId("logic_dialog"), 0xa900ea29u);
    EXPECT_EQ(Id::GetActorId("logic_sound"), 0x9f2965d0u);
    EXPECT_STREQ(Id::GetActorName(0xa900ea29u), "logic_dialog");
    EXPECT_EQ(Id::GetActorIndex(ACTOR_INVALID), 0);

    const std::string report = LogOf([] {
        EXPECT_EQ(Id::GetActorIndex(0x80000001u), -1);
        EXPECT_EQ(Id::GetActorName(0xFFFFFFFFu), nullptr);
    });
    EXPECT_NE(report.find("condition: iFinalKey == iId"), std::string::npos) << report;
    EXPECT_NE(LogOf([] { Id::GetActorId("nobody"); }).find("condition: GetActorIndex(iActorId) != -1"),
              std::string::npos);
}

TEST(IdLookupTest, ActorPaths)
{
    const uint32_t tavrine = Id::GetActorId("tavrine");
    EXPECT_STREQ(Id::GetActorPath(tavrine, nullptr, nullptr), "scenes/tavrine.dr");
    EXPECT_STREQ(Id::GetActorPath(tavrine, "bg106_BO_AdmiralsRest", "chapter_3_5"),
                 "scenes/bg106_BO_AdmiralsRest/chapter_3_5/tavrine.dr");
    LogOf([] { EXPECT_EQ(Id::GetActorPath(0x80000001u, nullptr, nullptr), nullptr); });
}

TEST(IdLookupTest, Items)
{
    EXPECT_EQ(Id::GetItemIndex(0), -1);
    EXPECT_EQ(LogOf([] { EXPECT_EQ(Id::GetItemIndex(static_cast<uint32_t>(ITEM_LAST)), -1); }), "");
    EXPECT_STREQ(Id::GetItemName(0x8E740AEAu), "ITEM_DOUBLOON");
    EXPECT_NE(LogOf([] { EXPECT_EQ(Id::GetItemName(0x80000002u), nullptr); }).find("condition: iFinalKey == iItemId"),
              std::string::npos);
    LogOf([] {
        EXPECT_EQ(Id::GetItemHashA(0x80000002u), -1);
        EXPECT_EQ(Id::GetItemHashB(0x80000002u), -1);
    });
    EXPECT_NE(Id::GetItemHashA(0x8E740AEAu), Id::GetItemHashB(0x8E740AEAu));
}

TEST(IdLookupTest, AnimationsByActorAndName)
{
    const uint32_t tavrine = Id::GetActorId("tavrine");
    const uint32_t kid = Id::GetActorId("tavrine_kid");
    EXPECT_EQ(Id::GetAnimationId(tavrine, "g_idle_l"), 486);
    EXPECT_EQ(Id::GetAnimationId(kid, "g_idle_l"), 867);
    EXPECT_STREQ(Id::GetAnimationName(531), "g_talk_l");
    EXPECT_STREQ(Id::GetAnimationName(0), "");
    EXPECT_STREQ(Id::GetActorAnimFileName(tavrine, 486), "g_idle_l");
    EXPECT_EQ(Id::GetActorAnimFileName(tavrine, 0), nullptr);

    int unknown = -1;
    const std::string report = LogOf([&] { unknown = Id::GetAnimationId(tavrine, "g_no_such_animation"); });
    EXPECT_NE(report.find("condition: strcmp(name, GetAnimationName(pAnimationList[middle]))==0\n"), std::string::npos)
        << report;
    EXPECT_NE(report.find("Animation g_no_such_animation not found\n"), std::string::npos) << report;
    EXPECT_EQ(unknown, ANIMATION_INVALID);
    // Names before the first and after the last of the list, and between two.
    for (const char* name : {"a", "zzz", "g_idle_m"}) {
        EXPECT_NE(LogOf([&] { unknown = Id::GetAnimationId(tavrine, name); }).find("not found"), std::string::npos);
        EXPECT_EQ(unknown, ANIMATION_INVALID) << name;
    }

    EXPECT_NE(LogOf([] { Id::GetAnimationName(MAX_ANIMATION); }).find("condition: iId>=0 && iId<MAX_ANIMATION"),
              std::string::npos);
}

TEST(IdLookupTest, AttachmentsBonesAndMoods)
{
    EXPECT_EQ(Id::GetAttachmentId("pistol"), 0xa2d12cbbu);
    EXPECT_STREQ(Id::GetAttachmentPath(0xa2d12cbbu), "Attachments/pistol.dr");
    EXPECT_EQ(Id::GetAttachmentIndex(ATTACHMENT_INVALID), 0);
    EXPECT_EQ(Id::GetAttachmentIndex(1), -1);
    EXPECT_EQ(Id::GetAttachmentPath(1), nullptr);

    EXPECT_STREQ(Id::GetBoneName(3), "Bip01_R_Hand");
    EXPECT_STREQ(Id::GetBoneName(6), "Bip01_Footsteps");
    EXPECT_EQ(Id::GetBoneName(ID_BONE_LAST), nullptr);
    EXPECT_STREQ(Id::GetMoodName(0), "default");
    EXPECT_STREQ(Id::GetMoodName(8), "wondering");
    EXPECT_EQ(Id::GetMoodName(9), nullptr);
    EXPECT_EQ(Id::GetMoodName(-1), nullptr);
}

TEST(IdLookupTest, Movies)
{
    EXPECT_STREQ(Id::GetMoviePath(1, true), "video/cine00_hd.bik");
    EXPECT_STREQ(Id::GetMoviePath(1, false), "video/cine00_sd.bik");
    EXPECT_STREQ(Id::GetMovieSubtitlePath(18), "video/strip11.tw.sub");
    EXPECT_STREQ(Id::GetMovieName(6), "MOVIE_CINE07");
    EXPECT_STREQ(Id::GetMovieName(14), "MOVIE_STRIP07");
    EXPECT_STREQ(Id::GetMovieName(15), "MOVIE_STRIP08");
    EXPECT_NE(LogOf([] { Id::GetMovieName(MOVIE_LAST); }).find("condition: iId>=0 && iId<MOVIE_LAST"),
              std::string::npos);
}

TEST(IdLookupTest, ScenesAndTheScriptFactory)
{
    EXPECT_STREQ(Id::GetSceneTextPath(9, 0), "text/en-GBTextBG101.dat");
    EXPECT_STREQ(Id::GetSceneTextPath(19, 1), "text/fr-FRTextBG111.dat");
    EXPECT_STREQ(Id::GetSceneTextPath(9, 6), "text/unknownTextBG101.dat");
    EXPECT_STREQ(Id::GetLanguageCode(5), "ja-JP");
    EXPECT_EQ(Id::GetScenePath(64), nullptr);

    const SceneDesc* pDesc = Id::GetSceneDesc(22);
    ASSERT_NE(pDesc, nullptr);
    EXPECT_STREQ(pDesc->m_pName, "bg201_CR_Docks");
    EXPECT_EQ(pDesc->m_iNbObjects, 24);
    EXPECT_STREQ(pDesc->m_ppObjectNames[10], "o_mapbox");
    EXPECT_EQ(pDesc->m_bHasDialog, 1);
    EXPECT_EQ(Id::GetSceneDesc(57)->m_bHasDialog, 0);
    EXPECT_EQ(Id::GetSceneDesc(64), nullptr);

    EXPECT_EQ(LogOf([] { EXPECT_EQ(CreateScriptFromId(64), nullptr); }), "");
    const std::string report = LogOf([] { EXPECT_EQ(CreateScriptFromId(0), nullptr); });
    EXPECT_NE(report.find("message:\nCreateScriptFromId -- Invalid scene id\n"), std::string::npos) << report;
}

TEST(IdLookupTest, SoundsAndTheVariantFallback)
{
    const SoundRow& first = Id::GetSoundTable().front();
    EXPECT_EQ(Id::GetPlatformSoundId(first.m_iSoundId), first.m_iPlatformSoundId);
    const std::string report = LogOf([] { EXPECT_EQ(Id::GetPlatformSoundId(1), -1); });
    EXPECT_NE(report.find("GetPlatformSoundId - Invalid sound ID 1\n"), std::string::npos) << report;
    EXPECT_EQ(Id::FindSoundGroup(0xFFFFFFFFu), nullptr);

    const SoundVariantRow rows[] = {
        {10, {100, 101, -1, 103, -1}},
        {0x80000000u, {200, -1, -1, -1, -1}},
    };
    EXPECT_EQ(Id::GetSoundVariant(rows, 10, 1), 101);
    EXPECT_EQ(Id::GetSoundVariant(rows, 10, 2), 100);
    EXPECT_EQ(Id::GetSoundVariant(rows, 10, 3), 103);
    EXPECT_EQ(Id::GetSoundVariant(rows, 0x80000000u, 4), 200);
    EXPECT_EQ(Id::GetSoundVariant(rows, 11, 0), -1);
    EXPECT_EQ(Id::GetSoundVariant(0x12345678u, 0), -1);
}

} // namespace

TEST(IdLookupTest, EveryAnimationThatScenesPlayResolvesToItsOwnId)
{
    // The actor lists are searched by halves: one row out of order would
    // hide its neighbours.
    const std::string log = LogOf([] {
        for (const AnimationRow& row : Id::GetAnimationTable())
            EXPECT_EQ(Id::GetAnimationId(Id::GetActorId(row.m_pActorName), row.m_pName), row.m_iId) << row.m_pName;
    });
    EXPECT_EQ(log, "");

    const std::pair<const char*, const char*> played[] = {
        {"tavrine", "fixbridgemechanism_01"}, {"tavrine", "g_use02_l"},      {"bajari", "lying_talk_l"},
        {"buck", "hammocksleep_l"},           {"nacho", "innsittingidle_l"}, {"dinsdale", "sleeping_idle_l"},
        {"tavrine_kid", "benchcrying01"},     {"bonita_spirit", "idle_l"},
    };
    for (const auto& [actor, name] : played)
        EXPECT_NE(Id::GetAnimationId(Id::GetActorId(actor), name), ANIMATION_INVALID) << actor << " " << name;
}
