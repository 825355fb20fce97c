#pragma once
#include "Adventure/Common/Scriptable.h"
#include "Managers/Common/ScriptManager.h"
#include "Scene/Common/SceneCast.h"
#include "Scene/Common/SceneCharacter.h"
#include "Scene/Common/SceneServices.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace TestSupport {

// A scene's services that remember what the scene asked of them: the
// registry as a map (also handed to a script manager when one is given),
// text banks and dialog groups by slot, and whether the interface pieces
// stand. Installed for the life of the object.
class FakeSceneServices final : public SceneServices {
public:
    explicit FakeSceneServices(ScriptManager* pManager = nullptr) : m_pManager(pManager) { SetSceneServices(this); }
    ~FakeSceneServices() override { SetSceneServices(nullptr); }

    bool InsertScriptable(int32_t iId, Scriptable* pScriptable) override
    {
        if (m_pManager)
            m_pManager->InsertScriptable(iId, pScriptable);
        return m_registry.emplace(iId, pScriptable).second;
    }
    bool RemoveScriptable(int32_t iId) override
    {
        if (m_pManager)
            m_pManager->RemoveScriptable(iId);
        return m_registry.erase(iId) == 1;
    }
    int32_t AddTextBank(const char* pName, uint8_t*, uint32_t) override
    {
        m_textBanks.insert(pName);
        return 5;
    }
    void RemoveTextBank(int32_t iBank) override { m_removedTextBanks.push_back(iBank); }
    int32_t AddDialogGroup(const uint8_t*, size_t, int32_t iSceneId, const char* pFileName) override
    {
        m_dialogGroups.emplace_back(iSceneId, pFileName);
        return 7;
    }
    void RemoveDialogGroup(int32_t iSlot) override { m_removedDialogGroups.push_back(iSlot); }
    bool InitializeInterface(Scene&) override
    {
        m_bInterface = m_bInterfaceWorks;
        return m_bInterfaceWorks;
    }
    void ShutdownInterface(Scene&) override { m_bInterface = false; }
    const char* GetSaveSlotLabel(int32_t iSlot) override
    {
        static const char* const s_labels[] = {"Chapter 1", "Empty", "Chapter 3"};
        return iSlot >= 0 && iSlot < 3 ? s_labels[iSlot] : nullptr;
    }

    ScriptManager* m_pManager;
    std::map<int32_t, Scriptable*> m_registry;
    std::set<std::string> m_textBanks;
    std::vector<int32_t> m_removedTextBanks;
    std::vector<std::pair<int32_t, std::string>> m_dialogGroups;
    std::vector<int32_t> m_removedDialogGroups;
    bool m_bInterface = false;
    bool m_bInterfaceWorks = true;
};

// A character or attachment that stands for the real one: its pack path,
// its actor and the animations bound to it. As a character its feet stand
// where the test puts them in the world and on the screen (x moving left by
// the scroll); it is drawn as a two-point line at z = depth / 64 in the
// colour m_uColour, so that a recording device tells it from the sprites.
struct FakeCastMember : SceneCharacter {
    CoreFxVec GetFeetPosition() const override { return m_vFeet; }
    CoreFxVec GetScreenPosition() const override { return {m_vScreen.x - m_iScroll, m_vScreen.y, m_vScreen.z}; }
    void UpdateTransform(const Camera&, fx32 scroll) override
    {
        m_iScroll = scroll;
        ++m_iTransforms;
    }
    void Render(CoreRenderer& renderer, const Scene&) override;
    bool IsVisible() const override { return m_bVisible; }
    void SetForceWalk(bool bForceWalk) override { m_bForceWalk = bForceWalk; }
    void HeadFor(const CoreFxVec& target) override { m_headings.push_back(target); }
    void MoveToWithPath(const CoreFxVec& target, int32_t iMode) override { m_walks.emplace_back(target, iMode); }
    void StopMoving() override { ++m_iStops; }
    void Update(uint32_t milliseconds) override { m_updates.push_back(milliseconds); }

    std::string m_path;
    Scriptable* m_pActor = nullptr;
    std::vector<std::pair<int32_t, uint32_t>> m_animations;
    CoreFxVec m_vFeet {};
    // Where the feet are on the screen before scrolling.
    CoreFxVec m_vScreen {};
    fx32 m_iScroll = 0;
    int32_t m_iTransforms = 0;
    bool m_bVisible = true;
    bool m_bForceWalk = false;
    uint32_t m_uColour = 0xFFFFFFFF;
    std::vector<CoreFxVec> m_headings;
    std::vector<std::pair<CoreFxVec, int32_t>> m_walks;
    int32_t m_iStops = 0;
    std::vector<uint32_t> m_updates;
};

// A cast whose actors are plain scriptables and whose characters load unless
// their path is listed as failing. Installed for the life of the object.
class FakeSceneCast final : public SceneCast {
public:
    FakeSceneCast() { SetSceneCast(this); }
    ~FakeSceneCast() override { SetSceneCast(nullptr); }

    std::unique_ptr<Scriptable> CreateActor(uint32_t uActorId) override
    {
        m_createdActors.push_back(uActorId);
        return std::make_unique<Scriptable>();
    }
    std::unique_ptr<SceneCharacter> LoadCharacter(const char* pPath, uint32_t, Scriptable& oActor, const char*) override
    {
        if (m_failingPaths.count(pPath))
            return nullptr;
        auto character = std::make_unique<FakeCastMember>();
        character->m_path = pPath;
        character->m_pActor = &oActor;
        return character;
    }
    void AddAnimation(SceneObject& oCharacter, int32_t iAnimationId, uint32_t uType) override
    {
        static_cast<FakeCastMember&>(oCharacter).m_animations.emplace_back(iAnimationId, uType);
    }
    std::unique_ptr<SceneObject> LoadAttachment(const char* pPath, uint32_t) override
    {
        auto attachment = std::make_unique<FakeCastMember>();
        attachment->m_path = pPath;
        return attachment;
    }

    std::vector<uint32_t> m_createdActors;
    std::set<std::string> m_failingPaths;
};

} // namespace TestSupport
