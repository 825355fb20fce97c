#include "ActorNames.h"
#include "SceneFiles.h"
#include "SourceRecord.h"

#include "Common/AnimationIds.h"
#include "Common/AttachmentIds.h"
#include "Hash/CoreCrc32.h"
#include "Scene/Common/CharacterAnimations.h"

#include <algorithm>

namespace {

constexpr size_t MAX_CHARACTERS = 5;
constexpr size_t MAX_ATTACHMENTS = 16;

struct AnimationType {
    const char* name;
    uint32_t type;
};

const AnimationType ANIMATION_TYPES[] = {{"standard", 0}, {"walk", 1}, {"idle", 2}, {"run", 3}};
constexpr int64_t LAST_ANIMATION_TYPE = 10;

const nlohmann::json& List(const SourceRecord& record, const char* member, size_t max)
{
    static const nlohmann::json empty = nlohmann::json::array();
    if (!record.Has(member))
        return empty;
    const nlohmann::json& list = record.Member(member);
    if (!list.is_array() || list.size() > max)
        record.Fail(std::string("\"") + member + "\" must be a list of at most " + std::to_string(max));
    return list;
}

std::string Text(const SourceRecord& record, const nlohmann::json& value, const std::string& what)
{
    if (!value.is_string() || value.get<std::string>().empty() ||
        value.get<std::string>().find('\0') != std::string::npos)
        record.Fail(what + " must be a non-empty text");
    return value.get<std::string>();
}

// The actor's id when the actor table holds the name.
uint32_t ActorId(const SourceRecord& character, const std::string& name)
{
    if (!IsActorName(name))
        character.Fail("\"" + name + "\" is not an actor of the actor table");
    return ActorIdOfName(name);
}

uint32_t AnimationTypeOf(const SourceRecord& character, const nlohmann::json& value)
{
    if (value.is_string()) {
        for (const AnimationType& type : ANIMATION_TYPES)
            if (value.get<std::string>() == type.name)
                return type.type;
        character.Fail("no animation type \"" + value.get<std::string>() + "\"");
    }
    return static_cast<uint32_t>(character.ToInteger(value, 0, LAST_ANIMATION_TYPE, "an animation type"));
}

// The character's animations: its own list, or else the scene's list for
// its actor, so that a scene names each actor's animations once.
const nlohmann::json& AnimationsOf(const SourceRecord& character, const std::string& name, const nlohmann::json& scene)
{
    static const nlohmann::json none = nlohmann::json::array();
    if (character.Has("animations") || !scene.is_object() || !scene.contains("animations"))
        return List(character, "animations", SIZE_MAX);
    const nlohmann::json& lists = scene.at("animations");
    if (!lists.is_object())
        character.Fail("the scene's \"animations\" must map actors to their lists");
    // A misspelt actor would leave its characters without animations.
    for (const auto& list : lists.items()) {
        if (!IsActorName(list.key()))
            character.Fail("the scene's \"animations\" name \"" + list.key() + "\", no actor of the actor table");
    }
    if (!lists.contains(name))
        return none;
    if (!lists.at(name).is_array())
        character.Fail("the scene's \"animations\" of \"" + name + "\" must be a list");
    return lists.at(name);
}

void WriteCharacter(ByteWriter& out, const nlohmann::json& source, const nlohmann::json& scene,
                    const std::string& place)
{
    const SourceRecord character(source, place);
    const std::string name = Text(character, character.Member("name"), "\"name\"");
    const uint32_t actorId = ActorId(character, name);
    out.String(name);

    const nlohmann::json& animations = AnimationsOf(character, name, scene);
    // The engine would drop the animations beyond its table without a word.
    if (animations.size() > static_cast<size_t>(MAX_ANIMATIONS))
        character.Fail("\"" + name + "\" is given " + std::to_string(animations.size()) +
                       " animations; a character holds at most " + std::to_string(MAX_ANIMATIONS));
    out.U32(static_cast<uint32_t>(animations.size()));
    const auto known = Id::GetActorAnimations(actorId);
    for (const nlohmann::json& animation : animations) {
        if (!animation.is_array() || animation.size() != 2)
            character.Fail("an animation must be [type, name]");
        const std::string animationName = Text(character, animation[1], "an animation name");
        if (std::none_of(known.begin(), known.end(),
                         [&](const AnimationRow& row) { return animationName == row.m_pName; }))
            character.Fail("\"" + name + "\" has no animation \"" + animationName + "\"");
        out.U32(AnimationTypeOf(character, animation[0]));
        out.String(animationName);
    }
}

} // namespace

void WriteActorSetRecord(ByteWriter& out, const nlohmann::json& source, const nlohmann::json& scene,
                         const std::string& place)
{
    const SourceRecord set(source, place);
    out.String(Text(set, set.Member("name"), "\"name\""));
    const nlohmann::json& characters = List(set, "characters", MAX_CHARACTERS);
    out.U32(static_cast<uint32_t>(characters.size()));
    for (size_t i = 0; i < characters.size(); ++i)
        WriteCharacter(out, characters[i], scene, place + ": character " + std::to_string(i));

    const nlohmann::json& attachments = List(set, "attachments", MAX_ATTACHMENTS);
    out.U32(static_cast<uint32_t>(attachments.size()));
    for (const nlohmann::json& attachment : attachments) {
        const std::string name = Text(set, attachment, "an attachment");
        const uint32_t id = CoreCrc32::HashString(name.c_str());
        const auto table = Id::GetAttachmentTable();
        if (std::none_of(table.begin(), table.end(), [&](const AttachmentIdRow& row) { return row.m_uId == id; }))
            set.Fail("\"" + name + "\" is not an attachment of the attachment table");
        out.String(name);
    }
}
