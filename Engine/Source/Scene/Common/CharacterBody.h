#pragma once
#include "DataPack/DataPack.h"
#include "Mesh/CoreMeshManager.h"
#include "Scene/Common/CharacterAnimations.h"

#include <cstdint>

class CoreRenderer;
class PackageResource;
struct CoreMaterial;
struct CoreMatrix;

// A character's skinned mesh: the actor's pack bound while the character
// lives, its one mesh, the mesh's animation sets by name, and the pose the
// character's two animation tracks give it.
class CharacterBody {
public:
    CharacterBody() = default;
    CharacterBody(const CharacterBody&) = delete;
    CharacterBody& operator=(const CharacterBody&) = delete;
    ~CharacterBody();

    // Loads the actor's pack; false, with "Error loading actor", when the
    // pack cannot be loaded or holds no single mesh.
    bool Load(const char* pPath);
    // Takes a mesh that is registered already (tests, tools).
    void SetMesh(CoreMeshHandle hMesh) { m_hMesh = hMesh; }
    CoreMeshHandle GetMesh() const { return m_hMesh; }
    // The mesh's set of that name and its cycle in seconds; -1 when none.
    int32_t FindSet(const char* pName, float& period) const;
    // Puts both tracks where the animations have them and poses the mesh; a
    // mesh without animations is left at rest.
    void Pose(const CharacterAnimations& animations) const;
    // The model-space matrix of the bone as last posed (the identity when the
    // mesh has no such bone, which is reported); false without a mesh, a
    // bone name or a skeleton that animations pose.
    bool GetBoneMatrix(const char* pBoneName, CoreMatrix& out) const;
    // A projection, when given, follows world (a shadow's flattening).
    void Render(CoreRenderer& renderer, const CoreMatrix& world, const CoreMaterial* pMaterial = nullptr,
                const CoreMatrix* pProjection = nullptr) const;

private:
    PackageResource* m_pPackage = nullptr;
    DataPack m_oDataPack;
    CoreMeshHandle m_hMesh = nullptr;
};
