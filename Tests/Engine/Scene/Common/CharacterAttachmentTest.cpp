// Binding the scene's attachments to a character's bones and unbinding them.
#include "Scene/Common/Character.h"

#include "Support/LogCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TestSupport::LogOf;

constexpr int32_t RIGHT_HAND = 3;

class CharacterAttachmentTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (int32_t i = 0; i < 6; ++i)
            m_apAttachments[i] = &m_attachments[i];
        m_surroundings.m_ppAttachments = m_apAttachments;
        m_surroundings.m_pAttachmentIds = m_ids;
        m_surroundings.m_iNumAttachments = 6;
        m_heroine.SetSurroundings(&m_surroundings);
        m_sailor.SetSurroundings(&m_surroundings);
    }

    std::vector<uint32_t> Carried(const Character& character) const
    {
        std::vector<uint32_t> ids;
        for (int32_t i = 0; i < character.GetNumAttachments(); ++i)
            for (int32_t s = 0; s < 6; ++s)
                if (character.GetAttachment(i).m_pAttachment == &m_attachments[s])
                    ids.push_back(m_ids[s]);
        return ids;
    }

    Attachment m_attachments[6];
    Attachment* m_apAttachments[6] = {};
    // brutale_axe, stick_chemin, tavrine_chisel and three made-up ids.
    const uint32_t m_ids[6] = {0x00CD7AC7u, 0x031A81F9u, 0x03D45600u, 11, 12, 13};
    CharacterSurroundings m_surroundings;
    Character m_heroine;
    Character m_sailor;
};

TEST_F(CharacterAttachmentTest, AFifthAttachmentIsRefused)
{
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_TRUE(m_heroine.AddAttachment(RIGHT_HAND, m_ids[i]));
    bool added = true;
    const std::string log = LogOf([&] { added = m_heroine.AddAttachment(RIGHT_HAND, m_ids[4]); });
    EXPECT_FALSE(added);
    EXPECT_NE(log.find("condition: CHARACTER_MAX_ATTACHMENTS > m_iNumAttachments\n"), std::string::npos) << log;
    EXPECT_FALSE(m_attachments[4].IsBound());
    EXPECT_EQ(m_heroine.GetNumAttachments(), 4);
}

TEST_F(CharacterAttachmentTest, MissingOrCarriedAttachmentsAreNotBound)
{
    ASSERT_TRUE(m_heroine.AddAttachment(RIGHT_HAND, m_ids[0]));
    struct Case {
        int32_t bone;
        uint32_t id;
        const char* line;
    };
    for (const Case& c :
         {Case {RIGHT_HAND, 0x99u, "condition: pAttachment!=NULL\nmessage:\nAttachment \"?\" not available\n"},
          Case {7, m_ids[1], "Attachment \"stick_chemin\" refused: no bone 7\n"},
          Case {RIGHT_HAND, m_ids[0],
                "condition: !pAttachment->IsBound()\nmessage:\nAttachment \"brutale_axe\" already in use\n"}}) {
        bool added = true;
        const std::string log = LogOf([&] { added = m_sailor.AddAttachment(c.bone, c.id); });
        EXPECT_FALSE(added) << c.line;
        EXPECT_NE(log.find(c.line), std::string::npos) << log;
    }
    EXPECT_EQ(m_sailor.GetNumAttachments(), 0);
    EXPECT_FALSE(m_attachments[1].IsBound());

    // Without a scene nothing can be bound; with nothing carried nothing can
    // be removed.
    Character stranger;
    bool changed = true;
    std::string log = LogOf([&] { changed = stranger.AddAttachment(RIGHT_HAND, m_ids[1]); });
    EXPECT_FALSE(changed);
    EXPECT_NE(log.find("condition: NULL != scene\n"), std::string::npos) << log;
    log = LogOf([&] { changed = m_sailor.RemoveAttachment(m_ids[1]); });
    EXPECT_FALSE(changed);
    EXPECT_NE(log.find("condition: 0 != m_iNumAttachments\n"), std::string::npos) << log;
}

TEST_F(CharacterAttachmentTest, RemovingOneKeepsTheOthersInOrder)
{
    for (int32_t i = 0; i < 3; ++i)
        ASSERT_TRUE(m_heroine.AddAttachment(i, m_ids[i]));
    EXPECT_TRUE(m_heroine.RemoveAttachment(m_ids[0]));
    EXPECT_EQ(Carried(m_heroine), (std::vector<uint32_t> {m_ids[1], m_ids[2]}));
    EXPECT_EQ(m_heroine.GetAttachment(0).m_iBoneId, 1);
    EXPECT_FALSE(m_attachments[0].IsBound());
    EXPECT_TRUE(m_attachments[2].IsBound());

    // Not carried by her: nothing changes.
    EXPECT_TRUE(m_sailor.AddAttachment(RIGHT_HAND, m_ids[0]));
    bool removed = true;
    EXPECT_NE(LogOf([&] { removed = m_heroine.RemoveAttachment(m_ids[0]); }).find("does not carry"), std::string::npos);
    EXPECT_FALSE(removed);
    EXPECT_TRUE(m_attachments[0].IsBound());
    EXPECT_EQ(m_heroine.GetNumAttachments(), 2);

    // After A then B, removing B leaves A.
    EXPECT_TRUE(m_heroine.RemoveAttachment(m_ids[2]));
    EXPECT_EQ(Carried(m_heroine), (std::vector<uint32_t> {m_ids[1]}));
}

} // namespace
