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
// - Everything is named, and the names resolve while the script is compiled
//   (Common/NamedIds.h, Common/SceneObjectNames.h): a misspelt name does not
//   compile. The scene's objects are Object("name") after
//   `using Object = NamedObject<SceneTableRows::s_aObjects_bgNNN_ID>;` (its
//   list in the scene table); characters are ActorNamed<"actor"> constants,
//   and their animations are their names (Play(KID, "g_idle_l")); items,
//   attachments and sound groups are ItemNamed("ITEM_..."),
//   AttachmentNamed("...") and SoundGroupNamed("..."); sprite animations are
//   CoreCrc32Of their names. Only what has no name anywhere (dialogs,
//   callbacks, sounds, sprite animations known by their hash) is a number.
// - The class overrides only the operations it has content for, in this order:
//   LinkActorSets, LinkSoundGroups, BuildEnterActions, BuildExitEvents,
//   BuildEvents. Private helpers are for steps that repeat inside the scene.
// - Handlers follow the order of the scene's table of events; every matching
//   handler runs, so the order shows where one event has several. Each opens
//   with a comment naming its trigger ("Activate \"bo\": ..."), then
//   _IfEvent(ScriptEvent_... / OnCallback) or _IfMatch(MatchExpr::MakeEvent0/4/6),
//   its condition blocks (_IfMatch(InChapter(n)), Both, IsTrue, IsFalse,
//   _IfBool, _IfInt, _ElseMatch), the actions in the order they run, and the
//   closing _EndMatch.
// - Actions are the steps of ScriptTreeCalls, one per word of the scene's
//   table: GoTo, WalkTo, Dialog (on logic_dialog), Play, Give, Take, Place,
//   TurnToward, Sound, EffectSound, Wait, Together / Apart, PickUp, SetBoolVar,
//   GoToScene, WaitForAll ...; the push operations and AddToQueue with Param::
//   values for everything else. A scene id is written as a number, with the
//   scene's name beside it in a comment.
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
