#pragma once
#include "ScriptEngine/common/ScriptObject.h"
#include "ScriptEngine/common/ScriptTreeCalls.h"

#include <cstdint>

constexpr int MAX_ACTOR_SET = 8;
constexpr int MAX_SOUND_GROUP = 8;
// The actor set a scene loads when none of its linked sets holds.
constexpr const char* DEFAULT_ACTOR_SET = "default";

// The base of every scene's script, of the inventory script and of the system
// script. A scene script links the actor sets and sound groups that its scene
// may load, each under a condition on the game variables, and builds its part
// of the script tree: a scene-start handler that runs the scene's enter
// actions while the game is not interactive, then its exit handlers and its
// ordinary handlers.
class SceneScript : public ScriptObject, public ScriptTreeCalls {
public:
    SceneScript();
    ~SceneScript() override;

    // Links the actor sets and sound groups, loads the chosen ones into the
    // scene and marks the map as active.
    void Init() override;
    void Update(uint32_t dt) override;
    // Stops the music and the ambience and unloads the scene's sound group.
    void ReleaseSounds() override;
    // A scene overrides these to call LinkActorSet and LinkSoundGroup.
    virtual void LinkActorSets();
    virtual void LinkSoundGroups();

    // Adds an actor set (a sound group) chosen when the condition holds. The
    // condition is copied into the owner's node pool, so these work only while
    // the script has an owner. At most seven of each are kept; more are
    // reported and left out.
    void LinkActorSet(const char* pName, const MatchExpr& oCondition);
    void LinkSoundGroup(int32_t iSoundGroupId, const MatchExpr& oCondition);
    // The first linked actor set whose condition holds, else "default".
    const char* SelectActorSet() const;
    // The first linked sound group whose condition holds, else -1.
    int32_t SelectSoundGroup() const;
    int32_t GetActorSetCount() const { return m_iActorSetListSize; }
    int32_t GetSoundGroupCount() const { return m_iSoundGroupListSize; }
    // Linked set (group) i and the pool node of its condition.
    const char* GetActorSetName(int32_t i) const { return m_aActorSets[i].m_pName; }
    ScriptNodeIndex GetActorSetCondition(int32_t i) const { return m_aActorSets[i].m_iCondition; }
    int32_t GetSoundGroupId(int32_t i) const { return m_aSoundGroups[i].m_iSoundGroupId; }
    ScriptNodeIndex GetSoundGroupCondition(int32_t i) const { return m_aSoundGroups[i].m_iCondition; }

    // Builds the script's part of the tree under the builder's current node:
    // the "Init" handler with the enter actions framed by waits and the
    // interactive lock, then the exit handlers, then the handlers.
    static void BuildScriptTree(SceneScript* pScript, ScriptTreeBuilder* pTreeBuilder);

protected:
    // The scene's enter actions, its handlers and its exit handlers; a
    // script overrides those it has, the others add nothing.
    virtual void BuildEnterActions();
    virtual void BuildEvents();
    virtual void BuildExitEvents();

private:
    struct ActorSetEntry {
        const char* m_pName;
        ScriptNodeIndex m_iCondition;
    };
    struct SoundGroupEntry {
        int32_t m_iSoundGroupId;
        ScriptNodeIndex m_iCondition;
    };

    // A copy of the condition in the owner's pool, or NO_NODE (reported).
    ScriptNodeIndex CloneCondition(const MatchExpr& oCondition) const;
    // Whether a linked condition holds on the game variables.
    bool Holds(ScriptNodeIndex iCondition) const;

    ActorSetEntry m_aActorSets[MAX_ACTOR_SET];
    int32_t m_iActorSetListSize = 0;
    SoundGroupEntry m_aSoundGroups[MAX_SOUND_GROUP];
    int32_t m_iSoundGroupListSize = 0;
};
