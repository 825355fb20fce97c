#include "Managers/Common/SoundManager.h"

#include "Common/GameLink.h"
#include "Common/SoundIds.h"
#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Managers/Common/VarManager.h"
#include "Maths/CoreFxDivide.h"
#include "Screen/CoreVirtualScreen.h"
#include "Sound/CoreSound.h"

#include <cstdarg>
#include <string>

fx32 SoundManager::m_fxMusicScriptVolume = FX32_ONE;
fx32 SoundManager::m_fxAmbientScriptVolume = FX32_ONE;
fx32 SoundManager::m_fxMasterMusicVolume = FX32_ONE;
fx32 SoundManager::m_fxMasterAmbientVolume = FX32_ONE;
fx32 SoundManager::m_fxMasterEffectsVolume = FX32_ONE;
fx32 SoundManager::m_fxMasterSpeechVolume = FX32_ONE;
int32_t SoundManager::m_iCurrentMusicId = -1;
int32_t SoundManager::m_iLastEffectId = -1;
int32_t SoundManager::m_iCurrentAmbientId = -1;
SoundActor SoundManager::m_vSoundActors[MAX_SOUND_ACTORS] = {};
int SoundManager::m_iMusicPlayer = -1;
int SoundManager::m_iEffectPlayer = -1;
int SoundManager::m_iAmbientPlayer = -1;

namespace {

// The ambience plays at 0.8 of its volume, speech at 1.75.
constexpr fx32 AMBIENT_SCALE = 3277;
constexpr fx32 SPEECH_SCALE = 7168;
constexpr fx32 SCREEN_CENTRE = VIRTUAL_SCREEN_WIDTH / 2;
constexpr double ANIMATION_FRAMES_PER_SECOND = 15.0;

void LogWarning(const char* format, ...) __attribute__((format(printf, 1, 2)));

void LogWarning(const char* format, ...)
{
    char text[2048];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    CorePrint(&g_oCoreLog, "WARN[%s]:%s", GetGameLink().GetClockString(), text);
}

// A master volume as the percentage that the options show: rounded to tens.
void MirrorPercent(int variable, fx32 volume)
{
    const int64_t percent = (static_cast<int64_t>(volume) * 100) >> FX32_SHIFT;
    g_VarManager.SetInt(variable, static_cast<int16_t>((percent + 5) / 10 * 10));
}

bool IsActorIndex(int iActorIndex)
{
    return iActorIndex >= 0 && iActorIndex < MAX_SOUND_ACTORS;
}

void ClearSoundActors()
{
    for (SoundActor& actor : SoundManager::m_vSoundActors)
        actor = SoundActor {nullptr, -1, 0, -1, 0, 0};
}

} // namespace

SoundManager::~SoundManager() = default;

bool SoundManager::Initialize()
{
    m_iCurrentMusicId = -1;
    m_iLastEffectId = -1;
    m_iCurrentAmbientId = -1;
    m_fxMusicScriptVolume = m_fxAmbientScriptVolume = FX32_ONE;
    m_fxMasterMusicVolume = m_fxMasterAmbientVolume = FX32_ONE;
    m_fxMasterEffectsVolume = m_fxMasterSpeechVolume = FX32_ONE;
    m_iMusicPlayer = m_iEffectPlayer = m_iAmbientPlayer = -1;
    ClearSoundActors();
    if (!InitializePlatform())
        return false;
    m_fxMusicScriptVolume = FX32_ONE;
    m_fxAmbientScriptVolume = FX32_ONE;
    UpdateMusicVolume();
    UpdateAmbientVolume();
    // Sound actor 0 speaks for no character.
    m_vSoundActors[0].bActive = 1;
    m_vSoundActors[0].pCharacter = nullptr;
    return true;
}

bool SoundManager::InitializePlatform()
{
    if (CoreSndInitWithBuffer() != 0 || !CoreSndLoadStreamGroup())
        return false;
    if (CoreSndGroupDepth() > 0)
        CoreSndMarkTopGroup();
    for (int i = 0; i < MAX_SOUND_ACTORS; ++i) {
        m_vSoundActors[i].iEffectPlayer = CoreSndPlayerInit("Effects");
        ENGINE_ASSERT(m_vSoundActors[i].iEffectPlayer != -1);
        m_vSoundActors[i].iDialogPlayer = CoreSndPlayerInit("Voices");
        ENGINE_ASSERT(m_vSoundActors[i].iDialogPlayer != -1);
    }
    m_iMusicPlayer = CoreSndPlayerInit("Musics");
    ENGINE_ASSERT(m_iMusicPlayer != -1);
    m_iEffectPlayer = CoreSndPlayerInit("Effects");
    ENGINE_ASSERT(m_iEffectPlayer != -1);
    m_iAmbientPlayer = CoreSndPlayerInit("Ambients");
    ENGINE_ASSERT(m_iAmbientPlayer != -1);
    return true;
}

void SoundManager::Terminate()
{
    // After a failed start-up some players were never bound.
    for (int* player : {&m_iMusicPlayer, &m_iEffectPlayer, &m_iAmbientPlayer}) {
        if (*player != -1)
            CoreSndPlayerTerm(*player);
        *player = -1;
    }
    for (SoundActor& actor : m_vSoundActors) {
        if (actor.iEffectPlayer != -1)
            CoreSndPlayerTerm(actor.iEffectPlayer);
        if (actor.iDialogPlayer != -1)
            CoreSndPlayerTerm(actor.iDialogPlayer);
    }
    ClearSoundActors();
    CoreSndFreeAllMemory();
    CoreSndDestroy();
    // Nothing plays any more: a later stop must not reach the closed players.
    m_iCurrentMusicId = -1;
    m_iCurrentAmbientId = -1;
    m_iLastEffectId = -1;
}

void SoundManager::Update()
{
    for (int i = 1; i < MAX_SOUND_ACTORS; ++i) {
        const SoundActor& actor = m_vSoundActors[i];
        if (!actor.bActive || !actor.pCharacter)
            continue;
        const fx32 pan = PanOfScreenX(actor.pCharacter->GetScreenX());
        CoreSndPlayerSetPan(actor.iEffectPlayer, pan);
        CoreSndPlayerSetPan(actor.iDialogPlayer, pan);
    }
}

fx32 SoundManager::PanOfScreenX(fx32 x)
{
    // Places beyond the screen's edges pan fully to that side; keeping x
    // within them first also keeps the difference from wrapping.
    const fx32 onScreen = x < 0 ? 0 : (x > 2 * SCREEN_CENTRE ? 2 * SCREEN_CENTRE : x);
    const fx32 pan = CoreFx::Div(onScreen - SCREEN_CENTRE, SCREEN_CENTRE);
    return pan < -FX32_ONE ? -FX32_ONE : (pan > FX32_ONE ? FX32_ONE : pan);
}

void SoundManager::PlayMusic(int32_t iSoundId)
{
    const int cue = Id::GetPlatformSoundId(iSoundId);
    if (cue < 0) {
        LogWarning("(PlayMusic) no sound bound for sound ID %d\n", iSoundId);
        m_iCurrentMusicId = -1;
        return;
    }
    // A music is never restarted by asking for it again.
    if (iSoundId == m_iCurrentMusicId)
        return;
    m_iCurrentMusicId = iSoundId;
    CoreSndPlayerPlay(m_iMusicPlayer, static_cast<uint16_t>(cue));
    UpdateMusicVolume();
}

void SoundManager::StopMusic()
{
    if (m_iCurrentMusicId == -1)
        return;
    CoreSndPlayerStop(m_iMusicPlayer);
    CoreSndPlayerClose(m_iMusicPlayer);
    m_iCurrentMusicId = -1;
}

void SoundManager::PlayAmbient(int32_t iSoundId)
{
    const int cue = Id::GetPlatformSoundId(iSoundId);
    if (cue < 0) {
        LogWarning("(PlayAmbient) no sound bound for sound ID %d\n", iSoundId);
        m_iCurrentAmbientId = -1;
        return;
    }
    m_iCurrentAmbientId = iSoundId;
    CoreSndPlayerPlay(m_iAmbientPlayer, static_cast<uint16_t>(cue));
    UpdateAmbientVolume();
}

void SoundManager::StopAmbient()
{
    if (m_iCurrentAmbientId == -1)
        return;
    CoreSndPlayerStop(m_iAmbientPlayer);
    CoreSndPlayerClose(m_iAmbientPlayer);
    m_iCurrentAmbientId = -1;
}

void SoundManager::PlayEffect(int32_t iSoundId)
{
    const int cue = Id::GetPlatformSoundId(iSoundId);
    if (cue < 0) {
        LogWarning("(PlayEffect) no sound bound for sound ID %d\n", iSoundId);
        m_iLastEffectId = -1;
        return;
    }
    m_iLastEffectId = iSoundId;
    CoreSndPlayerPlay(m_iEffectPlayer, static_cast<uint16_t>(cue));
    CoreSndPlayerSetPan(m_iEffectPlayer, 0);
    CoreSndPlayerSetVolume(m_iEffectPlayer, m_fxMasterEffectsVolume);
}

void SoundManager::PlayActorSpeech(int iActorIndex, int32_t iSoundId)
{
    ENGINE_ASSERT(iActorIndex>=0 && iActorIndex<MAX_SOUND_ACTORS);
    if (!IsActorIndex(iActorIndex))
        return;
    const int cue = Id::GetPlatformSoundId(iSoundId);
    if (cue < 0) {
        LogWarning("(PlayActorSpeech) no sound bound for sound ID %d\n", iSoundId);
        return;
    }
    const int player = m_vSoundActors[iActorIndex].iDialogPlayer;
    CoreSndPlayerPlay(player, static_cast<uint16_t>(cue));
    CoreSndPlayerSetPan(player, 0);
    CoreSndPlayerSetVolume(player, CoreFx::Mul(m_fxMasterSpeechVolume, SPEECH_SCALE));
}

void SoundManager::StopActorSpeech(int iActorIndex)
{
    ENGINE_ASSERT(iActorIndex>=0 && iActorIndex<MAX_SOUND_ACTORS);
    if (!IsActorIndex(iActorIndex))
        return;
    CoreSndPlayerStop(m_vSoundActors[iActorIndex].iDialogPlayer);
    CoreSndPlayerClose(m_vSoundActors[iActorIndex].iDialogPlayer);
}

void SoundManager::PlayActorEffect(int iActorIndex, int32_t iSoundId, fx32 volume)
{
    ENGINE_ASSERT(iActorIndex>=0 && iActorIndex<MAX_SOUND_ACTORS);
    if (!IsActorIndex(iActorIndex))
        return;
    const int cue = Id::GetPlatformSoundId(iSoundId);
    if (cue < 0) {
        LogWarning("(PlayActorEffect) no sound bound for sound ID %d\n", iSoundId);
        m_iLastEffectId = -1;
        return;
    }
    m_iLastEffectId = iSoundId;
    const int player = m_vSoundActors[iActorIndex].iEffectPlayer;
    CoreSndPlayerPlay(player, static_cast<uint16_t>(cue));
    CoreSndPlayerSetPan(player, 0);
    CoreSndPlayerSetVolume(player, CoreFx::Mul(m_fxMasterEffectsVolume, volume));
}

void SoundManager::PlayActorAnimSFXAtFrame(SoundCharacter* pCharacter, double seconds)
{
    // The character as the owner of an actor, or null.
    const SoundCharacter* pActor = pCharacter && pCharacter->HasActor() ? pCharacter : nullptr;
    ENGINE_ASSERT(NULL != pActor);
    if (!pActor)
        return;
    const uint32_t actorId = pCharacter->GetActorId();
    const int32_t animationId = pCharacter->GetCurrentAnimationId();
    const double position = pCharacter->GetCurrentAnimationFrame();
    const uint32_t stepSoundSet = pCharacter->GetStepSoundSet();
    for (const AnimSoundRow& row : s_aAnimSounds) {
        if (row.uActorId != actorId || row.iAnimationId != animationId)
            continue;
        if (row.uStepSoundSet != 0 && row.uStepSoundSet != stepSoundSet)
            continue;
        const double frameTime = row.uFrame / ANIMATION_FRAMES_PER_SECOND;
        if (position < frameTime && frameTime <= position + seconds)
            PlayActorEffect(pCharacter->GetSoundActorIndex(), row.iSoundId, row.volume);
    }
}

void SoundManager::SetMusicScriptVolume(fx32 volume)
{
    m_fxMusicScriptVolume = volume;
    UpdateMusicVolume();
}

void SoundManager::SetAmbientScriptVolume(fx32 volume)
{
    m_fxAmbientScriptVolume = volume;
    UpdateAmbientVolume();
}

void SoundManager::SetMusicVolume(fx32 volume)
{
    m_fxMasterMusicVolume = volume;
    UpdateMusicVolume();
    MirrorPercent(VARINT_C_MASTER_MUSIC, volume);
}

void SoundManager::SetAmbientVolume(fx32 volume)
{
    m_fxMasterAmbientVolume = volume;
    UpdateAmbientVolume();
    MirrorPercent(VARINT_C_MASTER_AMBIENT, volume);
}

void SoundManager::SetEffectsVolume(fx32 volume)
{
    MirrorPercent(VARINT_C_MASTER_EFFECTS, volume);
    m_fxMasterEffectsVolume = volume;
    for (const SoundActor& actor : m_vSoundActors)
        CoreSndPlayerSetVolume(actor.iEffectPlayer, volume);
}

void SoundManager::SetSpeechVolume(fx32 volume)
{
    MirrorPercent(VARINT_C_MASTER_SPEECHES, volume);
    m_fxMasterSpeechVolume = volume;
    for (const SoundActor& actor : m_vSoundActors)
        CoreSndPlayerSetVolume(actor.iDialogPlayer, volume);
}

bool SoundManager::LoadGroup(uint32_t uGroupId)
{
    const SoundGroupRow* pGroupStruct = Id::FindSoundGroup(uGroupId);
    ENGINE_ASSERT_MSG(pGroupStruct != NULL, "PushGroup: Invalid group Id %d\n", static_cast<int>(uGroupId));
    if (!pGroupStruct)
        return false;
    if (!pGroupStruct->m_apBanks[0] || !*pGroupStruct->m_apBanks[0])
        CorePrint(&g_oCoreLog, "(PushGroup) no group bound for group ID %d\n", static_cast<int>(uGroupId));
    bool loaded = true;
    for (const char* bank : pGroupStruct->m_apBanks) {
        if (!bank || !*bank)
            break;
        loaded = CoreSndLoadGroup(("sound/" + std::string(bank)).c_str()) && loaded;
    }
    return loaded;
}

int SoundManager::TakeSoundActor(SoundCharacter* pCharacter)
{
    for (int i = 0; i < MAX_SOUND_ACTORS; ++i) {
        SoundActor& actor = m_vSoundActors[i];
        if (actor.bActive)
            continue;
        actor.bActive = 1;
        actor.pCharacter = pCharacter;
        if (pCharacter)
            pCharacter->SetSoundActorIndex(i);
        return i;
    }
    if (pCharacter)
        pCharacter->SetSoundActorIndex(-1);
    return -1;
}

void SoundManager::ReleaseSoundActor(SoundCharacter* pCharacter)
{
    for (SoundActor& actor : m_vSoundActors) {
        if (actor.pCharacter == pCharacter && pCharacter) {
            actor.pCharacter = nullptr;
            actor.bActive = 0;
            break;
        }
    }
    if (pCharacter)
        pCharacter->SetSoundActorIndex(-1);
}

void SoundManager::UpdateMusicVolume()
{
    CoreSndPlayerSetVolume(m_iMusicPlayer, CoreFx::Mul(m_fxMusicScriptVolume, m_fxMasterMusicVolume));
}

void SoundManager::UpdateAmbientVolume()
{
    const fx32 volume = CoreFx::Mul(m_fxAmbientScriptVolume, m_fxMasterAmbientVolume);
    CoreSndPlayerSetVolume(m_iAmbientPlayer, CoreFx::Mul(volume, AMBIENT_SCALE));
}
