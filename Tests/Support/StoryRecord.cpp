#include "Support/StoryRecord.h"

#include "Common/ActorIds.h"
#include "Common/ItemIds.h"
#include "Common/SceneIds.h"
#include "Interface/Common/InterfaceMenu.h"
#include "Inventory/Common/Inventory.h"
#include "Managers/Common/SceneManager.h"
#include "Managers/Common/VarManager.h"
#include "Support/Files.h"

#include <sstream>

namespace TestSupport {

StoryRecord StoryRecord::OfGame()
{
    StoryRecord story;
    if (const SceneDesc* scene = Id::GetSceneDesc(SceneManager::GetCurrentSceneId()))
        story.scene = scene->m_pName;
    if (const char* character = Id::GetActorName(SceneManager::GetPlayingCharacter()))
        story.character = character;
    if (InterfaceMenu* menu = InterfaceMenu::GetInstance())
        for (uint32_t item : menu->GetInventory().GetCells())
            if (const char* name = Id::GetItemName(item))
                story.items.insert(name);
    for (int id = 0; id < VARBOOL_LAST; ++id)
        if (g_VarManager.GetBool(id))
            story.flags.insert(Id::GetVarBoolName(id));
    for (int id = 0; id < VARINT_LAST; ++id)
        if (const int32_t value = g_VarManager.GetInt(id))
            story.numbers[Id::GetVarIntName(id)] = value;
    return story;
}

std::string StoryRecord::Text() const
{
    std::ostringstream text;
    // A lone word keeps the lines readable when a name is missing.
    text << "scene " << (scene.empty() ? "none" : scene) << "\ncharacter " << (character.empty() ? "none" : character)
         << "\n";
    for (const std::string& item : items)
        text << "item " << item << "\n";
    for (const std::string& flag : flags)
        text << "flag " << flag << "\n";
    for (const auto& [name, value] : numbers)
        text << "number " << name << " " << value << "\n";
    return text.str();
}

StoryRecord StoryRecord::FromText(const std::string& text)
{
    StoryRecord story;
    std::istringstream lines(text);
    for (std::string kind; lines >> kind;) {
        std::string name;
        lines >> name;
        if (kind == "scene")
            story.scene = name;
        else if (kind == "character")
            story.character = name;
        else if (kind == "item")
            story.items.insert(name);
        else if (kind == "flag")
            story.flags.insert(name);
        else if (kind == "number")
            lines >> story.numbers[name];
    }
    return story;
}

StoryRecord RecordedStory(const TempDir& folder, const std::string& name)
{
    return StoryRecord::FromText(ReadFileText(folder / (name + ".txt")));
}

} // namespace TestSupport
