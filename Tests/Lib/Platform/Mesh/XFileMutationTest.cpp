#include "CountingHierarchy.h"
#include "Support/SampleFigure.h"

#include <gtest/gtest.h>

#include <random>

using namespace Platform;

namespace {

const char* const REPLACEMENTS[] = {
    "999999999", "4294967295", "0", "-1",        "1e38",   "nan",           "",  "{", "}", ";",
    ",",         "1,0",        "#", "Frame X {", "Mesh {", "SkinWeights {", "\""};

// The sample figure with a few numbers, characters or lines changed.
std::string Mutate(const std::string& text, std::mt19937& random)
{
    std::string result = text;
    const int iEdits = 1 + int(random() % 4);
    for (int e = 0; e < iEdits; ++e) {
        // Never the first character: the text stays non-empty.
        const size_t at = 1 + random() % result.size();
        switch (random() % 5) {
        case 0: {
            size_t end = at;
            while (end < result.size() && std::isdigit(static_cast<unsigned char>(result[end])))
                ++end;
            result = result.substr(0, at) + std::to_string(random() % 260) + result.substr(end);
            break;
        }
        case 1:
            result = result.substr(0, at) + REPLACEMENTS[random() % std::size(REPLACEMENTS)] + result.substr(at);
            break;
        case 2: result[at - 1] = char(random() % 128); break;
        case 3: result.erase(at, random() % 64); break;
        default: result.resize(at); break;
        }
    }
    return result;
}

// Whatever is refused, whatever is read must be usable: the skin converts
// and the animation plays.
TEST(XFileMutation, DamagedFiguresAreRefusedOrReadWhole)
{
    const std::string figure = TestSupport::ReadSampleFigure();
    ASSERT_FALSE(figure.empty());
    std::mt19937 random(20240611);
    int iRead = 0;
    for (int i = 0; i < 2000; ++i) {
        const std::string text = Mutate(figure, random);
        LoadedHierarchy loaded(text);
        if (loaded.result != S_OK) {
            EXPECT_EQ(loaded.pRoot, nullptr);
            EXPECT_EQ(loaded.alloc.m_iFrames, 0);
            continue;
        }
        ++iRead;
        const MeshFrame* pBody = FrameFind(loaded.pRoot, "Body");
        const MeshContainer* pContainer = pBody != nullptr ? pBody->pMeshContainer : nullptr;
        if (pContainer != nullptr && pContainer->pSkinInfo != nullptr) {
            uint32_t iInfluences = 0;
            uint32_t iCombinations = 0;
            BoneCombinationTable* pTable = nullptr;
            Mesh* pBlended = nullptr;
            ASSERT_EQ(pContainer->pSkinInfo->ConvertToBlendedMesh(pContainer->MeshData.pMesh, D3DXMESH_MANAGED,
                                                                  &iInfluences, &iCombinations, &pTable, &pBlended),
                      S_OK);
            pTable->Release();
            pBlended->Release();
        }
        if (loaded.pController != nullptr) {
            for (uint32_t iSet = 0; iSet < loaded.pController->GetNumAnimationSets(); ++iSet) {
                AnimationSet* pSet = nullptr;
                loaded.pController->GetAnimationSet(iSet, &pSet);
                loaded.pController->SetTrackAnimationSet(1, pSet);
                pSet->Release();
                loaded.pController->SetTrackEnable(1, true);
                EXPECT_EQ(loaded.pController->AdvanceTime(0.7), S_OK);
            }
        }
    }
    // Harmless changes (a number in range, a dropped comment) still load.
    EXPECT_GT(iRead, 20);
}

} // namespace
