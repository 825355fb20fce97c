#include "Scene/Common/ActorSet.h"

#include "Error/EngineAssert.h"
#include "Log/CoreLog.h"
#include "Scene/Common/SerialStream.h"

namespace {

using u32 = uint32_t;

// An animation choice takes at least its type and the NUL of an empty name.
constexpr uint64_t ANIMATION_MIN_SIZE = 5;

bool Refuse(const SerialStream& stream, const char* pSetName, const char* pReason)
{
    CorePrint(&g_oCoreLog, "ActorSet::Initialize -- \"%s\" in \"%s\" refused: %s\n", pSetName ? pSetName : "",
              stream.GetFileName(), pReason);
    return false;
}

} // namespace

bool ActorSet::Initialize(SerialStream& stream)
{
    m_pName = stream.ReadString();
    const uint32_t characterCount = stream.ReadU32();
    if (!stream.IsGood())
        return false;
    m_iNumCharacterNames = static_cast<int32_t>(characterCount);
    ENGINE_ASSERT_MSG(static_cast<u32>(m_iNumCharacterNames) <= MAX_ACTORS,
                      "ActorSet::Initialize -- Maximum number of actors reached!\n");
    // The set has room for five characters: a larger record is refused, not
    // read past its arrays.
    if (characterCount > MAX_ACTORS) {
        m_iNumCharacterNames = 0;
        return Refuse(stream, m_pName, "more than 5 characters");
    }

    for (int32_t c = 0; c < m_iNumCharacterNames; ++c) {
        m_apCharacterNames[c] = stream.ReadString();
        const uint32_t animationCount = stream.ReadU32();
        if (!stream.HasRoomFor(animationCount, ANIMATION_MIN_SIZE))
            return false;
        if (animationCount > 0) {
            m_apAnimations[c] = std::make_unique<ActorSetAnimation[]>(animationCount);
            m_aNumAnimations[c] = static_cast<int32_t>(animationCount);
        }
        for (uint32_t a = 0; a < animationCount; ++a) {
            m_apAnimations[c][a].m_uType = stream.ReadU32();
            m_apAnimations[c][a].m_pName = stream.ReadString();
        }
    }

    const int32_t attachmentCount = stream.ReadS32();
    if (!stream.IsGood())
        return false;
    if (attachmentCount > MAX_ACTOR_SET_ATTACHMENTS)
        return Refuse(stream, m_pName, "more than 16 attachments");
    // A count of zero or less names no attachment.
    m_iNumAttachments = attachmentCount > 0 ? attachmentCount : 0;
    for (int32_t a = 0; a < m_iNumAttachments; ++a)
        m_apAttachmentNames[a] = stream.ReadString();
    return stream.IsGood();
}
