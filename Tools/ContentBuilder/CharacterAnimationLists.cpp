#include "CharacterAnimationLists.h"

#include "ActorNames.h"
#include "ContentError.h"
#include "Scene/Common/CharacterAnimations.h"

#include <algorithm>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

constexpr const char* LISTS_FOLDER = "CharacterAnimations";

const nlohmann::json& ListOf(const nlohmann::json& value, const std::string& what)
{
    if (!value.is_array())
        throw ContentError(what + " must be a list of [type, animation]");
    return value;
}

// The character's shared list, empty when it has none.
nlohmann::json SharedList(const fs::path& content, const std::string& actor)
{
    const fs::path path = content / LISTS_FOLDER / (actor + ".json");
    if (!fs::exists(path))
        return nlohmann::json::array();
    std::ifstream file(path);
    try {
        return ListOf(nlohmann::json::parse(file), path.string());
    } catch (const nlohmann::json::exception& error) {
        throw ContentError(path.string() + ": " + error.what());
    }
}

std::string NameOf(const nlohmann::json& animation)
{
    return animation.is_array() && animation.size() == 2 && animation[1].is_string() ? animation[1].get<std::string>()
                                                                                     : std::string();
}

// The scene's list for the character, as the actor-set record takes it.
nlohmann::json SceneList(const nlohmann::json& character, const nlohmann::json& source, const std::string& actor,
                         const std::string& place)
{
    if (character.contains("animations"))
        return ListOf(character.at("animations"), place + ": the \"animations\" of \"" + actor + "\"");
    if (source.contains("animations") && source.at("animations").is_object() && source.at("animations").contains(actor))
        return ListOf(source.at("animations").at(actor), place + ": the scene's \"animations\" of \"" + actor + "\"");
    return nlohmann::json::array();
}

} // namespace

nlohmann::json WithCharacterAnimations(const nlohmann::json& source, const fs::path& content, const std::string& place)
{
    nlohmann::json joined = source;
    if (!joined.contains("actorSets") || !joined.at("actorSets").is_array())
        return joined;
    // A character stands in several sets: its shared list is read once.
    std::map<std::string, nlohmann::json> sharedLists;
    for (nlohmann::json& set : joined.at("actorSets")) {
        if (!set.is_object() || !set.contains("characters") || !set.at("characters").is_array())
            continue;
        for (nlohmann::json& character : set.at("characters")) {
            if (!character.is_object() || !character.contains("name") || !character.at("name").is_string())
                continue;
            const std::string actor = character.at("name").get<std::string>();
            // A name that is no actor's names no file either: the record
            // refuses it.
            if (!IsActorName(actor))
                continue;
            auto found = sharedLists.find(actor);
            if (found == sharedLists.end())
                found = sharedLists.emplace(actor, SharedList(content, actor)).first;
            const nlohmann::json& shared = found->second;
            // A character without a shared list keeps taking the scene's
            // list as it stands, where the record checks it.
            if (shared.empty())
                continue;
            nlohmann::json list = SceneList(character, source, actor, place);
            // The engine keeps a character's first 48 animations: the shared
            // ones fill what room the scene's own leave, in their order.
            for (const nlohmann::json& animation : shared) {
                if (list.size() >= static_cast<size_t>(MAX_ANIMATIONS))
                    break;
                const std::string name = NameOf(animation);
                if (name.empty() || std::none_of(list.begin(), list.end(),
                                                 [&](const nlohmann::json& listed) { return NameOf(listed) == name; }))
                    list.push_back(animation);
            }
            character["animations"] = list;
        }
    }
    return joined;
}
