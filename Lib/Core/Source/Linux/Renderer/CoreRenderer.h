#pragma once
#include "BinarySearchTree/Avl32.h"
#include "Graphics/GraphicsDevice.h"
#include "Graphics/GraphicsSystem.h"
#include "Graphics/RenderStates.h"
#include "Maths/CoreFxVec.h"
#include "Maths/CoreMatrix.h"
#include "Maths/Fx32.h"
#include "Mesh/CoreMeshManager.h"
#include "Mesh/MeshVertex.h"
#include "Renderer/CorePrimitiveVertex.h"
#include "Renderer/CoreRendererSettings.h"

#include <cstdint>
#include <vector>

class CoreTexture;
class CoreTextureManager;
struct CoreCamera;
struct CoreMaterial;

// The primitive type of no open primitive.
constexpr uint32_t PRIMITIVE_INVALID = 0x7FFFFFFF;

// The core's one renderer: the graphics device for the application window,
// its default states and the render-state cache, the frame with the
// recovery of a lost device, and the immediate-mode primitives of the 2D
// screen (256 x 192 virtual units, coordinates in 20.12 fixed point).
class CoreRenderer {
public:
    CoreRenderer();
    ~CoreRenderer();
    CoreRenderer(const CoreRenderer&) = delete;
    CoreRenderer& operator=(const CoreRenderer&) = delete;

    // Makes the graphics system and the device, sets the default states and
    // makes the primitive buffer; false at the first step that fails.
    bool Initialize(const CoreRendererSettings& settings);
    // Frees the primitive buffer and releases the device and the graphics
    // system, in this order.
    void Shutdown();

    // Resets a lost device when it can be, then begins the scene; true when
    // the scene began.
    bool BeginFrame();
    // The frame's viewport and clear of target, depth and stencil with the
    // clear colour.
    void ClearFrame();
    // Ends the scene and presents it; a device found lost is reset by the
    // next BeginFrame.
    void EndFrame();

    void SetDefaultRenderStates();
    void SetAlphaState();
    void ResetRenderStateCache();
    void SetRenderState(uint32_t state, uint32_t value);
    uint32_t GetRenderState(uint32_t state) const;
    void SetStencilFunc(uint32_t value);
    void SetStencilRef(uint32_t value);
    void SetStencilMask(uint32_t value);
    void SetStencilWriteMask(uint32_t value);
    void SetStencilZFail(uint32_t value);
    void SetStencilFail(uint32_t value);
    void SetStencilPass(uint32_t value);

    // The texture manager singleton, with this renderer and a node store for
    // its name map; destroyed with every texture it still holds.
    void CreateTextureManager();
    void DestroyTextureManager();
    CoreTextureManager* GetTextureManager() const { return m_pTextureManager; }

    // The mesh manager singleton, initialised with this renderer; shut down
    // with every mesh it still holds.
    void CreateMeshManager();
    void DestroyMeshManager();
    CoreMeshManager* GetMeshManager() const { return m_pMeshManager; }

    // The device's projection, and its view: the view, then the post-view
    // matrix.
    void SetTransform(const CoreMatrix* pProjection, const CoreMatrix* pView, const CoreMatrix* pPostView);
    // Keeps the camera's matrices and sends them with the post-view matrix.
    void SetCamera(const CoreCamera* pCamera);
    // The 2D screen: 192 virtual units high, as wide as the back buffer's
    // shape shows, centred on the 256 units of the screen; identity view.
    void SetScreenCamera();
    // The left margin of the 2D screen in fx32 units for a back buffer of
    // that size: negative when the window is narrower than 4:3.
    static fx32 ScreenMargin(uint32_t width, uint32_t height);
    void SetPostViewMatrix(const CoreMatrix& postView) { m_oPostView = postView; }
    const CoreMatrix& GetProjectionMatrix() const { return m_oProjection; }
    const CoreMatrix& GetViewMatrix() const { return m_oView; }
    const CoreMatrix& GetPostViewMatrix() const { return m_oPostView; }

    // A directional light (light 0 unless told otherwise) of that fx32
    // colour, direction and position.
    void SetLight(const CoreFxVec& colour, const CoreFxVec& direction, const CoreFxVec& position, uint32_t index = 0);
    void EnableLight(uint32_t index, bool bEnable = true);
    // The ambient colour from fx32 levels of 0..255.
    void SetAmbiantColor(const CoreFxVec& rgb);
    // Draws the mesh with the world matrix, its own materials or the
    // override's. A projection, when given, follows the world matrix (a
    // shadow flattened onto the ground): the device applies it and divides
    // by its w, after a skinned mesh's vertices are blended into world space.
    bool RenderMesh(CoreMeshHandle hMesh, const CoreMatrix& world, const CoreMaterial* pMaterialOverride,
                    const CoreMatrix* pProjection = nullptr);

    bool InitializePrimitiveBuffer(uint32_t iBufferSize);
    void ShutdownPrimitiveBuffer();
    void ResetPrimitiveState();
    bool PrimitiveBegin(uint32_t type, uint32_t iVertexNumber, CoreTexture* hTexture);
    // colour is 0xRRGGBBAA.
    void PrimitiveVertexAdd(fx32 x, fx32 y, fx32 z, uint32_t colour, fx32 u, fx32 v);
    bool PrimitiveEnd();
    bool DrawTexturedQuad(CoreTexture* hTexture, fx32 width, fx32 height, fx32 x, fx32 y, fx32 z);

    Platform::GraphicsDevice* GetDevice() const { return m_pID3DDevice; }
    Platform::GraphicsSystem* GetGraphicsSystem() const { return m_pD3D; }
    const Platform::DisplayMode& GetDisplayMode() const { return m_oDisplayMode; }
    const CoreRendererSettings& GetSettings() const { return m_oSettings; }
    const Platform::Viewport& GetViewport() const { return m_oViewport; }
    uint32_t GetClearColor() const { return m_uClearColor; }
    void SetClearColor(uint32_t colour) { m_uClearColor = colour; }
    bool IsDeviceLost() const { return m_bDeviceLost; }
    void SetDeviceLost(bool lost) { m_bDeviceLost = lost; }
    float GetHalfPixelOffsetX() const { return m_fHalfPixelOffsetX; }
    float GetHalfPixelOffsetY() const { return m_fHalfPixelOffsetY; }
    const CorePrimitiveVertex* GetPrimitiveBuffer() const { return m_pPrimitiveBuffer; }

private:
    bool CreateDevice();
    void FillPresentParameters(Platform::PresentParameters& parameters);
    // The number of multisamples the full-screen device gets: the most, at
    // or below the settings' level, that both the colour and the depth
    // formats offer; 0 when none.
    uint32_t ChooseMultiSampleType();
    // Sets the material and stage 0's texture of that material index.
    void SetMeshMaterial(const CoreMesh& mesh, uint32_t iAttribId, const CoreMaterial* pMaterialOverride);
    // Whether the device takes as many blend matrices as that bone
    // combination of the skinned mesh needs; one it cannot is not drawn.
    bool CanBlend(const CoreMesh& mesh, uint32_t iCombination) const;
    // A skinned mesh: one draw for each run of its bone combinations that
    // share a material (the whole mesh under an override).
    void RenderSkinnedMesh(const CoreMesh& mesh, const Platform::Matrix4& world, const Platform::Matrix4& projection,
                           const CoreMaterial* pMaterialOverride);

    uint32_t m_vRenderStateCache[Platform::RENDER_STATE_COUNT];
    CoreRendererSettings m_oSettings;
    float m_fHalfPixelOffsetX = 0.0f;
    float m_fHalfPixelOffsetY = 0.0f;
    Platform::GraphicsSystem* m_pD3D = nullptr;
    Platform::DisplayMode m_oDisplayMode {};
    Platform::GraphicsDevice* m_pID3DDevice = nullptr;
    Platform::DeviceCaps m_oCaps {};
    uint32_t m_uClearColor = 0;

    int32_t m_iPrimitiveVertexIdx = -1;
    uint32_t m_ePrimitiveType = PRIMITIVE_INVALID;
    uint32_t m_iPrimitiveVertexNumber = 0;
    uint32_t m_iPrimitiveBufferSize = 0;
    CoreTexture* m_hPrimitiveTexture = nullptr;
    CorePrimitiveVertex* m_pPrimitiveBuffer = nullptr;

    CoreTextureManager* m_pTextureManager = nullptr;
    // The node store of the texture manager's name map.
    Nubra::BinarySearchTree::Avl32::Node* m_pTextureNodes = nullptr;

    CoreMeshManager* m_pMeshManager = nullptr;
    // The skinned mesh being drawn, blended into world space; reused from
    // mesh to mesh.
    std::vector<Platform::MeshVertex> m_vSkinnedVertices;

    CoreMatrix m_oProjection {};
    CoreMatrix m_oView {};
    CoreMatrix m_oPostView {};

    Platform::Viewport m_oViewport {};
    bool m_bDeviceLost = false;
};
