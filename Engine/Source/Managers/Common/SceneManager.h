#pragma once
#include <cstdint>
#include <memory>

class ManagedScene;

// Holds the one current scene of the adventure and replaces it when the
// scripts switch scenes. Menu scenes and adventure scenes are made apart; the
// in-game menu's scene part is loaded when the player goes from a menu scene
// (or none) into an adventure scene and unloaded on the way back. A scene
// that cannot be loaded is not kept: the start menu takes its place.
class SceneManager {
public:
    static constexpr int32_t START_MENU_SCENE = 3;

    static bool IsMenuScene(int32_t iSceneId);

    // Ends the current scene and loads the next one; 0 only ends it.
    static void SetNextScene(int32_t iNextSceneId);
    // Stores the character the player leads and makes it the current scene's
    // active one.
    static void SetPlayingCharacter(uint32_t uActorId);
    static uint32_t GetPlayingCharacter() { return s_uPlayingCharacter; }
    // Ends and deletes the current scene; no current or previous scene.
    static void Terminate();
    // No current or previous scene id and no playing character, as the
    // adventure starts.
    static void ClearSceneIds();

    static ManagedScene* GetCurrentScene() { return s_pCurrentScene.get(); }
    static int32_t GetCurrentSceneId() { return s_iCurrentSceneId; }
    static int32_t GetPreviousSceneId() { return s_iPreviousSceneId; }

private:
    // Makes, loads and keeps the scene; false (nothing kept) when it fails.
    static bool LoadScene(int32_t iSceneId);

    static std::unique_ptr<ManagedScene> s_pCurrentScene;
    static int32_t s_iCurrentSceneId;
    static int32_t s_iPreviousSceneId;
    static uint32_t s_uPlayingCharacter;
};
