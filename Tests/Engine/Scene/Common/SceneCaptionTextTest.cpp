// What the pointer names: a person by the name text of the actor table, kept
// hidden until the table's condition holds.
#include "Adventure/Common/Scriptable.h"
#include "Common/ActorIds.h"
#include "Common/VarIds.h"
#include "Managers/Common/VarManager.h"
#include "Scene/Common/Scene.h"
#include "Scene/Common/SceneInputLink.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// Texts by id; any other id has none.
class TextsLink final : public NullSceneInputLink {
public:
    TextsLink() { SetSceneInputLink(this); }
    ~TextsLink() override { SetSceneInputLink(nullptr); }
    const char* GetText(uint32_t uTextId) override
    {
        const auto found = m_texts.find(uTextId);
        return found == m_texts.end() ? nullptr : found->second.c_str();
    }

    std::map<uint32_t, std::string> m_texts;
};

std::string CaptionOf(const Scene& scene, const char* pActor)
{
    Scriptable actor;
    actor.SetId(static_cast<int32_t>(Id::GetActorId(pActor)));
    const char* text = scene.GetCaptionText(&actor);
    return text ? text : "(none)";
}

TEST(SceneCaptionTextTest, APersonIsNamedByTheNameTextOfTheActorTable)
{
    TextsLink link;
    // The table keys the names by "NAME_" and the actor's name in capitals.
    link.m_texts = {{0x304F7F41u, "Bonita"}, {0x05EEE8FAu, "The stranger"}, {0xDC7B523Eu, "Stranger"}};
    const Scene scene;
    EXPECT_EQ(CaptionOf(scene, "bonita_c_chair"), "Bonita");
    // A name that the table shows only once the heroine has heard it.
    g_VarManager.SetBool(VARBOOL_BG202_C03_TALK_STRANGER, 0);
    EXPECT_EQ(CaptionOf(scene, "stranger"), "Stranger");
    g_VarManager.SetBool(VARBOOL_BG202_C03_TALK_STRANGER, 1);
    EXPECT_EQ(CaptionOf(scene, "stranger"), "The stranger");
    g_VarManager.SetBool(VARBOOL_BG202_C03_TALK_STRANGER, 0);
}

} // namespace
