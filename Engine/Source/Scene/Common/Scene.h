#pragma once
#include "3D/Common/Camera.h"
#include "3D/Common/WalkMesh.h"
#include "Common/SceneIds.h"
#include "DataPack/DataPack.h"
#include "Managers/Common/ManagedScene.h"
#include "Maths/CoreFxVec.h"
#include "Scene/Common/ActorSet.h"
#include "Scene/Common/Character.h"
#include "Scene/Common/InterfaceSprite.h"
#include "Scene/Common/Layer.h"
#include "Scene/Common/Locator.h"
#include "Scene/Common/SceneCharacter.h"
#include "Scene/Common/SceneCursor.h"
#include "Scene/Common/SceneEventParams.h"
#include "Scene/Common/SceneLight.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class CoreRenderer;
class CoreTexture;
class Entity;
class PackageResource;
class Scriptable;
class SceneObject;
class SerialStream;

// The most attachments a scene holds.
constexpr int32_t MAX_ATTACHMENTS = 16;
// Sprites are drawn between these depths; the deepest is also where a
// character stands outside every region.
constexpr fx32 SCENE_DEEPEST_DEPTH = -63 * FX32_ONE;
constexpr fx32 SCENE_NEAREST_DEPTH = -FX32_ONE;

// The states of a scene's input.
enum SceneInputState : int32_t {
    INPUT_STATE_NONE = 0,
    INPUT_STATE_IDLE = 1,
    // The active character follows the pointer while the button is held.
    INPUT_STATE_FOLLOW = 3,
    // The active character walks to the point clicked.
    INPUT_STATE_WALK = 4,
    INPUT_STATE_MENU = 6,
    // An inventory item is dragged over the scene.
    INPUT_STATE_ITEM_DRAG = 7,
    INPUT_STATE_POINTER_ONLY = 8,
    INPUT_STATE_TALK = 9,
    // The pad moves the pointer; nothing of the scene is drawn.
    INPUT_STATE_PAD_POINTER = 10,
};

// How the view follows the selected character: pushed a step when it nears
// an edge, or following it smoothly.
enum SceneScrollMode : int32_t {
    SCROLL_PUSH = 0,
    SCROLL_FOLLOW = 1,
};

// One adventure scene, built from its id: its pack of textures and meshes,
// its description (layers of sprites and regions, entities, locators, actor
// sets), for a 3D scene its camera, lights and walk mesh, its text table and
// its dialogs. The scene script then picks one of its actor sets, which
// brings in the actors, their characters and their attachments.
//
// Files are untrusted: a description or 3D file that is cut short, holds a
// count beyond what it can hold, or a main layer, light count or walk mesh
// that cannot be used is refused with a line naming it, and the load fails.
class Scene : public ManagedScene {
public:
    Scene();
    ~Scene() override;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // The whole load, after Clear; false at the first step that fails, with
    // what was loaded so far left to Shutdown (or the destructor).
    bool Initialize(SceneId iId) override;
    // Unloads and frees everything the scene holds and unregisters its
    // scriptables; safe after a failed load and more than once.
    void Shutdown() override;
    // Once after the scene change, when its script has started: shares the
    // region depth step among the characters, places them and the view.
    virtual bool Prepare();
    // One frame: the menu, the layers, the highlights, the input, the talk
    // screen, the cursor, the characters, the walk target, the depths and
    // the scroll.
    void Update(uint32_t dtMs) override;
    // Changes the input state or fires an interaction into the script
    // manager, at once (see SceneEventCode); codes outside 0..15 are ignored.
    void PostEvent(int32_t iCode, const SceneEventParams& params = SceneEventParams::DEFAULT);
    // A new state hides the caption and applies its triggers; the same state
    // changes nothing.
    void EnterState(int32_t iState);
    // State 1 by the full route: a change also closes the verb menu and
    // forgets the hold.
    void EnterIdleState();
    // What the caption says of a scriptable: an entity's save-slot label or
    // caption text, an actor's name text; null when none.
    const char* GetCaptionText(const Scriptable* pScriptable) const;
    // The caption of the hovered object, or none.
    void UpdateCaption();
    // "<use> <item> <on> <target>" into the buffer, cut to fit and always
    // terminated; null parts are left out.
    static void ComposeUseCaption(char* pBuffer, size_t uSize, const char* pUse, const char* pItem, const char* pOn,
                                  const char* pTarget);

    // The frame's drawing on the application's renderer (nothing without
    // one).
    void Render() override;
    // The layers with the characters among the sprites, the talk screen, the
    // menu's overlay and the cursor last.
    virtual void Render(CoreRenderer& renderer);
    // Captions over the layers; adventure scenes have none.
    virtual void RenderLabels(CoreRenderer& renderer);
    // The in-game menu's panel and bars.
    virtual void RenderOverlay(CoreRenderer& renderer);
    // One frame of the player's input.
    virtual void HandleInputs(uint32_t dtMs);
    // The pointer entering or leaving the window shows or hides the cursor.
    void ApplyPointerFlags();
    // Switches on the input events of the current input state, and only
    // them.
    void ApplyStateInputs();

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
    SceneCharacter* AddCharacter(const char* pPath, uint32_t uActorId, Scriptable& oActor);
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

    // The character the player steers, and the one the view follows: the
    // slot of that actor id, or none. Only the active character may run.
    void SetActiveCharacter(uint32_t uActorId) override;
    void SelectCharacter(uint32_t uActorId);
    SceneCharacter* GetActiveCharacter() const;
    SceneCharacter* GetSelectedCharacter() const;
    // The shadow direction from a scripted direction code 1..8 (compass
    // points seen from the camera) or 9 (straight down).
    void DirectionToVector(int32_t iCode);

    // The walk target under the pointer target, in the input states that walk.
    void PickUnderCursor();
    // The depth of a character whose feet stand at the point of the main
    // layer: the smallest depth of the regions there, or the depth of no
    // region.
    fx32 DepthAt(fx32 x, fx32 y) const;
    // Each visible character takes the depth at its feet.
    void UpdateCharacterDepths();
    // Tells the characters what they walk on and among: the walk mesh, the
    // waypoints, each other and the selected one.
    void UpdateSurroundings();
    // Scrolling over the main layer's width (in the virtual screen's units).
    void InitializeScroll();
    void UpdateScroll(uint32_t dtMs);
    void ClampScroll();
    // The camera's sideways shift that keeps the characters on the scrolled
    // background.
    void UpdateScrollRatio();

    // The topmost sprite, region or character under the point (virtual
    // screen units) whose scriptable the player may use, or null.
    SceneObject* PickObjectAt(fx32 x, fx32 y) const;
    // Fires the cursor's verb (Look, Talk, else Activate) at the hovered
    // object's scriptable and logs it; the object is no longer hovered.
    void FireHoveredAction();

    // Switches the highlight pulses of the hotspots the player may use.
    void UpdateHighlights(bool bHighlightAll);
    // The arrow interface sprite turned to an exit direction.
    InterfaceSprite& SetArrowDirection(uint32_t uCode);
    // Draws one cell of a texture cut into nbU columns and nbV rows as a fan
    // of four vertices; false when the primitive cannot begin.
    static bool DrawTextureQuadUV(CoreRenderer& renderer, int32_t iNbU, int32_t iNbV, int32_t iCell,
                                  CoreTexture* pTexture, fx32 x, fx32 y, fx32 width, fx32 height, uint32_t uColour);
    // The characters in drawing order, as the last render sorted them.
    const SceneCharacter* const* GetRenderOrder() const { return m_apRenderOrder; }
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
    std::unique_ptr<SceneCharacter> m_apCharacters[MAX_ACTORS];
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
    // On the virtual screen: where the player points to walk.
    CoreFxVec2 m_oPointerTarget {};
    // In the world: where the active character is sent.
    CoreFxVec m_vWalkTarget {};
    // The pointer ray gave the walk target for this walk click; a ray that
    // misses the walk mesh leaves an earlier click's target, where the click
    // must not send her.
    bool m_bWalkTargetPicked = false;
    SceneObject* m_pHoveredObject = nullptr;
    uint8_t m_bVerbMenuOpen = 0;
    // fx32 seconds the primary button has been held in the idle state.
    fx32 m_fHoldTime = 0;
    CoreFxVec m_vShadowDirection {};

    // The x of the 256-unit screen within the main layer.
    fx32 m_fScroll = 0;
    fx32 m_fScrollTarget = 0;
    int32_t m_iScrollMode = SCROLL_PUSH;
    // Set when the selection changes: follow the character once the push
    // has settled.
    uint8_t m_bFollowOnSettle = 0;
    fx32 m_fScrollRatio = 0;

    InterfaceSprite m_oStar;
    InterfaceSprite m_oArrow;
    SceneCursor m_oCursor;

    // Space toggles the highlight of every hotspot, in every scene.
    static bool s_bHighlightAll;

protected:
    // Every layer's frame, with the characters' feet for touch tracking.
    void UpdateLayers(uint32_t dtMs);

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

    // The 3D and layer pass.
    void Render3D(CoreRenderer& renderer);
    // The 2D projection with the scene scrolled by the view (the world
    // transform does not last beyond one primitive).
    void SetScreenProjection(CoreRenderer& renderer, fx32 scroll) const;
    void InitializeLighting(CoreRenderer& renderer) const;
    // The characters sorted by ascending depth, equal depths in slot order.
    void SortRenderOrder();
    // The stars of the highlighted hotspots and the arrows of exits.
    void Render2DOverlay();
    // The exit arrow of the hovered exit.
    void RenderExitArrow();
    // The star at a hotspot's marker, breathing and turning with its pulse.
    void RenderStar(const HighlightPulse& pulse);
    // The selected character; a selection without one is reported.
    const SceneCharacter* SelectedForScroll() const;

    // The input states' frames.
    void HandleIdleInput(uint32_t dtMs);
    void TrackPointer(uint32_t pointer);
    void HandleIdleButtons(uint32_t dtMs);
    // The menu of the object pressed at the point.
    void OpenVerbMenu(SceneObject& object, fx32 x, fx32 y);
    void CloseVerbMenu();
    void HandleFollowInput();
    void HandleWalkInput();
    void HandleMenuInput();
    void HandleItemDragInput();
    void HandlePointerOnlyInput();
    void HandlePadPointerInput();
    void HandleBusyInput();
    // The pointer target at a point, kept on the visible screen.
    void SetPointerTarget(fx32 x, fx32 y);
    // Code 3.
    void UseItemAt(const SceneEventParams& params);

    SceneCharacter* m_apRenderOrder[MAX_ACTORS] = {};
    CharacterSurroundings m_oSurroundings;
    const Character* m_apWalkers[MAX_ACTORS] = {};
    Attachment* m_apCarriables[MAX_ATTACHMENTS] = {};

    // Entities registered so far, in index order.
    int32_t m_iNumRegisteredEntities = 0;
    uint8_t m_bInterfaceReady = 0;
};
