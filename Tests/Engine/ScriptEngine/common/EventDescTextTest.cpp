#include "ScriptEngine/common/EventDesc.h"

#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "ScriptEngine/common/NameText.h"
#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr int32_t SCRIPTABLE = ID_PARAMETER_TYPE_SCRIPTABLE;

EventDesc Event(int type, int32_t t0, int32_t v0, int32_t t1 = 0, int32_t v1 = 0)
{
    EventDesc oEvent;
    return *BuildEvent(&oEvent, type, t1 == 0 ? 1 : 2, t0, v0, t1, v1);
}

TEST(EventDescTextTest, EachParameterKindPrintsItsName)
{
    const SceneDesc* pScene = Id::GetSceneDesc(9);
    ASSERT_NE(pScene, nullptr);
    ASSERT_GT(pScene->m_iNbObjects, 10);
    const std::string sceneName = pScene->m_pName;
    const std::string object10 = pScene->m_ppObjectNames[10];
    const int32_t tavrine = static_cast<int32_t>(ActorIdOf("tavrine"));
    const int32_t item = static_cast<int32_t>(0x808443e7u);

    struct Case {
        EventDesc m_oEvent;
        const SceneDesc* m_pScene;
        std::string m_expected;
    };
    const Case aCases[] = {
        {Event(1, SCRIPTABLE, 10), pScene, "Look(Entity[10](" + sceneName + "::" + object10 + "),)"},
        {Event(1, SCRIPTABLE, 10), nullptr, "Look(Entity[10](::),)"},
        {Event(1, SCRIPTABLE, 100000), pScene, "Look(Entity[100000](" + sceneName + "::),)"},
        {Event(4, SCRIPTABLE, 10, SCRIPTABLE, tavrine), pScene,
         "Touch(Entity[10](" + sceneName + "::" + object10 + "),tavrine)"},
        {Event(4, SCRIPTABLE, tavrine, SCRIPTABLE, 10), pScene, "Touch(tavrine,Entity[10](" + object10 + "))"},
        {Event(4, SCRIPTABLE, tavrine, SCRIPTABLE, 10), nullptr, "Touch(tavrine,Entity[10])"},
        {Event(3, SCRIPTABLE, tavrine, ID_PARAMETER_TYPE_ITEM, item), nullptr, "UseItem(tavrine,ITEM_DULL_PLATE)"},
        {Event(6, ID_PARAMETER_TYPE_ITEM, item), nullptr, "Combine(ITEM_DULL_PLATE,)"},
        {Event(12, ID_PARAMETER_TYPE_SCENE, 9), nullptr, "System(" + sceneName + ",)"},
        {Event(9, ID_PARAMETER_TYPE_INT, -7, ID_PARAMETER_TYPE_INT, 8), nullptr, "Dialog_CB(-7,8)"},
        {Event(7, ID_PARAMETER_TYPE_HASH, 3, ID_PARAMETER_TYPE_HASH, 3), nullptr, "Map(,)"},
        {Event(0, ID_PARAMETER_TYPE_SCENE, 99), nullptr, "Activate(,)"},
    };
    for (const Case& oCase : aCases)
        EXPECT_EQ(EventDesc::ToString(oCase.m_pScene, oCase.m_oEvent), oCase.m_expected);

    // Unknown ids are reported by the id tables and print as empty names.
    TestSupport::LogCapture capture;
    const std::string unknownIds = EventDesc::ToString(
        nullptr, Event(0, SCRIPTABLE, static_cast<int32_t>(0x80000001u), ID_PARAMETER_TYPE_ITEM, 5));
    const std::string log = capture.Take();
    EXPECT_EQ(unknownIds, "Activate(,)");
    EXPECT_NE(log.find("condition: iFinalKey == iId\n"), std::string::npos) << log;
    EXPECT_NE(log.find("condition: iFinalKey == iItemId\n"), std::string::npos) << log;

    EventDesc oBadType = Event(0, SCRIPTABLE, 1);
    oBadType.m_eType = static_cast<TwEventType>(40);
    EXPECT_STREQ(EventDesc::ToString(nullptr, oBadType), "Unknown(Entity[1](::),)");
}

TEST(EventDescTextTest, NullAndOverlongNamesStayInsideTheText)
{
    const std::string longName(400, 'n');
    const char* const aObjects[] = {nullptr, longName.c_str()};
    const SceneDesc oNullNames {70, nullptr, nullptr, 0, 0, 0, 0, 2, aObjects, 0, nullptr};
    EXPECT_STREQ(EventDesc::ToString(&oNullNames, Event(1, SCRIPTABLE, 0, SCRIPTABLE, 0)),
                 "Look(Entity[0](::),Entity[0])");

    const SceneDesc oLongNames {70, longName.c_str(), nullptr, 0, 0, 0, 0, 2, aObjects, 0, nullptr};
    const char* pText = EventDesc::ToString(&oLongNames, Event(1, SCRIPTABLE, 1, SCRIPTABLE, 1));
    EXPECT_EQ(std::strlen(pText), 255u);
    EXPECT_EQ(std::string(pText).rfind("Look(Entity[1](nnn", 0), 0u) << pText;
}

TEST(EventDescTextTest, NameCopiesReadNoMoreThanTheirField)
{
    // A 16-byte field filled to the end, followed by bytes that are not part
    // of the name.
    const char aRecord[20] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j', 'k', 'l', 'm', 'n', 'o', 'p', 'X', 'Y'};
    char aOut[32];
    EXPECT_STREQ(CopyName(aOut, sizeof aOut, aRecord, 16), "abcdefghijklmnop");
    EXPECT_STREQ(CopyName(aOut, sizeof aOut, "door", 16), "door");
    EXPECT_STREQ(CopyName(aOut, sizeof aOut, nullptr, 16), "");
    EXPECT_STREQ(CopyName(aOut, 5, aRecord, 16), "abcd");
}

} // namespace
