#pragma once
#include <cstdint>
#include <span>

class SceneScript;

// The registration of a scene script: its scene and its factory. Every file
// SceneScript_<tag>.cpp of this folder ends with REGISTER_SCENE_SCRIPT(<tag>,
// scene id); the build lists those files in a generated source that names
// each record, and the scene registry puts each factory into the factory
// column of its scene's row. So a new scene is one new file, and no list is
// edited by hand.
//
// How a scene script reads (SceneScript_bg980.cpp is the shortest whole one):
// - One file per scene, SceneScript_bgNNN.cpp, holding the class
//   SceneScript_bgNNN in an anonymous namespace and its registration after
//   it. The file starts with a comment that says what the scene is.
// - The scene's objects are named constants with their index in the scene
//   table's object list; characters are constants of their actor ids
//   (ActorIdOf), items of their item ids (ItemIdOf("ITEM_...")), sprite
//   animations of the CRC-32 of their names.
// - The class overrides only the operations it has content for, in this order:
//   LinkActorSets, LinkSoundGroups, BuildEnterActions, BuildExitEvents,
//   BuildEvents. Private helpers are for steps that repeat inside the scene.
// - Handlers follow the order of the scene's table of events. Each opens with
//   a comment naming its trigger ("Activate \"bo\": ..."), then
//   _IfEvent(ScriptEvent_...) or _IfMatch(MatchExpr::MakeEvent0/4/6), its
//   condition blocks (_IfMatch(InChapter(n)), _IfBool, _IfInt, _ElseMatch),
//   the actions in the order they run, and the closing _EndMatch.
// - Actions use the step calls of ScriptTreeCalls (SetBoolVar, GoToScene,
//   WaitForAll ...), the push operations, and AddToQueue with Param:: values
//   for everything else. A scene id is written as a number, with the scene's
//   name beside it in a comment.
struct SceneScriptRegistration {
    int32_t m_iSceneId;
    // The <tag> of the file's name, for messages.
    const char* m_pTag;
    SceneScript* (*m_pFactory)();
};

// Every registered scene script, in the order of the files' names.
std::span<const SceneScriptRegistration* const> GetSceneScriptRegistrations();

// Registers the class SceneScript_<tag> for the scene; the record's name is
// the one the generated list refers to, so it must follow the file's name.
#define REGISTER_SCENE_SCRIPT(tag, sceneId)                                     \
    extern const SceneScriptRegistration g_oSceneScript_##tag;                  \
    const SceneScriptRegistration g_oSceneScript_##tag                          \
    {                                                                           \
        sceneId, #tag, []() -> SceneScript* { return new SceneScript_##tag(); } \
    }
