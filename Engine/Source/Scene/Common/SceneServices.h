#pragma once
#include <cstddef>
#include <cstdint>

class Scene;
class Scriptable;

// What a scene needs of the parts of the game around it: the script
// manager's registry (entities and actors register there by id), the
// localiser (the scene's text table), the dialog manager (the scene's dialog
// group), the talk screen that every scene shows and the labels of the save
// slots. The game provides them; tests install small fakes.
class SceneServices {
public:
    virtual ~SceneServices() = default;

    // False when the id is taken or the registry refuses it.
    virtual bool InsertScriptable(int32_t iId, Scriptable* pScriptable) = 0;
    virtual bool RemoveScriptable(int32_t iId) = 0;

    // The bank that now holds the text table, -1 when it is refused. The
    // table stays in its caller's buffer.
    virtual int32_t AddTextBank(const char* pName, uint8_t* pTable, uint32_t uSize) = 0;
    virtual void RemoveTextBank(int32_t iBank) = 0;

    // Puts the scene's dialogs into the first free group slot and makes that
    // group current: the slot, or -1 when they are refused.
    virtual int32_t AddDialogGroup(const uint8_t* pData, size_t uSize, int32_t iSceneId, const char* pFileName) = 0;
    virtual void RemoveDialogGroup(int32_t iSlot) = 0;

    // The scene's interface pieces; false when one cannot be made.
    virtual bool InitializeInterface(Scene& oScene) = 0;
    virtual void ShutdownInterface(Scene& oScene) = 0;

    // The label of save slot 0..2 (empty or with its chapter and play time);
    // null when there is none.
    virtual const char* GetSaveSlotLabel(int32_t iSlot) = 0;
};

// The game's: the script manager's registry, the localiser's banks, the
// dialog manager's slots, the talk screen as the scene's interface and the
// save slots' labels.
class GameSceneServices final : public SceneServices {
public:
    bool InsertScriptable(int32_t iId, Scriptable* pScriptable) override;
    bool RemoveScriptable(int32_t iId) override;
    int32_t AddTextBank(const char* pName, uint8_t* pTable, uint32_t uSize) override;
    void RemoveTextBank(int32_t iBank) override;
    int32_t AddDialogGroup(const uint8_t* pData, size_t uSize, int32_t iSceneId, const char* pFileName) override;
    void RemoveDialogGroup(int32_t iSlot) override;
    bool InitializeInterface(Scene& oScene) override;
    void ShutdownInterface(Scene& oScene) override;
    const char* GetSaveSlotLabel(int32_t iSlot) override;
};

// The services every scene uses; SetSceneServices(nullptr) restores the
// game's.
SceneServices& GetSceneServices();
void SetSceneServices(SceneServices* pServices);
