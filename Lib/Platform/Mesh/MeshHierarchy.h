#pragma once
#include "Graphics/GraphicsRecords.h"
#include "Graphics/Matrix4.h"
#include "Mesh/AnimationController.h"
#include "Mesh/Mesh.h"
#include "Mesh/MeshResult.h"
#include "Mesh/SkinInfo.h"

#include <cstdint>

namespace Platform {

// A material as a mesh file gives it: the device material and the name of
// its texture file (null for none).
struct MeshMaterial {
    Material MatD3D;
    char* pTextureFilename;
};

enum MeshDataType : uint32_t {
    D3DXMESHTYPE_MESH = 1,
    D3DXMESHTYPE_PMESH = 2,
    D3DXMESHTYPE_PATCHMESH = 3,
};

// The geometry of a mesh container and its kind; the service makes plain
// meshes only.
struct MeshContainerData {
    uint32_t Type;
    Mesh* pMesh;
};

struct MeshContainer {
    char* Name;
    MeshContainerData MeshData;
    MeshMaterial* pMaterials;
    void* pEffects;
    uint32_t NumMaterials;
    // Three words per face: the face across each edge, 0xFFFFFFFF for none.
    uint32_t* pAdjacency;
    SkinInfo* pSkinInfo;
    MeshContainer* pNextMeshContainer;
};

// A frame of a hierarchy: its transformation relative to its parent
// (row-vector), its mesh containers, its next sibling and first child.
// Allocators may make larger records that begin with these fields.
struct MeshFrame {
    char* Name;
    Matrix4 TransformationMatrix;
    MeshContainer* pMeshContainer;
    MeshFrame* pFrameSibling;
    MeshFrame* pFrameFirstChild;
};

// The caller's side of a hierarchy load: it makes and frees every frame and
// mesh container, copying what it keeps of the arguments (which belong to
// the loader and live only during the call). A failing result stops the
// load.
class AllocateHierarchy {
public:
    virtual MeshResult CreateFrame(const char* pName, MeshFrame** ppNewFrame) = 0;
    // pMaterials holds numMaterials materials (0 when the file gives none);
    // pAdjacency three words per face. The mesh and the skin (null for an
    // unskinned mesh) stay the loader's: an allocator that keeps them adds a
    // reference.
    virtual MeshResult CreateMeshContainer(const char* pName, const MeshContainerData* pMeshData,
                                           const MeshMaterial* pMaterials, const void* pEffectInstances,
                                           uint32_t numMaterials, const uint32_t* pAdjacency, SkinInfo* pSkinInfo,
                                           MeshContainer** ppNewMeshContainer) = 0;
    virtual MeshResult DestroyFrame(MeshFrame* pFrameToFree) = 0;
    virtual MeshResult DestroyMeshContainer(MeshContainer* pMeshContainerToFree) = 0;

protected:
    ~AllocateHierarchy() = default;
};

// Reads a text X file from memory into a frame hierarchy built through the
// allocator, in the file's own coordinates, winding and texture
// coordinates; a file that the checks of XFileTextCheck.h refuse is
// D3DXERR_INVALIDDATA. The meshes of a frame become one mesh
// container whose faces carry the index of their material. When the file
// has animation sets, *ppAnimController is a controller of two tracks whose
// outputs are the named frames' transformation matrices, with the first set
// on track 0 (enabled, weight 1, speed 1); otherwise null. A load that fails
// frees everything it made and leaves both outputs null.
MeshResult LoadMeshHierarchyFromXInMemory(const void* pData, uint32_t iSize, uint32_t iOptions,
                                          AllocateHierarchy* pAlloc, MeshFrame** ppFrameHierarchy,
                                          AnimationController** ppAnimController);

// The first frame of that name, depth first (a frame, its children, then
// its siblings); null when none.
MeshFrame* FrameFind(const MeshFrame* pFrameRoot, const char* pName);

// Frees the frame, its siblings and children, and their mesh containers,
// through the allocator.
MeshResult FrameDestroy(MeshFrame* pFrameRoot, AllocateHierarchy* pAlloc);

} // namespace Platform
