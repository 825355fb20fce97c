#pragma once
#include <cstdint>

class SceneScript;

// Creates a scene's script object; registered in the scene's row.
using SceneScriptFactory = SceneScript* (*)();

using SceneId = int32_t;
constexpr SceneId ID_SCENE_FIRST = 1;
constexpr SceneId ID_SCENE_LAST = 64;
constexpr int MAX_ACTORS_PER_SET = 5;

struct ActorSetRecord {
    const char* m_pName;
    // Up to five actor ids, ended by 0.
    uint32_t m_aActorIds[MAX_ACTORS_PER_SET + 1];
};

struct SceneDesc {
    SceneId m_iId;
    const char* m_pName;
    SceneScriptFactory m_pFactory;
    uint8_t m_bIs3D;
    uint8_t m_bHasDialog;
    uint8_t m_bHasText;
    uint8_t m_bUnused;
    int32_t m_iNbObjects;
    const char* const* m_ppObjectNames;
    int32_t m_iNbActorSets;
    const ActorSetRecord* m_pActorSets;
};

namespace Id {

// The registry: the scene rows in registry order, ended by a null pointer.
const SceneDesc* const* GetSceneRegistry();
// The row of the scene, or null.
const SceneDesc* GetSceneDesc(int iSceneId);
// "scenes/" + name + ".twscene.pc", or null for an unknown scene.
const char* GetScenePath(int iSceneId);
// "scenes/" + name + ".3dscene.o" / ".dialogs.dat" / ".twscene.dr"; null for
// an unknown scene.
const char* GetScene3DPath(int iSceneId);
const char* GetSceneDialogsPath(int iSceneId);
const char* GetScenePackPath(int iSceneId);
// "text/" + the language's code + "TextBG" + the scene's three digits + ".dat";
// null for an unknown scene.
const char* GetSceneTextPath(int iSceneId, int iLanguage);
// The code of a language ("en-GB" ...), "unknown" when it has none.
const char* GetLanguageCode(int iLanguage);

} // namespace Id

// The front-end scenes that do without the in-game menu: the start menu (3),
// the chapter menu (1), the controls (4) and the loading placeholder (61).
bool IsMenuScene(int iSceneId);

// A new script object for the scene from its row's factory; null when the
// scene has no row or no script class.
SceneScript* CreateScriptFromId(int iSceneId);
