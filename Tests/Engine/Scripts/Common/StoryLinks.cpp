#include "Engine/Scripts/Common/StoryLinks.h"

#include "Common/VarIds.h"
#include "Dialogs/Common/Dialog.h"
#include "Dialogs/Common/DialogCondition.h"
#include "Engine/Scripts/Common/SceneScriptAudit.h"
#include "Engine/Scripts/Common/SceneScriptLimits.h"
#include "Interface/Common/QuestTable.h"
#include "ScriptEngine/common/ActionDesc.h"
#include "ScriptEngine/common/ActionParameter.h"
#include "Scripts/Common/ChapterStarts.h"
#include "Support/Files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace {

std::string HexOfLink(uint32_t uValue)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", uValue);
    return text;
}

bool IsFlagTest(const MatchCondition& record)
{
    return !IsLogicOp(record.m_iOp) && record.m_iOp >= Op_BoolEqual;
}

constexpr std::string_view CHAPTER_MENU = "bg900_chapter_menu";

// The chapters of the story, each played with its own start.
constexpr int32_t FIRST_STORY_CHAPTER = FIRST_STARTED_CHAPTER;
constexpr int32_t LAST_STORY_CHAPTER = LAST_STARTED_CHAPTER;

// Flags that the engine sets itself whatever the chapter.
constexpr int32_t ENGINE_SET_FLAGS[] = {VARBOOL_ACTIVE_MAP, VARBOOL_C_WIN_MINIGAME, VARBOOL_C_CHEAT_MINIGAME,
                                        VARBOOL_C_PLAYED_MINIGAME_01};

// The flags that the condition node tests, through its operands.
std::vector<int32_t> TestedFlags(const ScriptNodePool& pool, ScriptNodeIndex iCondition)
{
    if (!pool.Contains(iCondition) || pool[iCondition].m_iType != NodeType_Condition)
        return {};
    const MatchCondition& record = pool[iCondition].m_oCondition.m_oRecord;
    if (IsFlagTest(record))
        return {record.m_iA};
    if (!IsLogicOp(record.m_iOp))
        return {};
    std::vector<int32_t> flags = TestedFlags(pool, record.m_iA);
    if (record.m_iOp != Op_Not)
        for (const int32_t iFlag : TestedFlags(pool, record.m_iB))
            flags.push_back(iFlag);
    return flags;
}

void AddDialogNodeFlags(const std::string& place, const DialogNode& node, int32_t iChapter, FlagUses& uses)
{
    if (node.m_pCondition)
        for (const MatchCondition& record : node.m_pCondition->GetRecords())
            if (IsFlagTest(record))
                uses.reads.Add(record.m_iA, iChapter, place);
    if (node.m_eType == DialogNode::DLG_ACTION && node.m_uWord1 == DialogNode::DLG_ACTION_SET_BOOL &&
        node.m_uWord3 != 0)
        uses.sets.Add(static_cast<int32_t>(node.m_uWord2), iChapter, place);
}

void VisitDialogNode(uint32_t uKey, const DialogNode& node, int32_t iChapter,
                     const std::function<void(uint32_t, const DialogNode&)>& visit)
{
    if (node.m_pCondition && RecordsHoldInChapter(node.m_pCondition->GetRecords(), iChapter) == false)
        return;
    visit(uKey, node);
    for (int32_t i = 0; i < node.m_iNbChildren; ++i)
        VisitDialogNode(uKey, node.m_pChildren[i], iChapter, visit);
}

std::string FlagName(int32_t iFlag)
{
    const char* pName = Id::GetVarBoolName(iFlag);
    return pName != nullptr ? pName : "flag " + std::to_string(iFlag);
}

// The first chapter in which something sets the flag, and what.
struct FirstSetting {
    int32_t iChapter;
    std::string place;
};

std::optional<FirstSetting> FirstSettingOf(const FlagUses& uses, int32_t iFlag)
{
    std::optional<FirstSetting> first;
    for (const ChapterUses* pSetters : {&uses.sets, &uses.started}) {
        const auto set = pSetters->chapters.find(iFlag);
        if (set != pSetters->chapters.end() && (!first || *set->second.begin() < first->iChapter))
            first = FirstSetting {*set->second.begin(), pSetters->places.at(iFlag)};
    }
    return first;
}

// The chapter in a quest entry's name: 4 for VARBOOL_QUEST_C4_FIND_BRISCOE01.
int32_t ChapterOfQuest(const std::string& openFlag)
{
    constexpr std::string_view PREFIX = "VARBOOL_QUEST_C";
    return openFlag.starts_with(PREFIX) ? std::atoi(openFlag.c_str() + PREFIX.size()) : 0;
}

} // namespace

void ChapterUses::Add(int32_t iId, int32_t iChapter, const std::string& place)
{
    chapters[iId].insert(iChapter);
    places.emplace(iId, place);
}

void AddScriptFlagUses(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                       const SceneDesc& scene, int32_t iChapter, FlagUses& uses)
{
    // The chapter menu's buttons set what the start of each chapter holds,
    // whatever chapter the menu is shown in: that is no story played.
    ChapterUses& setters = scene.m_pName == CHAPTER_MENU ? uses.started : uses.sets;
    for (const ScriptNodeIndex iNode : nodes) {
        const ScriptNode& node = pool[iNode];
        if (node.m_iType == NodeType_Condition)
            for (const int32_t iFlag : TestedFlags(pool, iNode))
                uses.reads.Add(iFlag, iChapter, HandlerOf(pool, iRoot, iNode, scene));
        if (node.m_iType != NodeType_Action)
            continue;
        const ActionDesc& action = node.m_oAction;
        const bool bSetsTrue = action.m_iActionType == ID_ACTION_TYPE_SET_VARIABLE &&
                               action.m_iParameterType[1] == ID_PARAMETER_TYPE_BOOL && action.m_oParameter[1] != 0;
        // The slot check sets its flag when the slot is empty.
        if (bSetsTrue || action.m_iActionType == ID_ACTION_TYPE_IS_SLOT_EMPTY)
            setters.Add(action.m_oParameter[0], iChapter, HandlerOf(pool, iRoot, iNode, scene));
    }
}

bool VisitDialogNodesInChapter(const std::string& path, int32_t iChapter,
                               const std::function<void(uint32_t, const DialogNode&)>& visit)
{
    const std::vector<uint8_t> bytes = TestSupport::ReadFileBytes(path);
    Dialog group;
    if (bytes.empty() || !group.Initialize(bytes.data(), bytes.size(), path.c_str()))
        return false;
    for (int32_t i = 0; i < group.GetNumDialogs(); ++i)
        if (const DialogNode* pRoot = group.GetRoot(group.GetKeys()[i].m_iRootIndex))
            VisitDialogNode(group.GetKeys()[i].m_uKey, *pRoot, iChapter, visit);
    return true;
}

bool AddDialogFlagUses(const std::string& path, int32_t iChapter, FlagUses& uses)
{
    const std::string group = path.substr(path.find_last_of('/') + 1);
    return VisitDialogNodesInChapter(path, iChapter, [&](uint32_t uKey, const DialogNode& node) {
        AddDialogNodeFlags(group + " dialog " + HexOfLink(uKey), node, iChapter, uses);
    });
}

void AddGameFlagUses(FlagUses& uses)
{
    for (int32_t iChapter = FIRST_STORY_CHAPTER; iChapter <= LAST_STORY_CHAPTER; ++iChapter) {
        for (const QuestRow& row : GetQuestTable()) {
            uses.reads.Add(row.m_iOpenFlag, iChapter, "the quest log");
            uses.reads.Add(row.m_iCloseFlag, iChapter, "the quest log");
        }
        for (const int32_t iFlag : ChapterStartOf(iChapter)->bools)
            uses.started.Add(iFlag, iChapter, "the chapter menu");
        for (const int32_t iFlag : ENGINE_SET_FLAGS)
            uses.sets.Add(iFlag, iChapter, "the engine");
        for (int32_t iTrophy = VARBOOL_TROPHY_TALK_TO_ACTOR_00; iTrophy < VARBOOL_TROPHY_TALK_TO_ACTOR_END; ++iTrophy)
            uses.sets.Add(iTrophy, iChapter, "the engine");
    }
}

void AddAwaitedCallbacks(const ScriptNodePool& pool, ScriptNodeIndex iRoot, std::span<const ScriptNodeIndex> nodes,
                         const SceneDesc& scene, int32_t iChapter, ChapterUses& awaited)
{
    for (const ScriptNodeIndex iNode : nodes)
        if (pool[iNode].m_iType == NodeType_Event && pool[iNode].m_oEvent.m_eType == TwEventType_Dialog_CB)
            awaited.Add(pool[iNode].m_oEvent.m_oParameter[0], iChapter, HandlerOf(pool, iRoot, iNode, scene));
}

std::vector<std::string> UnsetFlags(const FlagUses& uses, const AllowedLinks& allowed)
{
    std::vector<std::string> faults;
    std::set<std::string> unset;
    for (const auto& [iFlag, readIn] : uses.reads.chapters) {
        const std::optional<FirstSetting> set = FirstSettingOf(uses, iFlag);
        // The story carries a flag on from the chapter that set it.
        if (set && set->iChapter <= *readIn.rbegin())
            continue;
        const std::string name = FlagName(iFlag);
        unset.insert(name);
        if (allowed.count(name) != 0)
            continue;
        faults.push_back(name + " is read by " + uses.reads.places.at(iFlag) +
                         (!set ? " and set by nothing"
                               : " up to chapter " + std::to_string(*readIn.rbegin()) + " and set only from chapter " +
                                     std::to_string(set->iChapter) + " on, by " + set->place));
    }
    for (const auto& [name, reason] : allowed)
        if (unset.count(name) == 0)
            faults.push_back(name + " is allowed unset (" + reason + ") but is read and set, or not read");
    return faults;
}

std::vector<std::string> QuestEntriesOpenedLate(const FlagUses& uses, const AllowedLinks& allowed)
{
    std::vector<std::string> faults;
    std::set<std::string> late;
    for (const QuestRow& row : GetQuestTable()) {
        const std::string name = FlagName(row.m_iOpenFlag);
        const int32_t iChapter = ChapterOfQuest(name);
        const auto played = uses.sets.chapters.find(row.m_iOpenFlag);
        const bool bPlayed = played != uses.sets.chapters.end();
        // An entry nothing opens is the unset-flag check's to report.
        if ((bPlayed && played->second.count(iChapter) != 0) ||
            (!bPlayed && uses.started.chapters.count(row.m_iOpenFlag) == 0))
            continue;
        late.insert(name);
        if (allowed.count(name) != 0)
            continue;
        faults.push_back(name + " is an entry of chapter " + std::to_string(iChapter) + " that nothing chapter " +
                         std::to_string(iChapter) + " plays opens; " +
                         (!bPlayed ? "only the chapter menu opens it"
                                   : uses.sets.places.at(row.m_iOpenFlag) + " opens it in chapter " +
                                         std::to_string(*played->second.begin())));
    }
    for (const auto& [name, reason] : allowed)
        if (late.count(name) == 0)
            faults.push_back(name + " is allowed to open outside its chapter (" + reason +
                             ") but its chapter opens it, or nothing does");
    return faults;
}

std::string CallbackName(const SceneDesc& scene, uint32_t uCallback)
{
    return std::string(scene.m_pName).substr(0, 5) + " " + HexOfLink(uCallback);
}

std::vector<std::string> UnsentCallbacks(const SceneDesc& scene, const ChapterUses& awaited,
                                         const std::map<int32_t, std::set<uint32_t>>& sent, const AllowedLinks& allowed)
{
    std::vector<std::string> faults;
    std::set<std::string> unsent;
    for (const auto& [iCallback, chapters] : awaited.chapters) {
        const uint32_t uCallback = static_cast<uint32_t>(iCallback);
        // A handler kept in every chapter needs its callback in one of them.
        if (std::any_of(chapters.begin(), chapters.end(), [&](int32_t iChapter) {
                const auto then = sent.find(iChapter);
                return then != sent.end() && then->second.count(uCallback) != 0;
            }))
            continue;
        const std::string name = CallbackName(scene, uCallback);
        unsent.insert(name);
        if (allowed.count(name) != 0)
            continue;
        std::string line = name + ": " + awaited.places.at(iCallback) + " waits for it, sent by no dialog in chapter";
        for (const int32_t iChapter : chapters)
            line += " " + std::to_string(iChapter);
        faults.push_back(line);
    }
    const std::string prefix = CallbackName(scene, 0).substr(0, 6);
    for (const auto& [name, reason] : allowed)
        if (name.starts_with(prefix) && unsent.count(name) == 0)
            faults.push_back(name + " is allowed unsent (" + reason + ") but is sent, or not waited for");
    return faults;
}
