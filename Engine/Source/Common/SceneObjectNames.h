#pragma once
#include "Common/IdHash.h"
#include "Common/SceneIds.h"
#include "Scripts/Common/SceneScripts.h"

#include <cstdint>
#include <iterator>
#include <span>
#include <string_view>

// The scene table's object lists as the compiler sees them, so that a scene
// script names its objects and gets their indices while it is compiled.
namespace SceneTableRows {

#define SCENE_LIST(array) static_cast<int32_t>(std::size(array)), array
#define SCENE_NO_LIST 0, nullptr
#include "Common/SceneTable.inc"
#undef SCENE_NO_LIST
#undef SCENE_LIST

// The index of the name in a scene's object list, -1 when it has none.
constexpr int32_t FindObject(std::span<const char* const> objects, std::string_view name)
{
    for (size_t index = 0; index < objects.size(); ++index)
        if (objects[index] == name)
            return static_cast<int32_t>(index);
    return -1;
}

// Never defined: reached only while compiling, where calling it stops the
// build at the object that is not in the scene's list.
void ObjectIsNotInTheScene();

} // namespace SceneTableRows

// An object of one scene (OBJECTS is its list in the scene table), named as
// the list names it; it stands for the object's index, its scriptable id. A
// name that is not in the list does not compile.
template <const auto& OBJECTS>
struct NamedObject {
    consteval NamedObject(const char* pName) : m_iIndex(SceneTableRows::FindObject(OBJECTS, pName))
    {
        if (m_iIndex < 0)
            SceneTableRows::ObjectIsNotInTheScene();
    }

    constexpr operator int32_t() const { return m_iIndex; }

    int32_t m_iIndex;
};
