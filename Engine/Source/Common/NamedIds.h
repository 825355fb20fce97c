#pragma once
#include "Common/FixedName.h"
#include "Common/IdHash.h"

#include <cstdint>
#include <string_view>

// The id tables as the compiler sees them: an actor, item, attachment or sound
// group is found by its name, an animation by its actor and its name, while
// the code is compiled. The Find... functions give -1 (0 for an animation)
// when a name is not in its table; the checked ones do not compile then, so
// that a misspelt name in a script is a build error, not a silent no-op.
namespace NamedIds {

struct NameRow {
    uint32_t m_uId;
    std::string_view m_name;
};

struct AnimationNameRow {
    int32_t m_iId;
    std::string_view m_actor;
    std::string_view m_name;
};

struct SoundGroupNameRow {
    uint32_t m_uId;
    std::string_view m_aBanks[4];
};

inline constexpr NameRow ACTORS[] = {
#include "Common/ActorTable.inc"
};

inline constexpr NameRow ITEMS[] = {
#include "Common/ItemTable.inc"
};

inline constexpr NameRow ATTACHMENTS[] = {
#include "Common/AttachmentTable.inc"
};

inline constexpr AnimationNameRow ANIMATIONS[] = {
#include "Common/AnimationTable.inc"
};

inline constexpr SoundGroupNameRow SOUND_GROUPS[] = {
#include "Common/SoundGroupTable.inc"
};

// The row index of the name in a name table, -1 when it has none.
template <size_t COUNT>
constexpr int FindName(const NameRow (&rows)[COUNT], std::string_view name)
{
    for (size_t index = 0; index < COUNT; ++index)
        if (rows[index].m_name == name)
            return static_cast<int>(index);
    return -1;
}

// The id of the actor's animation of that name, 0 when the actor has none.
constexpr int32_t FindAnimation(std::string_view actor, std::string_view name)
{
    for (const AnimationNameRow& row : ANIMATIONS)
        if (row.m_actor == actor && row.m_name == name)
            return row.m_iId;
    return 0;
}

// A sound group's id: the CRC-32 of its lower-case name, top bit cleared.
constexpr uint32_t SoundGroupIdOf(std::string_view name)
{
    return CoreCrc32Of(name) & 0x7FFFFFFFu;
}

constexpr bool HasSoundGroup(uint32_t uGroupId)
{
    for (const SoundGroupNameRow& row : SOUND_GROUPS)
        if (row.m_uId == uGroupId)
            return true;
    return false;
}

// Never defined: reached only while compiling, where calling it stops the
// build at the name that is not in its table.
void NameIsNotInTheTable();

// constexpr rather than consteval: clang cannot initialise a class
// template's static member from an immediate function, and that
// initialiser is evaluated while compiling all the same.
constexpr uint32_t CheckedActorId(std::string_view name)
{
    if (FindName(ACTORS, name) < 0)
        NameIsNotInTheTable();
    return ActorIdOf(name);
}

consteval uint32_t CheckedItemId(std::string_view name)
{
    const int index = FindName(ITEMS, name);
    if (index < 0)
        NameIsNotInTheTable();
    return ITEMS[index].m_uId;
}

consteval uint32_t CheckedAttachmentId(std::string_view name)
{
    const int index = FindName(ATTACHMENTS, name);
    if (index < 0)
        NameIsNotInTheTable();
    return ATTACHMENTS[index].m_uId;
}

consteval int32_t CheckedAnimationId(std::string_view actor, std::string_view name)
{
    const int32_t iId = FindAnimation(actor, name);
    if (iId == 0)
        NameIsNotInTheTable();
    return iId;
}

consteval int32_t CheckedSoundGroupId(std::string_view name)
{
    const uint32_t uId = SoundGroupIdOf(name);
    if (!HasSoundGroup(uId))
        NameIsNotInTheTable();
    return static_cast<int32_t>(uId);
}

} // namespace NamedIds

// An item by its name as the tables write it ("ITEM_WATER_JUG").
consteval uint32_t ItemNamed(std::string_view name)
{
    return NamedIds::CheckedItemId(name);
}

// An attachment by its name ("water_jug").
consteval uint32_t AttachmentNamed(std::string_view name)
{
    return NamedIds::CheckedAttachmentId(name);
}

// A sound group by its name ("bg101_chapter_01").
consteval int32_t SoundGroupNamed(std::string_view name)
{
    return NamedIds::CheckedSoundGroupId(name);
}

// A character, named once by the actor's name. It stands for the actor id
// where one is taken (uint32_t) and for the scriptable id that actions and
// events carry (int32_t: the same bits, as every actor id has its top bit
// set); its animations are looked up among its own.
template <FixedName NAME>
struct ActorNamed {
    static constexpr uint32_t ACTOR_ID = NamedIds::CheckedActorId(NAME.View());

    constexpr operator uint32_t() const { return ACTOR_ID; }
    constexpr operator int32_t() const { return static_cast<int32_t>(ACTOR_ID); }
};

// One of the character's animations, by its name; a name that ends in "_l"
// is a loop.
template <FixedName ACTOR>
struct AnimationOf {
    consteval AnimationOf(const char* pName)
        : m_iId(NamedIds::CheckedAnimationId(ACTOR.View(), pName)), m_bLoop(std::string_view(pName).ends_with("_l"))
    {
    }

    int32_t m_iId;
    bool m_bLoop;
};
