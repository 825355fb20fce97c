#include "Managers/Common/SoundManager.h"

#include "Common/SoundIds.h"
#include "Managers/Common/VarManager.h"
#include "Sound/CoreSound.h"
#include "Sound/CoreSoundState.h"
#include "Sound/SoundEngine.h"
#include "Support/LogCapture.h"
#include "Support/MainHeap.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr uint32_t TAVRINE_KID = 0xa29b02da;
constexpr int32_t MUSIC = 0x47e6e6f9;
constexpr int32_t WIND_LOOP = 0x0009ae29;
constexpr int32_t SPEECH = 0x2af5a458;
constexpr int32_t CLICK = 0x30ca3b76;
constexpr uint32_t COMMON_GROUP = 0x65EC7051;

class FakeCharacter : public SoundCharacter {
public:
    int32_t GetSoundActorIndex() const override { return m_iSoundActor; }
    void SetSoundActorIndex(int32_t index) override { m_iSoundActor = index; }
    bool HasActor() const override { return m_bHasActor; }
    uint32_t GetActorId() const override { return m_uActorId; }
    int32_t GetCurrentAnimationId() const override { return m_iAnimation; }
    double GetCurrentAnimationFrame() const override { return m_dPosition; }
    fx32 GetScreenX() const override { return m_x; }
    uint32_t GetStepSoundSet() const override { return m_uStepSoundSet; }

    int32_t m_iSoundActor = -1;
    bool m_bHasActor = true;
    uint32_t m_uActorId = TAVRINE_KID;
    int32_t m_iAnimation = 898;
    double m_dPosition = 0.0;
    fx32 m_x = 128 * FX32_ONE;
    uint32_t m_uStepSoundSet = 1;
};

float CategoryVolume(const char* category)
{
    Platform::SoundEngine* engine = CoreSndGetEngine();
    return engine->GetCategoryVolume(engine->GetCategory(category));
}

class SoundManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestSupport::EnsureMainHeap();
        m_cwd.emplace(TestSupport::DataDir());
        TestSupport::LogCapture capture;
        const bool initialized = SoundManager::Initialize() && SoundManager::LoadGroup(COMMON_GROUP);
        const std::string output = capture.Take();
        ASSERT_TRUE(initialized) << output;
    }

    void TearDown() override { SoundManager::Terminate(); }

    std::optional<TestSupport::ScopedWorkingDirectory> m_cwd;
};

TEST_F(SoundManagerTest, StartUpBindsFifteenPlayersOverTheStreamedBank)
{
    std::vector<int> players = {SoundManager::m_iMusicPlayer, SoundManager::m_iEffectPlayer,
                                SoundManager::m_iAmbientPlayer};
    for (const SoundActor& actor : SoundManager::m_vSoundActors) {
        players.push_back(actor.iEffectPlayer);
        players.push_back(actor.iDialogPlayer);
    }
    std::sort(players.begin(), players.end());
    EXPECT_EQ(std::unique(players.begin(), players.end()), players.end());
    EXPECT_GE(players.front(), 0);
    EXPECT_STREQ(g_oPlayerHandles[SoundManager::m_iAmbientPlayer].m_sCategory, "Ambients");
    EXPECT_STREQ(g_oPlayerHandles[SoundManager::m_vSoundActors[2].iDialogPlayer].m_sCategory, "Voices");

    EXPECT_TRUE(SoundManager::m_vSoundActors[0].bActive) << "reserved for speech without a character";
    EXPECT_EQ(CoreSndGroupDepth(), 2) << "the streamed bank, then the common group";
    EXPECT_TRUE(CoreSndIsGroupMarked(0)) << "the streamed bank stays when a group is popped";
    EXPECT_FLOAT_EQ(CategoryVolume("Musics"), 1.0f);
    EXPECT_FLOAT_EQ(CategoryVolume("Ambients"), 3277 / 4096.0f);
}

TEST_F(SoundManagerTest, MusicStartsOnceAmbienceEveryTime)
{
    SoundManager::PlayMusic(MUSIC);
    Platform::SoundCue* music = CoreSndPlayerCue(SoundManager::m_iMusicPlayer);
    ASSERT_NE(music, nullptr);
    SoundManager::PlayMusic(MUSIC);
    EXPECT_EQ(CoreSndPlayerCue(SoundManager::m_iMusicPlayer), music);

    SoundManager::PlayAmbient(WIND_LOOP);
    Platform::SoundCue* firstWind = CoreSndPlayerCue(SoundManager::m_iAmbientPlayer);
    SoundManager::PlayAmbient(WIND_LOOP);
    Platform::SoundCue* secondWind = CoreSndPlayerCue(SoundManager::m_iAmbientPlayer);
    ASSERT_NE(firstWind, nullptr);
    EXPECT_NE(secondWind, firstWind);
    uint32_t state = 0;
    EXPECT_EQ(CoreSndGetEngine()->GetState(firstWind, state), Platform::SOUND_OK);
    EXPECT_TRUE(state & Platform::SOUND_STATE_PLAYING) << "both ambiences sound";

    SoundManager::StopMusic();
    EXPECT_EQ(SoundManager::m_iCurrentMusicId, -1);
    EXPECT_EQ(CoreSndPlayerCue(SoundManager::m_iMusicPlayer), nullptr);
    SoundManager::PlayMusic(MUSIC);
    EXPECT_NE(CoreSndPlayerCue(SoundManager::m_iMusicPlayer), nullptr) << "started again after a stop";

    // Stopping what played before a shutdown touches no closed player.
    SoundManager::Terminate();
    TestSupport::LogCapture capture;
    SoundManager::StopMusic();
    SoundManager::StopAmbient();
    EXPECT_EQ(capture.Take(), "");
    ASSERT_TRUE(SoundManager::Initialize());
}

TEST_F(SoundManagerTest, AnUnboundSoundWarnsAndLeavesTheMusicPlaying)
{
    SoundManager::PlayMusic(MUSIC);
    Platform::SoundCue* music = CoreSndPlayerCue(SoundManager::m_iMusicPlayer);
    TestSupport::LogCapture capture;
    SoundManager::PlayMusic(0x12345678);
    const std::string output = capture.Take();
    EXPECT_NE(output.find("]:(PlayMusic) no sound bound for sound ID 305419896\n"), std::string::npos) << output;
    EXPECT_NE(output.find("WARN["), std::string::npos);
    EXPECT_EQ(SoundManager::m_iCurrentMusicId, -1);
    EXPECT_EQ(CoreSndPlayerCue(SoundManager::m_iMusicPlayer), music);

    SoundManager::PlayEffect(0x12345678);
    SoundManager::PlayActorSpeech(6, SPEECH);
    const std::string more = capture.Take();
    EXPECT_NE(more.find("(PlayEffect) no sound bound for sound ID 305419896"), std::string::npos);
    EXPECT_NE(more.find("condition: iActorIndex>=0 && iActorIndex<MAX_SOUND_ACTORS"), std::string::npos);
    EXPECT_EQ(SoundManager::m_iLastEffectId, -1);
}

TEST_F(SoundManagerTest, OutputVolumes)
{
    SoundManager::SetAmbientVolume(4096);
    EXPECT_FLOAT_EQ(CategoryVolume("Ambients"), 3277 / 4096.0f);
    SoundManager::SetAmbientScriptVolume(2048);
    EXPECT_FLOAT_EQ(CategoryVolume("Ambients"), 1639 / 4096.0f) << "round(round(2048 x 4096) x 3277)";

    SoundManager::SetMusicScriptVolume(3000);
    SoundManager::SetMusicVolume(2048);
    EXPECT_FLOAT_EQ(CategoryVolume("Musics"), 1500 / 4096.0f);

    SoundManager::PlayActorSpeech(0, SPEECH);
    EXPECT_FLOAT_EQ(CategoryVolume("Voices"), 7168 / 4096.0f);
    SoundManager::SetSpeechVolume(4096);
    EXPECT_FLOAT_EQ(CategoryVolume("Voices"), 1.0f) << "until the next speech";

    SoundManager::SetEffectsVolume(2048);
    SoundManager::PlayActorEffect(1, CLICK, 1024);
    EXPECT_FLOAT_EQ(CategoryVolume("Effects"), 512 / 4096.0f);
    EXPECT_EQ(SoundManager::m_iLastEffectId, CLICK);
    SoundManager::PlayEffect(CLICK);
    EXPECT_FLOAT_EQ(CategoryVolume("Effects"), 0.5f);
}

TEST_F(SoundManagerTest, MasterVolumesMirrorAsPercentRoundedToTens)
{
    SoundManager::SetMusicVolume(2048);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_MUSIC), 50);
    SoundManager::SetAmbientVolume(3277);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_AMBIENT), 80);
    SoundManager::SetEffectsVolume(4096);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_EFFECTS), 100);
    SoundManager::SetSpeechVolume(1843); // 44.99 %
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_SPEECHES), 40);
    SoundManager::SetSpeechVolume(1844); // 45.01 %
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_SPEECHES), 50);
    SoundManager::SetMusicVolume(0);
    EXPECT_EQ(g_VarManager.GetInt(VARINT_C_MASTER_MUSIC), 0);
}

TEST(SoundManagerPanTest, ScreenPlaceToPan)
{
    EXPECT_EQ(SoundManager::PanOfScreenX(0), -4096);
    EXPECT_EQ(SoundManager::PanOfScreenX(128 * FX32_ONE), 0);
    EXPECT_EQ(SoundManager::PanOfScreenX(256 * FX32_ONE), 4096);
    EXPECT_EQ(SoundManager::PanOfScreenX(64 * FX32_ONE), -2048);
    EXPECT_EQ(SoundManager::PanOfScreenX(300 * FX32_ONE), 4096);
    EXPECT_EQ(SoundManager::PanOfScreenX(-20 * FX32_ONE), -4096);
    EXPECT_EQ(SoundManager::PanOfScreenX(INT32_MIN), -4096);
    EXPECT_EQ(SoundManager::PanOfScreenX(INT32_MAX), 4096);
}

TEST_F(SoundManagerTest, UpdatePansTheCharactersSoundActors)
{
    FakeCharacter character;
    ASSERT_EQ(SoundManager::TakeSoundActor(&character), 1);
    EXPECT_EQ(character.m_iSoundActor, 1);
    const std::vector<float>& matrix = g_oCoreSnd.m_vMatrix;
    auto matrixOfPan = [&](fx32 pan) {
        CoreSndPlayerSetPan(SoundManager::m_iEffectPlayer, pan);
        return matrix;
    };
    const std::vector<float> left = matrixOfPan(-4096);
    const std::vector<float> right = matrixOfPan(4096);

    character.m_x = 0;
    SoundManager::Update();
    EXPECT_EQ(matrix, left);
    character.m_x = 400 * FX32_ONE;
    SoundManager::Update();
    EXPECT_EQ(matrix, right);

    SoundManager::ReleaseSoundActor(&character);
    EXPECT_EQ(character.m_iSoundActor, -1);
    EXPECT_FALSE(SoundManager::m_vSoundActors[1].bActive);
    character.m_x = 0;
    SoundManager::Update();
    EXPECT_EQ(matrix, right) << "a released actor is not panned";
}

TEST_F(SoundManagerTest, FootstepRowsFireWhenTheFrameIsCrossed)
{
    FakeCharacter character;
    SoundManager::TakeSoundActor(&character);
    auto fires = [&](double position, double step) {
        SoundManager::m_iLastEffectId = 12345;
        character.m_dPosition = position;
        TestSupport::LogOf([&] { SoundManager::PlayActorAnimSFXAtFrame(&character, step); });
        return SoundManager::m_iLastEffectId;
    };
    // Frame 8 at 8/15 s = 0.533 s.
    EXPECT_NE(fires(0.5, 0.05), 12345);
    EXPECT_EQ(fires(8.0 / 15.0, 0.05), 12345) << "already at the frame";
    EXPECT_EQ(fires(0.45, 0.05), 12345) << "not reached yet";
    // Frame 1 of the set's first step sound.
    EXPECT_EQ(fires(0.0, 0.1), 0x19E8FD0A);
    character.m_uStepSoundSet = 2;
    EXPECT_EQ(fires(0.0, 0.1), 0x093C838C);
    character.m_uStepSoundSet = 4;
    EXPECT_EQ(fires(0.0, 0.1), 12345) << "no rows for that set";
    character.m_uStepSoundSet = 3;
    character.m_iAnimation = 0;
    EXPECT_EQ(fires(0.0, 0.1), 12345) << "no current animation";
    character.m_bHasActor = false;
    EXPECT_NE(TestSupport::LogOf([&] {
                  SoundManager::PlayActorAnimSFXAtFrame(&character, 0.1);
              }).find("condition: NULL != pActor"),
              std::string::npos);
}

TEST(SoundManagerTableTest, FootstepRows)
{
    const AnimSoundRow* rows = SoundManager::s_aAnimSounds;
    EXPECT_EQ(rows[0].iSoundId, -1);
    EXPECT_EQ(rows[0].uActorId, 0u);
    for (int i = 1; i < ANIM_SOUND_ROWS; ++i)
        EXPECT_EQ(rows[i].volume, 410);
    // Set 1, the kid first: animation 898 at frames 1 and 8.
    EXPECT_EQ(rows[1].uActorId, TAVRINE_KID);
    EXPECT_EQ(rows[1].iAnimationId, 898);
    EXPECT_EQ(rows[2].uFrame, 8u);
    EXPECT_EQ(rows[2].iSoundId, 0x1795FA7A);
    EXPECT_EQ(rows[5].uActorId, 0xf0e7a990u) << "then the adult";
    EXPECT_EQ(rows[8].iAnimationId, 516);
    EXPECT_EQ(rows[8].uFrame, 10u);
    EXPECT_EQ(rows[24].uStepSoundSet, 3u);
    EXPECT_EQ(rows[24].iSoundId, 0x3C7B9633);
    EXPECT_EQ(rows[9].iSoundId, 0x093C838C);
}

TEST_F(SoundManagerTest, GroupsLoadTheirBanks)
{
    const int depth = CoreSndGroupDepth();
    TestSupport::LogCapture capture;
    EXPECT_FALSE(SoundManager::LoadGroup(0x12345678));
    EXPECT_NE(capture.Take().find("PushGroup: Invalid group Id 305419896"), std::string::npos);

    EXPECT_TRUE(SoundManager::LoadGroup(0x038b49e1)) << "a group without banks";
    EXPECT_NE(capture.Take().find("(PushGroup) no group bound for group ID 59460065"), std::string::npos);

    CoreSndMarkTopGroup();
    EXPECT_TRUE(SoundManager::LoadGroup(0x00a5259a)) << "bg401_chapter_06 with common_bg401";
    EXPECT_EQ(CoreSndGroupDepth(), depth + 2);
    CoreSndUnloadGroup();
    EXPECT_EQ(CoreSndGroupDepth(), depth);
    EXPECT_FALSE(CoreSndIsGroupMarked(depth - 1));

    // A scene whose group has no banks: its pop uses up the mark and leaves
    // the common group loaded.
    CoreSndMarkTopGroup();
    EXPECT_TRUE(SoundManager::LoadGroup(0x038b49e1));
    capture.Take();
    CoreSndUnloadGroup();
    EXPECT_EQ(CoreSndGroupDepth(), depth);
    EXPECT_FALSE(CoreSndIsGroupMarked(depth - 1));
    SoundManager::PlayAmbient(WIND_LOOP);
    EXPECT_NE(CoreSndPlayerCue(SoundManager::m_iAmbientPlayer), nullptr) << "the common bank still plays";
}

TEST(SoundManagerStartTest, FailedStartUpShutsDownQuietly)
{
    TestSupport::EnsureMainHeap();
    TestSupport::TempDir empty;
    TestSupport::ScopedWorkingDirectory cwd(empty.Path());
    TestSupport::LogCapture capture;
    EXPECT_FALSE(SoundManager::Initialize());
    SoundManager::Terminate();
    const std::string output = capture.Take();
    EXPECT_EQ(output.find("m_bBound"), std::string::npos) << "no player asserts: " << output;
    EXPECT_EQ(CoreSndGetEngine(), nullptr);
}

} // namespace
