// What the pointer shows over the sample scenes: every object a player can
// click in a scene played with the in-game menu is named by a caption, and
// every caption and every character's name is a text of every game language;
// every hotspot of a scene with verbs carries the marker where its verbs and
// its star appear.
#include "Adventure/Common/Entity.h"
#include "Common/ActorIds.h"
#include "Common/GameLanguages.h"
#include "Common/SceneIds.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SerialStream.h"
#include "Scripts/Common/ActorScript.h"
#include "Support/FakeSceneServices.h"
#include "Support/Files.h"
#include "Support/LogCapture.h"
#include "Support/TestPaths.h"
#include "Utils/Common/DkLocalizer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr uint32_t NO_TEXT = 0xFFFFFFFFu;

// The text tables of one language that a scene's texts come from: the
// common table and the scene's own.
class LanguageTexts {
public:
    LanguageTexts(int32_t iLanguage, int32_t iSceneId, bool bSceneText)
    {
        m_localizer.Initialize(m_banks);
        Add(std::string("text/") + Id::GetLanguageCode(iLanguage) + "TextCommon.dat");
        if (bSceneText)
            Add(Id::GetSceneTextPath(iSceneId, iLanguage));
    }
    bool Has(uint32_t uTextId) const
    {
        TestSupport::LogCapture quiet;
        return std::strncmp(m_localizer.GetText(uTextId), "!! INVALID TEXTID", 17) != 0;
    }

private:
    void Add(const std::string& path)
    {
        m_tables.push_back(TestSupport::ReadFileBytes(TestSupport::DataDir() / path));
        std::vector<uint8_t>& table = m_tables.back();
        EXPECT_GE(m_localizer.AddBank(path.c_str(), table.data(), static_cast<uint32_t>(table.size())), 0) << path;
    }

    DkLocalizerBank m_banks[DkLocalizer::BANK_COUNT];
    DkLocalizer m_localizer;
    std::vector<std::vector<uint8_t>> m_tables;
};

// A sample scene's description as the game reads it.
struct SampleScene {
    const SceneDesc* row = nullptr;
    TestSupport::FakeSceneServices services;
    Scene scene;
    std::vector<uint8_t> bytes;
};

std::vector<std::unique_ptr<SampleScene>> LoadSampleScenes()
{
    std::vector<std::unique_ptr<SampleScene>> scenes;
    for (const auto& entry : std::filesystem::directory_iterator(TestSupport::SourceDir() / "Content/Scenes")) {
        auto sample = std::make_unique<SampleScene>();
        for (const SceneDesc* const* row = Id::GetSceneRegistry(); *row; ++row)
            if (entry.path().stem() == (*row)->m_pName)
                sample->row = *row;
        if (!sample->row)
            continue;
        sample->bytes = TestSupport::ReadFileBytes(TestSupport::DataDir() / Id::GetScenePath(sample->row->m_iId));
        SerialStream stream(sample->bytes.data(), sample->bytes.size(), sample->row->m_pName);
        EXPECT_TRUE(sample->scene.Initialize2D(stream)) << sample->row->m_pName;
        scenes.push_back(std::move(sample));
    }
    return scenes;
}

std::string NameOf(const Entity& entity)
{
    return std::string(entity.GetName(), strnlen(entity.GetName(), SCENE_OBJECT_NAME_SIZE));
}

bool IsClickable(const Entity& entity)
{
    TwEventType types[13];
    return entity.GetEventTypes(types, 13) > 0;
}

TEST(SampleSceneCaptionsTest, EveryClickableObjectIsNamedInEveryLanguage)
{
    const std::vector<std::unique_ptr<SampleScene>> scenes = LoadSampleScenes();
    ASSERT_GE(scenes.size(), 10u);
    for (const auto& sample : scenes) {
        const Scene& scene = sample->scene;
        const int32_t iSceneId = sample->row->m_iId;
        SCOPED_TRACE(sample->row->m_pName);
        for (int32_t iLanguage = 0; iLanguage < GAME_LANGUAGE_COUNT; ++iLanguage) {
            const LanguageTexts texts(iLanguage, iSceneId, scene.m_bHasText != 0);
            for (int32_t i = 0; i < scene.m_iNumEntities; ++i) {
                const Entity& entity = scene.m_vEntities[i];
                // A save slot's label is made by the game; a caption placeholder
                // shows the caption text.
                const bool captioned = entity.m_iSaveSlotNumber == 0 && entity.m_uCaptionTextId != NO_TEXT;
                if (captioned) {
                    EXPECT_TRUE(texts.Has(entity.m_uCaptionTextId))
                        << NameOf(entity) << " in " << Id::GetLanguageCode(iLanguage);
                }
                // Menu scenes draw their captions as labels: their picture
                // buttons stand without one.
                const bool labelled = entity.m_iSaveSlotNumber >= 1 && entity.m_iSaveSlotNumber <= 3;
                if (!IsMenuScene(iSceneId) && IsClickable(entity)) {
                    EXPECT_TRUE(captioned || labelled) << NameOf(entity) << " has no caption";
                }
            }
            for (int32_t iSet = 0; iSet < scene.m_iNumActorSets; ++iSet) {
                const ActorSet& set = scene.m_vActorSets[iSet];
                for (int32_t c = 0; c < set.m_iNumCharacterNames; ++c) {
                    ActorScriptInfo info {};
                    GetActorScriptInfos(Id::GetActorId(set.m_apCharacterNames[c]), 0, &info);
                    // The actor table names no boat: the world map's is never pointed at.
                    if (std::string(set.m_apCharacterNames[c]) == "boat_windsome_maid")
                        continue;
                    EXPECT_TRUE(info.m_uNameTextId != NO_TEXT && texts.Has(info.m_uNameTextId))
                        << set.m_apCharacterNames[c] << " in " << Id::GetLanguageCode(iLanguage);
                }
            }
        }
    }
}

TEST(SampleSceneCaptionsTest, EveryHotspotHasItsMarkerOnTheScreen)
{
    for (const auto& sample : LoadSampleScenes()) {
        const Scene& scene = sample->scene;
        SCOPED_TRACE(sample->row->m_pName);
        // A menu scene acts on the click itself, without verbs.
        if (IsMenuScene(sample->row->m_iId))
            continue;
        for (int32_t i = 0; i < scene.m_iNumEntities; ++i) {
            const Entity& entity = scene.m_vEntities[i];
            if (!IsClickable(entity))
                continue;
            // The verb menu opens at the marker of the picked object.
            std::vector<const SceneObject*> objects(entity.m_apSprites, entity.m_apSprites + entity.m_iNumSprite);
            if (entity.m_pRegion)
                objects.push_back(entity.m_pRegion);
            for (const SceneObject* object : objects) {
                const CoreFxVec& marker = object->m_oPulse.m_oPosition;
                EXPECT_TRUE(marker.x >= 0 && marker.x <= 256 * FX32_ONE && marker.y >= 0 && marker.y <= 192 * FX32_ONE)
                    << NameOf(entity) << ": marker at (" << marker.x / FX32_ONE << ", " << marker.y / FX32_ONE << ")";
            }
        }
    }
}

} // namespace
