// The sample descriptions of the system scenes load with the objects that
// their scripts name, in the order of their scene table rows.
#include "Adventure/Common/Entity.h"
#include "Common/SceneIds.h"
#include "Hash/CoreCrc32.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SerialStream.h"
#include "Support/FakeSceneServices.h"
#include "Support/LogCapture.h"
#include "Support/TestPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadData(const char* path)
{
    std::ifstream file(TestSupport::DataDir() / path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

TEST(SystemSceneContentTest, EachSystemSceneHasTheObjectsOfItsRow)
{
    for (const int iSceneId : {2, 59, 60, 61}) {
        const SceneDesc* pRow = Id::GetSceneDesc(iSceneId);
        ASSERT_NE(pRow, nullptr);
        const char* pPath = Id::GetScenePath(iSceneId);
        const std::vector<uint8_t> bytes = ReadData(pPath);
        ASSERT_FALSE(bytes.empty()) << pPath;

        TestSupport::FakeSceneServices services;
        Scene scene;
        SerialStream stream(bytes.data(), bytes.size(), pPath);
        TestSupport::LogCapture capture;
        ASSERT_TRUE(scene.Initialize2D(stream)) << pPath;
        EXPECT_EQ(capture.Take(), "") << pPath;
        ASSERT_EQ(scene.m_iNumEntities, pRow->m_iNbObjects) << pPath;
        for (int32_t index = 0; index < pRow->m_iNbObjects; ++index)
            EXPECT_STREQ(scene.m_vEntities[index].GetName(), pRow->m_ppObjectNames[index]) << pPath;

        // The mini-game picture shows one sprite per chapter animation that
        // the script plays.
        if (iSceneId == 60) {
            const Entity& picture = scene.m_vEntities[1];
            const std::vector<int32_t> ids(picture.m_aSpriteIds, picture.m_aSpriteIds + picture.m_iNumSprite);
            for (const char* name : {"mg_chapter01", "mg_chapter02", "mg_chapter03", "mg_chapter04"}) {
                const int32_t id = static_cast<int32_t>(CoreCrc32Of(name));
                EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << name;
            }
        }
    }
}

} // namespace
