#include "Engine/Scripts/Common/SceneScriptNeeds.h"

#include "Common/ActorIds.h"
#include "Common/AnimationIds.h"
#include "Common/SoundIds.h"
#include "Common/VarIds.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Engine/Scripts/Common/SceneScriptLimits.h"
#include "Engine/Scripts/Common/StoryLinks.h"
#include "Managers/Common/VarManager.h"
#include "Scene/Common/ActorSet.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/CharacterAnimations.h"
#include "Sound/GlobalSettingsLayout.h"
#include "Sound/SoundBankLayout.h"
#include "Support/Files.h"

#include <cstdio>
#include <map>
#include <span>

namespace {

std::string Hex(uint32_t uValue)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", uValue);
    return text;
}

// The cycles a figure walks (stands idle) with, as the animation table
// names them.
constexpr const char* WALK_CYCLES[] = {"g_walk_l", "walk_l"};
constexpr const char* IDLE_CYCLES[] = {"g_idle_l", "idle_l"};

// Why the character cannot make the move of the type (see FigureMoves).
std::string MoveLack(const Character& character, uint32_t uActorId, uint32_t uType, std::span<const char* const> cycles)
{
    const CharacterAnimations& animations = character.GetAnimations();
    const char* pMove = uType == ANIMATION_TYPE_WALK ? "walk" : "idle";
    const int32_t iSlot = animations.GetSlot(uType);
    if (iSlot >= 0) {
        const int32_t iAnimation = animations.GetEntry(iSlot).m_iId;
        return animations.GetEntry(iSlot).m_iSet >= 0 ? ""
                                                      : std::string("is given ") + pMove + " animation " +
                                                            Id::GetAnimationName(iAnimation) + ", which it lacks";
    }
    for (const char* pCycle : cycles) {
        const int32_t iCycle = Id::GetAnimationId(uActorId, pCycle);
        float period = 0.0f;
        if (iCycle != ANIMATION_INVALID && character.GetBody() != nullptr &&
            character.GetBody()->FindSet(Id::GetActorAnimFileName(uActorId, iCycle), period) >= 0)
            return std::string("is given no ") + pMove + " animation, though it holds " + pCycle;
    }
    return "";
}

enum class Move {
    Walk,
    Idle,
    None
};

Move MoveNeeded(int32_t iActionType)
{
    switch (iActionType) {
    case ID_ACTION_TYPE_WALK_TO_ACTOR:
    case ID_ACTION_TYPE_WALK_TO_WAYPOINT: return Move::Walk;
    case ID_ACTION_TYPE_TURN_TO_WAYPOINT:
    case ID_ACTION_TYPE_TURN_TO_ACTOR:
    case ID_ACTION_TYPE_TURN_TO_ANGLE:
    case ID_ACTION_TYPE_PLACE_AT_WAYPOINT:
    case ID_ACTION_TYPE_ANIMATION:
    case ID_ACTION_TYPE_PLAY_ANIMATION:
    case ID_ACTION_TYPE_ANIMATION_HOLD: return Move::Idle;
    default: return Move::None;
    }
}

const char* Verb(int32_t iActionType)
{
    switch (iActionType) {
    case ID_ACTION_TYPE_WALK_TO_ACTOR:
    case ID_ACTION_TYPE_WALK_TO_WAYPOINT: return "walks";
    case ID_ACTION_TYPE_PLACE_AT_WAYPOINT: return "places";
    case ID_ACTION_TYPE_ANIMATION:
    case ID_ACTION_TYPE_PLAY_ANIMATION:
    case ID_ACTION_TYPE_ANIMATION_HOLD: return "animates";
    default: return "turns";
    }
}

// Whether the action turns its actor the way a turn does, toward where it
// walks or looks (a turn to an angle is set at once).
bool Turns(int32_t iActionType)
{
    return iActionType == ID_ACTION_TYPE_WALK_TO_ACTOR || iActionType == ID_ACTION_TYPE_WALK_TO_WAYPOINT ||
           iActionType == ID_ACTION_TYPE_TURN_TO_WAYPOINT || iActionType == ID_ACTION_TYPE_TURN_TO_ACTOR;
}

bool PlaysAnimation(int32_t iActionType)
{
    return iActionType == ID_ACTION_TYPE_ANIMATION || iActionType == ID_ACTION_TYPE_PLAY_ANIMATION ||
           iActionType == ID_ACTION_TYPE_ANIMATION_HOLD;
}

bool PlaysSound(int32_t iActionType)
{
    return iActionType == ID_ACTION_TYPE_PLAY_SOUND_EFFECT || iActionType == ID_ACTION_TYPE_PLAY_MUSIC ||
           iActionType == ID_ACTION_TYPE_PLAY_AMBIENT || iActionType == ID_ACTION_TYPE_PLAY_ACTOR_SOUND;
}

// Why a bank is not loaded with the load.
std::string NotLoadedBy(const LoadedBanks& load)
{
    return load.iGroup == -1 ? "the scene, loading no sound group then, lacks"
                             : "its sound group " + Hex(static_cast<uint32_t>(load.iGroup)) + " does not load";
}

// Whether a condition on the chapter leads to the node: one between it and
// the root whose outcome the chapter decides.
bool IsLedToByChapter(const ScriptNodePool& pool, ScriptNodeIndex iRoot, ScriptNodeIndex iNode, int32_t iChapter)
{
    for (iNode = pool[iNode].m_iParent; pool.Contains(iNode) && iNode != iRoot; iNode = pool[iNode].m_iParent)
        if (pool[iNode].m_iType == NodeType_Condition && HoldsInChapter(pool, iNode, iChapter).has_value())
            return true;
    return false;
}

// Beyond this many flags, the sets and groups a scene may load are judged
// by the chapter alone.
constexpr size_t MAX_ENUMERATED_FLAGS = 8;

// The flags that the condition tests, and whether it compares a number
// other than the chapter.
void AddVariables(const ScriptNodePool& pool, ScriptNodeIndex iCondition, std::set<int32_t>& flags, bool& bOtherNumbers)
{
    if (!pool.Contains(iCondition) || pool[iCondition].m_iType != NodeType_Condition)
        return;
    const MatchCondition& record = pool[iCondition].m_oCondition.m_oRecord;
    if (IsLogicOp(record.m_iOp)) {
        AddVariables(pool, record.m_iA, flags, bOtherNumbers);
        if (record.m_iOp != Op_Not)
            AddVariables(pool, record.m_iB, flags, bOtherNumbers);
    } else if (record.m_iOp >= Op_BoolEqual) {
        flags.insert(record.m_iA);
    } else if (record.m_iA != VARINT_CURRENT_CHAPTER) {
        bOtherNumbers = true;
    }
}

// Whether the action's handler may run where these callbacks are sent.
bool MayRun(const ChapterAction& action, const SentCallbacks& sent, const std::set<uint32_t>& sendable)
{
    return action.trigger != ChapterAction::Trigger::Callback || sendable.count(action.uCallback) == 0 ||
           sent.known.count(action.uCallback) != 0 || sent.maybe.count(action.uCallback) != 0;
}

// Whether the action runs in the chapter for sure, once its handler runs.
bool IsOfChapter(const ChapterAction& action, const SentCallbacks& sent)
{
    return action.bChapterLed || action.trigger == ChapterAction::Trigger::Start ||
           (action.trigger == ChapterAction::Trigger::Callback && sent.known.count(action.uCallback) != 0);
}

} // namespace

std::optional<FigureMoves> ReadFigureMoves(const char* pPath, uint32_t uActorId, const ActorSet& set,
                                           int32_t iCharacter)
{
    Character character(uActorId);
    if (pPath == nullptr || !character.LoadBody(pPath))
        return std::nullopt;
    std::set<int32_t> given;
    for (int32_t a = 0; a < set.m_aNumAnimations[iCharacter]; ++a) {
        const ActorSetAnimation& animation = set.m_apAnimations[iCharacter][a];
        const int32_t iAnimation = Id::GetAnimationId(uActorId, animation.m_pName);
        character.AddAnimation(iAnimation, animation.m_uType);
        given.insert(iAnimation);
    }
    const CharacterAnimations& animations = character.GetAnimations();
    const bool bTurns = animations.GetSlot(ANIMATION_TYPE_WALK) >= 0 || animations.GetSlot(ANIMATION_TYPE_IDLE) >= 0;
    return FigureMoves {MoveLack(character, uActorId, ANIMATION_TYPE_WALK, WALK_CYCLES),
                        MoveLack(character, uActorId, ANIMATION_TYPE_IDLE, IDLE_CYCLES),
                        bTurns ? "" : "is given neither a walk nor an idle animation to turn with", given};
}

std::optional<SoundCueBanks> ReadSoundCueBanks(const std::string& settingsPath, const std::string& soundBankPath)
{
    const std::vector<uint8_t> settings = TestSupport::ReadFileBytes(settingsPath);
    const std::vector<uint8_t> bank = TestSupport::ReadFileBytes(soundBankPath);
    Platform::GlobalSettingsInfo settingsInfo;
    Platform::SoundBankInfo bankInfo;
    if (settings.empty() || bank.empty() ||
        !Platform::CheckGlobalSettings(settings.data(), settings.size(), settingsInfo).empty() ||
        !Platform::CheckSoundBank(bank.data(), bank.size(), settingsInfo.categoryNames.size(), bankInfo).empty())
        return std::nullopt;
    SoundCueBanks cues;
    for (const SoundRow& row : Id::GetSoundTable()) {
        const size_t cue = static_cast<uint16_t>(row.m_iPlatformSoundId);
        std::set<std::string>& banks = cues[row.m_iSoundId];
        if (cue < bankInfo.cueWaves.size())
            for (const Platform::SoundBankWaveRef& wave : bankInfo.cueWaves[cue])
                banks.insert(bankInfo.waveBankNames[wave.waveBank]);
    }
    return cues;
}

std::vector<int32_t> ChoicesInChapter(const ScriptNodePool& pool, std::span<const ScriptNodeIndex> conditions,
                                      int32_t iChapter)
{
    std::set<int32_t> flags;
    bool bOtherNumbers = false;
    for (const ScriptNodeIndex iCondition : conditions)
        AddVariables(pool, iCondition, flags, bOtherNumbers);
    std::set<int32_t> choices;
    if (bOtherNumbers || flags.size() > MAX_ENUMERATED_FLAGS) {
        // Too many ways to set them: a condition that the chapter does not
        // decide may or may not hold.
        size_t i = 0;
        for (; i < conditions.size(); ++i) {
            const std::optional<bool> holds = HoldsInChapter(pool, conditions[i], iChapter);
            if (holds != false)
                choices.insert(static_cast<int32_t>(i));
            if (holds == true)
                break;
        }
        if (i == conditions.size())
            choices.insert(static_cast<int32_t>(i));
        return {choices.begin(), choices.end()};
    }
    // Every way of setting the flags, each picking the first that holds.
    const std::vector<int32_t> named(flags.begin(), flags.end());
    for (uint32_t uWay = 0; uWay < (1u << named.size()); ++uWay) {
        VarSet vars;
        vars.SetInt(VARINT_CURRENT_CHAPTER, iChapter);
        for (size_t f = 0; f < named.size(); ++f)
            vars.SetBool(named[f], static_cast<uint8_t>((uWay >> f) & 1u));
        size_t i = 0;
        while (i < conditions.size() && !pool.EvalCondition(conditions[i], vars))
            ++i;
        choices.insert(static_cast<int32_t>(i));
    }
    return {choices.begin(), choices.end()};
}

std::vector<UnmetNeed> UnmetFigureNeeds(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                        std::span<const ScriptNodeIndex> nodes, const SceneDesc& scene,
                                        const ChapterSupplies& supplies)
{
    std::vector<UnmetNeed> unmet;
    for (const ScriptNodeIndex iNode : nodes) {
        if (pool[iNode].m_iType != NodeType_Action)
            continue;
        const ActionDesc& action = pool[iNode].m_oAction;
        const Move move = MoveNeeded(action.m_iActionType);
        if (move == Move::None || !IsActorScriptableId(action.m_iTargetId))
            continue;
        const uint32_t uActor = static_cast<uint32_t>(action.m_iTargetId);
        for (const CastFigures& cast : supplies.casts) {
            const auto figure = cast.figures.find(uActor);
            // An actor the cast does not hold is not there to move.
            if (figure == cast.figures.end())
                continue;
            const std::string& lack = move == Move::Walk ? figure->second.walk : figure->second.idle;
            const std::string& turnLack = Turns(action.m_iActionType) ? figure->second.turn : lack;
            if (lack.empty() && !turnLack.empty())
                unmet.push_back({HandlerOf(pool, iRoot, iNode, scene),
                                 std::string(Verb(action.m_iActionType)) + " " + Id::GetActorName(uActor) +
                                     ", whose figure in actor set \"" + cast.name + "\" " + turnLack});
            if (!lack.empty())
                unmet.push_back({HandlerOf(pool, iRoot, iNode, scene),
                                 std::string(Verb(action.m_iActionType)) + " " + Id::GetActorName(uActor) +
                                     ", whose figure in actor set \"" + cast.name + "\" " + lack});
        }
    }
    return unmet;
}

std::vector<UnmetNeed> UnmetAnimationNeeds(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                           std::span<const ScriptNodeIndex> nodes, const SceneDesc& scene,
                                           const ChapterSupplies& supplies)
{
    // What the nodes play on each actor: more than a character holds cannot
    // all be in one list.
    std::map<uint32_t, std::set<int32_t>> played;
    for (const ScriptNodeIndex iNode : nodes) {
        const ActionDesc& action = pool[iNode].m_oAction;
        if (pool[iNode].m_iType == NodeType_Action && PlaysAnimation(action.m_iActionType) &&
            IsActorScriptableId(action.m_iTargetId))
            played[static_cast<uint32_t>(action.m_iTargetId)].insert(action.m_oParameter[0]);
    }
    std::vector<UnmetNeed> unmet;
    for (const ScriptNodeIndex iNode : nodes) {
        const ActionDesc& action = pool[iNode].m_oAction;
        if (pool[iNode].m_iType != NodeType_Action || !PlaysAnimation(action.m_iActionType) ||
            !IsActorScriptableId(action.m_iTargetId))
            continue;
        const uint32_t uActor = static_cast<uint32_t>(action.m_iTargetId);
        const int32_t iAnimation = action.m_oParameter[0];
        const bool bOverfull = played[uActor].size() > static_cast<size_t>(MAX_ANIMATIONS);
        for (const CastFigures& cast : supplies.casts) {
            const auto figure = cast.figures.find(uActor);
            if (figure == cast.figures.end() || figure->second.given.count(iAnimation) != 0 ||
                (bOverfull && figure->second.given.size() == static_cast<size_t>(MAX_ANIMATIONS)))
                continue;
            unmet.push_back(
                {HandlerOf(pool, iRoot, iNode, scene), std::string("plays ") + Id::GetAnimationName(iAnimation) +
                                                           " on " + Id::GetActorName(uActor) +
                                                           ", whose list in actor set \"" + cast.name + "\" lacks it"});
        }
    }
    return unmet;
}

std::vector<ChapterAction> SoundAndDialogActions(const ScriptNodePool& pool, ScriptNodeIndex iRoot,
                                                 std::span<const ScriptNodeIndex> nodes, const SceneDesc& scene,
                                                 int32_t iChapter)
{
    std::vector<ChapterAction> actions;
    for (const ScriptNodeIndex iNode : nodes) {
        if (pool[iNode].m_iType != NodeType_Action)
            continue;
        const ActionDesc& action = pool[iNode].m_oAction;
        if (!PlaysSound(action.m_iActionType) && action.m_iActionType != ID_ACTION_TYPE_START_DIALOG)
            continue;
        ChapterAction& reached = actions.emplace_back();
        reached.handler = HandlerOf(pool, iRoot, iNode, scene);
        reached.bChapterLed = IsLedToByChapter(pool, iRoot, iNode, iChapter);
        reached.iActionType = action.m_iActionType;
        reached.iValue = action.m_oParameter[0];
        if (const EventDesc* pEvent = EventOf(pool, iRoot, iNode)) {
            if (pEvent->m_eType == TwEventType_Init)
                reached.trigger = ChapterAction::Trigger::Start;
            if (pEvent->m_eType == TwEventType_Dialog_CB) {
                reached.trigger = ChapterAction::Trigger::Callback;
                reached.uCallback = static_cast<uint32_t>(pEvent->m_oParameter[0]);
            }
        }
    }
    return actions;
}

DialogCallbacks DialogCallbacksInChapter(const std::string& path, int32_t iChapter)
{
    DialogCallbacks callbacks;
    VisitDialogNodesInChapter(path, iChapter, [&](uint32_t uKey, const DialogNode& node) {
        std::set<uint32_t>& sent = callbacks[uKey];
        if (node.m_eType == DialogNode::DLG_ACTION && node.m_uWord1 == DialogNode::DLG_ACTION_CALLBACK)
            sent.insert(node.m_uWord2);
    });
    return callbacks;
}

DialogCallbacks CallbacksEveryRunSends(const std::string& path, int32_t iChapter)
{
    DialogCallbacks callbacks;
    std::set<uint32_t> mayHaveEnded;
    VisitDialogNodesInChapter(path, iChapter, [&](uint32_t uKey, const DialogNode& node) {
        if (node.m_pParent == nullptr || node.m_pParent->m_eType != DialogNode::DLG_ROOT || mayHaveEnded.contains(uKey))
            return;
        if (node.m_eType == DialogNode::DLG_CHOICE || node.m_eType == DialogNode::DLG_JUMP)
            mayHaveEnded.insert(uKey);
        // A line sent only in the chapter it is read in is sent every run.
        else if ((!node.m_pCondition || RecordsHoldInChapter(node.m_pCondition->GetRecords(), iChapter) == true) &&
                 node.m_eType == DialogNode::DLG_ACTION && node.m_uWord1 == DialogNode::DLG_ACTION_CALLBACK)
            callbacks[uKey].insert(node.m_uWord2);
    });
    return callbacks;
}

std::vector<SentCallbacks> CallbacksSentByChapter(const std::vector<std::vector<ChapterAction>>& actions,
                                                  const std::vector<DialogCallbacks>& dialogs,
                                                  const std::set<uint32_t>& sendable)
{
    std::vector<SentCallbacks> sent(actions.size());
    for (bool bGrew = true; bGrew;) {
        bGrew = false;
        for (size_t c = 0; c < actions.size() && c < dialogs.size(); ++c)
            for (const ChapterAction& action : actions[c]) {
                if (action.iActionType != ID_ACTION_TYPE_START_DIALOG || !MayRun(action, sent[c], sendable))
                    continue;
                const auto dialog = dialogs[c].find(static_cast<uint32_t>(action.iValue));
                if (dialog == dialogs[c].end())
                    continue;
                std::set<uint32_t>& to = IsOfChapter(action, sent[c]) ? sent[c].known : sent[c].maybe;
                for (const uint32_t uCallback : dialog->second)
                    bGrew = to.insert(uCallback).second || bGrew;
            }
    }
    return sent;
}

std::vector<UnmetNeed> UnmetSoundNeeds(std::span<const ChapterAction> actions, const SentCallbacks& sentThen,
                                       const std::set<uint32_t>& sendable, const ChapterSupplies& supplies,
                                       const std::set<std::string>& everLoaded, const SoundCueBanks& cues)
{
    std::vector<UnmetNeed> unmet;
    for (const ChapterAction& action : actions) {
        if (!PlaysSound(action.iActionType) || !MayRun(action, sentThen, sendable))
            continue;
        const auto cue = cues.find(action.iValue);
        if (cue == cues.end())
            continue; // not in the sound table: the script audit reports it
        const std::string plays = "plays sound " + Hex(static_cast<uint32_t>(action.iValue)) + " from wave bank ";
        const bool bOfChapter = IsOfChapter(action, sentThen);
        for (const std::string& bank : cue->second) {
            if (!bOfChapter && everLoaded.count(bank) == 0)
                unmet.push_back({action.handler, plays + bank + ", which the scene never loads"});
            for (const LoadedBanks& load : supplies.loads)
                if (bOfChapter && load.banks.count(bank) == 0)
                    unmet.push_back({action.handler, plays + bank + ", which " + NotLoadedBy(load)});
        }
    }
    return unmet;
}
