#pragma once
#include "Graphics/Matrix4.h"
#include "Mesh/MeshHierarchy.h"
#include "Mesh/MeshVertex.h"

#include <cstdint>

class CoreRenderer;
class CoreTexture;

// A frame of a mesh's hierarchy with the matrix that takes it into model
// space: its transformation times its parents'.
struct CoreMeshFrame : Platform::MeshFrame {
    Platform::Matrix4 CombinedTransformationMatrix;
};

// A mesh loaded from an X file in memory: its frame hierarchy, the drawn
// container with one texture per material, and for a skinned mesh the
// blended form with its bone combinations and the bones' matrices, and the
// animation controller. A plain record: every field starts null.
class CoreMesh {
public:
    // The allocator the hierarchy load calls back: it copies names,
    // materials and adjacency into records the mesh owns.
    class AllocMeshHierarchy : public Platform::AllocateHierarchy {
    public:
        Platform::MeshResult CreateFrame(const char* pName, Platform::MeshFrame** ppNewFrame) override;
        Platform::MeshResult CreateMeshContainer(const char* pName, const Platform::MeshContainerData* pMeshData,
                                                 const Platform::MeshMaterial* pMaterials, const void* pEffectInstances,
                                                 uint32_t numMaterials, const uint32_t* pAdjacency,
                                                 Platform::SkinInfo* pSkinInfo,
                                                 Platform::MeshContainer** ppNewMeshContainer) override;
        Platform::MeshResult DestroyFrame(Platform::MeshFrame* pFrameToFree) override;
        Platform::MeshResult DestroyMeshContainer(Platform::MeshContainer* pMeshContainerToFree) override;

        // A new copy of the text; null for null.
        static char* CopyName(const char* pName);
        // The text up to its last ".", in lower case; null for null.
        static char* CopyTextureName(const char* pName);
    };

    ~CoreMesh();

    // Loads the mesh; a failed load frees what it made and leaves every
    // field null.
    bool Initialize(CoreRenderer* pRenderer, const void* pData, uint32_t iDataSize);
    void Shutdown();

    // The first frame, depth first with a frame's next sibling before its
    // first child, that has a container with a mesh; null when none.
    static Platform::MeshFrame* FindFrameWithMesh(Platform::MeshFrame* pFrame);

    bool HasAnimationBones() const { return m_pSkinInfo != nullptr && m_pAnimationCtrl != nullptr; }

    // Animation (controller times are seconds).
    Platform::MeshResult UpdateAnimation(uint32_t iElapsedMs);
    int32_t GetAnimationIdFromName(const char* pName);
    Platform::MeshResult SetAnimationTrackEnable(uint32_t iTrackIdx, bool bEnable);
    Platform::MeshResult SetAnimationTrackWeight(uint32_t iTrackIdx, float fWeight);
    Platform::MeshResult SetAnimationTrackPosition(uint32_t iTrackIdx, double position);
    Platform::MeshResult SetTrackAnimation(uint32_t iTrackIdx, uint32_t iAnimationIdx);
    Platform::MeshResult GetAnimationTrackPeriodicPosition(uint32_t iTrackIdx, double* pPosition);
    Platform::MeshResult GetAnimationTrackPeriod(uint32_t iTrackIdx, double* pPeriod);
    // The model-space matrix of the frame of that name (without its bone's
    // offset); D3DERR_NOTFOUND when there is none.
    Platform::MeshResult GetBoneMatrixFromName(Platform::Matrix4* pOut, const char* pName);

    // Skinning (a skinned mesh only). The last bone place that bone
    // combination uses.
    uint32_t LastBoneSlot(uint32_t iCombination) const;
    // Blends the vertices of that bone combination into pOut, which is
    // indexed as the blended mesh's vertices: each bone's offset, then its
    // pose as last updated, then world.
    void SkinCombination(uint32_t iCombination, const Platform::Matrix4& world, Platform::MeshVertex* pOut) const;

    Platform::Mesh* m_pMesh = nullptr;
    Platform::MeshContainer* m_pMeshContainer = nullptr;
    CoreTexture** m_pTextureHandles = nullptr;
    Platform::MeshFrame* m_pRoot = nullptr;
    uint32_t m_iNumBoneCombinations = 0;
    uint32_t m_iMaxFaceInfluences = 0;
    Platform::BoneCombinationTable* m_pBoneCombinationBuffer = nullptr;
    Platform::Matrix4** m_ppBoneMatrixPtrs = nullptr;
    Platform::Matrix4* m_pBoneOffsetMatrices = nullptr;
    uint32_t m_iNumBones = 0;
    Platform::SkinInfo* m_pSkinInfo = nullptr;
    Platform::AnimationController* m_pAnimationCtrl = nullptr;
    // How many bound packs registered the mesh under its name.
    uint32_t m_iRegistrationCount = 0;

private:
    Platform::MeshResult GenerateSkinnedMesh(CoreRenderer* pRenderer, Platform::Mesh* pSourceMesh);
    Platform::MeshResult SetupBoneMatrixPointers(Platform::MeshFrame* pFrame);
    Platform::MeshResult SetupBoneMatrixPointersOnMesh(Platform::MeshContainer* pContainer);
    bool SetupTextures(CoreRenderer* pRenderer);
    // Frees whatever the mesh holds; each field may be null.
    void Release();
    bool CheckTrack(uint32_t iTrackIdx) const;
    static void UpdateFrameMatrices(Platform::MeshFrame* pFrame, const Platform::Matrix4* pParentMatrix);
};
