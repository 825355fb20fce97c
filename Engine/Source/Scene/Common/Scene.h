#pragma once
#include "3D/Common/Camera.h"
#include "3D/Common/WalkMesh.h"
#include "Common/SceneIds.h"
#include "DataPack/DataPack.h"
#include "Maths/CoreFxVec.h"
#include "Scene/Common/ActorSet.h"
#include "Scene/Common/Layer.h"
#include "Scene/Common/Locator.h"
#include "Scene/Common/SceneLight.h"

#include <cstdint>
#include <memory>

class Entity;
class PackageResource;
class Scriptable;
class SceneObject;
class SerialStream;

// The most attachments a scene holds.
constexpr int32_t MAX_ATTACHMENTS = 16;

// One adventure scene, built from its id: its pack of textures and meshes,
// its description (layers of sprites and regions, entities, locators, actor
// sets), for a 3D scene its camera, lights and walk mesh, its text table and
// its dialogs. The scene script then picks one of its actor sets, which
// brings in the actors, their characters and their attachments.
//
// Files are untrusted: a description or 3D file that is cut short, holds a
// count beyond what it can hold, or a main layer, light count or walk mesh
// that cannot be used is refused with a line naming it, and the load fails.
class Scene {
public:
    Scene();
    virtual ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // The whole load, after Clear; false at the first step that fails, with
    // what was loaded so far left to Shutdown (or the destructor).
    virtual bool Initialize(SceneId iId);
    // Unloads and frees everything the scene holds and unregisters its
    // scriptables; safe after a failed load and more than once.
    virtual void Shutdown();

    // Reads the scene description into the scene.
    bool Initialize2D(SerialStream& stream);
    // Reads the 3D scene file into the camera, the lights and the walk mesh.
    bool Initialize3D(SerialStream& stream);
    // Selects the set of that name (the first one when none has it) and
    // brings in its characters and attachments. An actor that the actor
    // table does not know, or whose character cannot be loaded, is left out
    // with a line naming it.
    void LoadActorSet(const char* pName);
    // Releases what is held and puts every member back to its default.
    void Clear();

    // Adds the character of an actor from its pack; null (and nothing added)
    // when the scene is full or the character cannot be loaded.
    SceneObject* AddCharacter(const char* pPath, uint32_t uActorId, Scriptable& oActor);
    // Loads an attachment by id into the next slot; null when the scene is
    // full, the id is unknown or it cannot be loaded.
    SceneObject* LoadAttachment(uint32_t uAttachmentId);

    bool HasDialog() const { return m_bHasDialog != 0; }
    // The first sprite with that id over every layer, or null.
    Sprite* GetSpriteById(int32_t iId) const;
    // Sprite `index` of the main layer, or null (reported) out of range.
    Sprite* GetSpriteByIndex(int32_t iSpriteIndex) const;
    // The first region of the main layer with that id, or null.
    Region* GetRegionById(int32_t iId) const;
    const Layer* GetMainLayer() const;
    const ActorSet* GetSelectedActorSet() const;
    // The name from the description, terminated.
    const char* GetName() const { return m_sName; }

    SceneId m_iId = 0;
    char m_sName[SCENE_OBJECT_NAME_SIZE + 1] = {};
    uint8_t m_bIs3D = 0;
    uint8_t m_bHasDialog = 0;
    uint8_t m_bHasText = 0;
    uint32_t m_uHeaderWordA = 0;
    // Header word B: the sound manager plays an animation sound entry whose
    // variant is 0 or this.
    uint32_t m_uSoundVariant = 0;
    uint32_t m_aHeaderWords[4] = {};

    std::unique_ptr<Layer[]> m_vLayers;
    int32_t m_iNumLayers = 0;
    int32_t m_iMainLayerIndex = 0;
    // The main layer's width (which bounds scrolling) and height.
    CoreFxVec2 m_oMainLayerSize {};
    // The greatest depth of the main layer's regions and sprites, at least
    // -63.0: where a character in no region stands.
    fx32 m_fNoRegionLayer = 0;
    // The smallest positive depth step between consecutive regions of the
    // main layer; 0 when there is none.
    fx32 m_fRegionDepthStep = 0;

    std::unique_ptr<Entity[]> m_vEntities;
    int32_t m_iNumEntities = 0;
    std::unique_ptr<Locator[]> m_vLocators;
    int32_t m_iNumLocators = 0;
    std::unique_ptr<ActorSet[]> m_vActorSets;
    int32_t m_iNumActorSets = 0;
    int32_t m_iSelectedActorSet = -1;

    Camera m_oCamera;
    SceneLight m_oAmbient;
    SceneLight m_aLights[MAX_SCENE_LIGHTS];
    int32_t m_iNumLights = 0;
    WalkMesh m_oWalkMesh;

    // Characters by slot with their actor ids; the scene owns them and their
    // actors.
    std::unique_ptr<SceneObject> m_apCharacters[MAX_ACTORS];
    std::unique_ptr<Scriptable> m_apActors[MAX_ACTORS];
    uint32_t m_aCharacterIds[MAX_ACTORS] = {};
    int32_t m_iNumCharacters = 0;
    int32_t m_iActiveCharacter = -1;
    int32_t m_iSelectedCharacter = -1;
    std::unique_ptr<SceneObject> m_apAttachments[MAX_ATTACHMENTS];
    uint32_t m_aAttachmentIds[MAX_ATTACHMENTS] = {};
    int32_t m_iNumAttachments = 0;

    PackageResource* m_pScenePackage = nullptr;
    PackageResource* m_pDescPackage = nullptr;
    PackageResource* m_p3DPackage = nullptr;
    PackageResource* m_pTextPackage = nullptr;
    PackageResource* m_pDialogsPackage = nullptr;
    DataPack m_oDataPack;
    int32_t m_iTextBank = -1;
    int32_t m_iDialogSlot = -1;

    // 0 before the scene is loaded, 1 (idle) after.
    int32_t m_iInputState = 0;
    CoreFxVec2 m_oPointerTarget {};
    CoreFxVec m_vShadowDirection {};
    uint8_t m_bFollowOnSettle = 0;

private:
    // The steps of the load after the description.
    bool LoadDescription(const char* pPath);
    bool Load3DFile();
    bool LoadTextAndDialogs();
    // Reads the layers and works out the depths of the main layer.
    bool ReadLayers(SerialStream& stream, uint32_t uLayerCount);
    bool ReadEntities(SerialStream& stream);
    // Links sprites and regions with their entities and entities with their
    // sprites.
    void ResolveEntities();
    bool ReadLocators(SerialStream& stream);
    bool ReadActorSets(SerialStream& stream);
    bool ReadLights(SerialStream& stream);
    // Adds the actor's character and registers the actor; false leaves
    // nothing behind.
    bool AddActor(const char* pName, const ActorSet& oSet, int32_t iCharacter);
    // Everything Shutdown frees, without its log lines.
    void Release();
    void ReleaseCast();
    void ReleaseDescription();
    void UnloadPackage(PackageResource*& pPackage);

    // Entities registered so far, in index order.
    int32_t m_iNumRegisteredEntities = 0;
    uint8_t m_bInterfaceReady = 0;
};
